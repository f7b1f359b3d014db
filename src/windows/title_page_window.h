#pragma once
// Work window 5, the title page of the calculation report: the eight texts
// that open and close the report, the calculator's name and address, the
// choice of how the report is produced and the buttons that start it.

#include <array>

#include "model/project_data.h"
#include "ui/work_window.h"

class QButtonGroup;
class QLineEdit;

namespace calvex {

class WindowLinks;

class TitlePageWindow : public WorkWindow {
public:
    // The members of the "Tipo di stampa" group, numbered as on screen.
    enum class ReportForm { wordDocument = 1, directPrint = 2 };

    explicit TitlePageWindow(WindowLinks& links);

    // The completeness check of the eight texts, with its message.
    void checkData() override;
    // Empties the eight texts, the date too.
    void clearWindow() override;
    void showOpenedArchive() override;

    // Shows the project's texts again, e.g. after an archive was read,
    // without the length warning.
    void refreshFromProject();

    ReportForm reportForm() const;

    void printWindowData() override;
    void printAll() override;

private:
    WindowLinks& links_;
    void buildFields();
    void buildCalculatorLines();
    void buildReportChoice();
    void buildButtons();
    void textEdited(TitleField field, const QString& text);
    void showWindowHelp() override;

    std::array<QLineEdit*, kTitleFieldCount> fields_{};
    QButtonGroup* reportChoice_ = nullptr;
};

} // namespace calvex
