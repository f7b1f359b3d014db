#pragma once
// The application shell: the splash, the registry that keeps each window at
// most once, moving between windows, and the exit command.

#include <QColor>
#include <QObject>
#include <QPointer>
#include <QString>
#include <map>
#include <optional>

#include "model/project_data.h"
#include "platform/platform.h"
#include "shell/window_ids.h"

class QWidget;

namespace calvex {

class WorkWindow;
class GeneralDataWindow;
class TitlePageWindow;
class WallDataWindow;
class ResultsWindow;
class WallCheckWindow;
class SplashWindow;

struct ShellSettings {
    QString calculatorName;    // the calculator's office, shown on the title page
    QString calculatorAddress;
    QString programFolder;     // where the music and the tips file are
};

class Shell : public QObject {
public:
    Shell(Platform& platform, ProjectData& project, ShellSettings settings);
    ~Shell() override;

    Platform& platform() { return platform_; }
    ProjectData& project() { return project_; }
    const ShellSettings& settings() const { return settings_; }

    // Shows the splash and starts its music.
    void start();
    SplashWindow* splash() const { return splash_; }

    // Creates the work window on first use; shows it and brings it to the
    // front.
    WorkWindow* showWorkWindow(WorkWindowId id);
    // The work window if it exists, without creating or showing it.
    WorkWindow* existingWorkWindow(WorkWindowId id) const;
    // The two windows other windows rely on, created (hidden) if needed.
    GeneralDataWindow& generalWindow();
    TitlePageWindow& titlePageWindow();
    WallDataWindow& wallWindow();
    ResultsWindow& resultsWindow();
    // Closes the window and creates it anew (hidden), with fresh fields.
    WallDataWindow& recreateWallWindow();
    WallCheckWindow& recreateWallCheckWindow();

    void showHelpIndex();
    void showHelpPage(HelpPage page);
    void showTips();
    void showAbout();
    void showSupport();

    // The exit command: asks, closes every window and shows the closing credit.
    void exitProgram(QWidget* asker);

    // The colour last chosen in the colour dialog of the general window.
    QColor lastChosenColour = QColor(192, 192, 192);
    // Set when the user asked for the same grey in every work window.
    std::optional<QColor> sharedBackground;
    // The names last chosen in the save dialog and in the delete dialog.
    QString lastSaveName = QStringLiteral("Calvex-dati-");
    QString lastDeleteName;

    // The splash's click and key.
    void splashClicked();
    void splashKeyPressed();

private:
    template <typename Window, typename... Args>
    Window& ensure(QPointer<QWidget>& slot, Args&&... args);
    void closeAllWindows();

    Platform& platform_;
    ProjectData& project_;
    ShellSettings settings_;
    SplashWindow* splash_ = nullptr;
    std::map<WorkWindowId, QPointer<QWidget>> workWindows_;
    std::map<HelpPage, QPointer<QWidget>> helpPages_;
    QPointer<QWidget> helpIndex_, tips_, about_, support_;
};

} // namespace calvex
