#pragma once
// Work window 1: the general data of the building and the six values of
// every storey, with the hint box that names the next thing to do.

#include <array>

#include "rules/general_entry.h"
#include "ui/work_window.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

namespace calvex {

class WindowLinks;

class SelectorScrollBar;

class GeneralDataWindow : public WorkWindow {
public:
    explicit GeneralDataWindow(WindowLinks& links);

    // The check of the general fields; its failure message is shown in
    // both modes, the success message only when interactive.
    bool validate(CheckMode mode);
    // The values a run reads are the numbers their texts say; otherwise the
    // message is shown, with the storey at fault.
    bool validateValues();
    // Puts the project's seven general values into the fields, each
    // through the field's change handling (after an archive was read).
    void loadGeneralValues();
    // Puts a count into numsetx or numsety through the field's change
    // handling (the wall window's ordering).
    void enterCount(GeneralField field, const QString& text) { setFieldText(field, text); }
    // Shows a storey through the scroll bar, as the user would.
    void showStorey(int storey);

    const GeneralFieldTexts& fieldTexts() const { return texts_; }
    QString hintText() const;
    int shownStorey() const;

    void checkData() override { validate(CheckMode::interactive); }
    void copyToNextStorey() override;
    void clearWindow() override;
    void chooseBackground() override;
    void showOpenedArchive() override { showStorey(1); }
    // AVANTI: the check, then the hand-over to the wall data.
    void goAhead();

    void printTemplate() override;
    void printWindowData() override;

private:
    WindowLinks& links_;
    void buildGeneralColumn();
    void buildStoreyColumn();
    void buildHintAndButtons();

    void generalFieldChanged(GeneralField field, const QString& text);
    void storeyFieldChanged(FloorField field, const QString& text);
    void storeyScrolled(int value);
    void updateHint();
    void setFieldText(GeneralField field, const QString& text);
    void fillStoreyFields();
    void setStoreyColumnEnabled(bool enabled);
    void show(const WindowMessage& message);
    void showHelp();

    GeneralFieldTexts texts_;
    std::array<QWidget*, 7> generalFields_{};
    std::array<QLineEdit*, kFloorFieldCount> storeyFields_{};
    QLabel* storeyLabel_ = nullptr;
    SelectorScrollBar* storeyScroll_ = nullptr;
    QLabel* hint_ = nullptr;
    QPushButton* ahead_ = nullptr;
    QProgressBar* progress_ = nullptr;
    bool updatingHint_ = false;
};

} // namespace calvex
