#pragma once
// The platform layer on Qt: standard message boxes and dialogs, the
// primary screen and the system clock. The standard dialogs and buttons
// speak Italian, as every text of the program, whatever the user's locale.

#include <memory>

#include <QTranslator>

#include "platform.h"

namespace calvex {

class QtPlatform : public Platform {
public:
    // `printFailureTitle` heads the message when a printout cannot be delivered.
    // Qt's Italian texts are taken from `translationsFolder` (those installed
    // with the program), else from Qt's own translations.
    QtPlatform(std::unique_ptr<MusicPlayer> music, QString printFailureTitle, const QString& translationsFolder = {});
    ~QtPlatform() override;

    MessageAnswer showMessage(QWidget* parent, const MessageRequest& request) override;
    std::optional<QString> chooseFileToOpen(QWidget* parent, const FileDialogRequest& request) override;
    std::optional<QString> chooseFileToSave(QWidget* parent, const FileDialogRequest& request) override;
    std::optional<QColor> chooseColor(QWidget* parent, const QColor& initial) override;
    std::unique_ptr<TextDevice> choosePrinter(QWidget* parent) override;
    std::optional<QString> openWordDocument(QWidget* parent, const QString& name,
                                            const std::function<void(documents::WordDocument&)>& build) override;
    QSize screenSizeTwips() const override;
    double twipsPerPixel() const override;
    QDate currentDate() const override;
    MusicPlayer& music() override { return *music_; }

private:
    std::unique_ptr<MusicPlayer> music_;
    QString printFailureTitle_;
    // Qt's own Italian texts of its dialogs and buttons.
    QTranslator qtTexts_;
};

// A file name in the folder that is not taken yet: the name itself, else
// the name with " (2)", " (3)"... before its extension.
QString unusedFileName(const QString& folder, const QString& baseName, const QString& extension);

// Puts a printout painted into the file `printed` in the user's `target`,
// whole or not at all; what went wrong, in the program's words, otherwise.
std::optional<QString> deliverPrintedPdf(bool complete, const QString& printed, const QString& target);

// "desc|pattern|desc|pattern" as Qt's name filters ("desc (pattern)").
// "*.*" stands for every file, also those without a dot in their name.
QStringList qtNameFilters(const QString& filters);

} // namespace calvex
