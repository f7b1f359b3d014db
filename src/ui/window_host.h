#pragma once
// What a window asks of the program around it: the project, the platform,
// the settings, moving to another window, the help, the exit and the
// archive commands. The shell implements it; the windows know nothing else
// of the shell.

#include <QColor>
#include <QString>
#include <optional>

#include "model/project_data.h"
#include "platform/platform.h"
#include "ui/window_ids.h"

class QWidget;

namespace calvex {

class WorkWindow;

struct ShellSettings {
    QString calculatorName; // the calculator's office, shown on the title page
    QString calculatorAddress;
    QString dataFolder; // where the music and the tips file are
};

// What the user chose during the session, kept for every window.
struct SessionChoices {
    // The colour last chosen in the colour dialog of the general window.
    QColor lastChosenColour = QColor(192, 192, 192);
    // Set when the user asked for the same grey in every work window.
    std::optional<QColor> sharedBackground;
    // The names last chosen in the save dialog and in the delete dialog.
    QString lastSaveName = QStringLiteral("Calvex-dati-");
    QString lastDeleteName;
};

class WindowHost {
public:
    virtual Platform& platform() = 0;
    virtual ProjectData& project() = 0;
    virtual const ShellSettings& settings() const = 0;
    virtual SessionChoices& choices() = 0;

    // Creates the work window on first use; shows it and brings it to the
    // front.
    virtual WorkWindow* showWorkWindow(WorkWindowId id) = 0;
    // The work window if it exists, without creating or showing it.
    virtual WorkWindow* existingWorkWindow(WorkWindowId id) const = 0;

    virtual void showHelpIndex() = 0;
    virtual void showHelpPage(HelpPage page) = 0;
    virtual void showTips() = 0;
    virtual void showAbout() = 0;
    virtual void showSupport() = 0;

    // The exit command: asks, closes every window and shows the closing credit.
    virtual void exitProgram(QWidget* asker) = 0;

    // The archive commands, run from the window given.
    virtual void openArchive(WorkWindow& from) = 0;
    virtual void saveArchive(WorkWindow& from, bool saveAs) = 0;
    virtual void deleteArchive(WorkWindow& from) = 0;

protected:
    ~WindowHost() = default;
};

} // namespace calvex
