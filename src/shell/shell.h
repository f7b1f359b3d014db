#pragma once
// The application shell: the splash, the registry that keeps each window at
// most once, moving between windows, and the exit command.

#include <QObject>
#include <QPointer>
#include <map>

#include "model/project_data.h"
#include "platform/platform.h"
#include "windows/window_links.h"

class QWidget;

namespace calvex {

class WorkWindow;
class GeneralDataWindow;
class TitlePageWindow;
class WallDataWindow;
class ResultsWindow;
class WallCheckWindow;
class PlanWindow;
class SplashWindow;

class Shell : public QObject, public WindowLinks {
public:
    Shell(Platform& platform, ProjectData& project, ShellSettings settings);
    ~Shell() override;

    Platform& platform() override { return platform_; }
    ProjectData& project() override { return project_; }
    const ShellSettings& settings() const override { return settings_; }
    SessionChoices& choices() override { return choices_; }

    // Shows the splash and starts its music.
    void start();
    // After `start`, for an archive named on the command line: the general
    // window, as a click on the splash opens it, then the archive read as
    // the open command reads it.
    void openAtStart(const QString& archive);
    SplashWindow* splash() const { return splash_; }

    // Creates the work window on first use; shows it and brings it to the
    // front.
    WorkWindow* showWorkWindow(WorkWindowId id) override;
    // The work window if it exists, without creating or showing it.
    WorkWindow* existingWorkWindow(WorkWindowId id) const override;
    // The windows, created (hidden) if needed.
    GeneralDataWindow& generalWindow();
    TitlePageWindow& titlePageWindow();
    WallDataWindow& wallWindow();
    ResultsWindow& resultsWindow();
    // Made on the storey and wall the wall window shows, when it exists.
    PlanWindow& planWindow();
    // Closes the window and creates it anew (hidden), with fresh fields.
    WallDataWindow& recreateWallWindow();
    WallCheckWindow& recreateWallCheckWindow();

    void showHelpIndex() override;
    void showHelpPage(HelpPage page) override;
    void showTips() override;
    void showAbout() override;
    void showSupport() override;

    // The exit command: asks, closes every window and shows the closing credit.
    void exitProgram(QWidget* asker) override;

    void openArchive(WorkWindow& from) override;
    void saveArchive(WorkWindow& from, bool saveAs) override;
    void deleteArchive(WorkWindow& from) override;

    bool generalDataValid() override;
    bool generalValuesUsable() override;
    const GeneralFieldTexts& generalFieldTexts() override;
    void enterWallCounts(int xWalls, int yWalls) override;
    bool wallDataValid() override;
    RunOutcome computeWallResults() override;
    void showStoreyAndWall(int storey, int wall) override;
    void publishRun() override;
    void refreshResultsCurrency() override;
    void clearResults() override;
    void setResultsStorey(int storey) override;
    void followWallInPlan(int storey, int wall) override;
    void makeFreshWallCheck(int storey, int wall) override;
    void clearDataWindows(bool freshWallWindow) override;
    void showReadProject() override;

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
    SessionChoices choices_;
    SplashWindow* splash_ = nullptr;
    std::map<WorkWindowId, QPointer<QWidget>> workWindows_;
    std::map<HelpPage, QPointer<QWidget>> helpPages_;
    QPointer<QWidget> helpIndex_, tips_, about_, support_;
};

} // namespace calvex
