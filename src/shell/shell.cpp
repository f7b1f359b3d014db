#include "shell/shell.h"

#include "shell/info_windows.h"
#include "shell/splash_window.h"
#include "ui/app_texts.h"
#include "windows/archive_commands.h"
#include "windows/general_data_window.h"
#include "windows/help_index_window.h"
#include "windows/help_page_window.h"
#include "windows/plan_window.h"
#include "windows/results_window.h"
#include "windows/tip_window.h"
#include "windows/title_page_window.h"
#include "windows/wall_check_window.h"
#include "windows/wall_data_window.h"

namespace calvex {

namespace {

// Brings a window up in front of the others.
void raise(QWidget& window) {
    if (window.isMinimized()) window.showNormal();
    window.show();
    window.raise();
    window.activateWindow();
}

} // namespace

Shell::Shell(Platform& platform, ProjectData& project, ShellSettings settings)
    : platform_(platform), project_(project), settings_(std::move(settings)) {}

Shell::~Shell() {
    closeAllWindows();
    delete splash_;
}

void Shell::start() {
    if (!splash_) splash_ = new SplashWindow(*this);
    splash_->startMusic();
    raise(*splash_);
}

void Shell::openAtStart(const QString& archive) {
    splashClicked();
    ArchiveCommands(*this).openFile(generalWindow(), archive);
}

template <typename Window, typename... Args>
Window& Shell::ensure(QPointer<QWidget>& slot, Args&&... args) {
    if (!slot) slot = new Window(*this, std::forward<Args>(args)...);
    return static_cast<Window&>(*slot);
}

GeneralDataWindow& Shell::generalWindow() { return ensure<GeneralDataWindow>(workWindows_[WorkWindowId::dati]); }

TitlePageWindow& Shell::titlePageWindow() { return ensure<TitlePageWindow>(workWindows_[WorkWindowId::frontespizio]); }

WallDataWindow& Shell::wallWindow() { return ensure<WallDataWindow>(workWindows_[WorkWindowId::sismica]); }

ResultsWindow& Shell::resultsWindow() { return ensure<ResultsWindow>(workWindows_[WorkWindowId::risultati]); }

PlanWindow& Shell::planWindow() {
    QPointer<QWidget>& slot = workWindows_[WorkWindowId::pianta];
    const bool made = !slot;
    PlanWindow& plan = ensure<PlanWindow>(slot);
    if (made)
        if (auto* walls = static_cast<WallDataWindow*>(existingWorkWindow(WorkWindowId::sismica)))
            plan.followWall(walls->shownStorey(), walls->shownWall());
    return plan;
}

namespace {

void dispose(QPointer<QWidget>& window) {
    if (!window) return;
    window->hide();
    window->deleteLater();
    window = nullptr;
}

} // namespace

WallDataWindow& Shell::recreateWallWindow() {
    dispose(workWindows_[WorkWindowId::sismica]);
    return wallWindow();
}

WallCheckWindow& Shell::recreateWallCheckWindow() {
    QPointer<QWidget>& slot = workWindows_[WorkWindowId::controllasetti];
    dispose(slot);
    return ensure<WallCheckWindow>(slot);
}

WorkWindow* Shell::showWorkWindow(WorkWindowId id) {
    // Where each window is made: a window without its case here is a
    // compiler warning (-Wswitch).
    WorkWindow* window = nullptr;
    switch (id) {
        case WorkWindowId::dati:
            window = &generalWindow();
            break;
        case WorkWindowId::sismica:
            window = &wallWindow();
            break;
        case WorkWindowId::risultati:
            window = &resultsWindow();
            break;
        case WorkWindowId::controllasetti:
            window = &ensure<WallCheckWindow>(workWindows_[WorkWindowId::controllasetti]);
            break;
        case WorkWindowId::frontespizio:
            window = &titlePageWindow();
            break;
        case WorkWindowId::pianta:
            window = &planWindow();
            break;
    }
    raise(*window);
    return window;
}

WorkWindow* Shell::existingWorkWindow(WorkWindowId id) const {
    const auto found = workWindows_.find(id);
    return found == workWindows_.end() ? nullptr : static_cast<WorkWindow*>(found->second.data());
}

void Shell::showHelpIndex() { raise(ensure<HelpIndexWindow>(helpIndex_)); }

void Shell::showHelpPage(HelpPage page) { raise(ensure<HelpPageWindow>(helpPages_[page], page)); }

void Shell::showTips() { raise(ensure<TipWindow>(tips_)); }

void Shell::showAbout() { raise(ensure<AboutWindow>(about_)); }

void Shell::showSupport() { raise(ensure<SupportWindow>(support_)); }

void Shell::closeAllWindows() {
    for (auto& [id, window] : workWindows_) dispose(window);
    dispose(helpIndex_);
    for (auto& [page, window] : helpPages_) dispose(window);
    dispose(tips_);
    dispose(support_);
    dispose(about_);
}

void Shell::exitProgram(QWidget* asker) {
    const MessageRequest question{QStringLiteral("Attenzione: i dati non archiviati andranno persi !"),
                                  QStringLiteral("Vuoi uscire da Calvex?"), MessageIcon::question,
                                  MessageButtons::yesNo, MessageAnswer::no};
    if (platform_.showMessage(asker, question) != MessageAnswer::yes) return;
    closeAllWindows();
    if (!splash_) splash_ = new SplashWindow(*this);
    platform_.music().play();
    splash_->showClosingCredit();
    raise(*splash_);
}

void Shell::openArchive(WorkWindow& from) { ArchiveCommands(*this).open(from); }

void Shell::saveArchive(WorkWindow& from, bool saveAs) { ArchiveCommands(*this).save(from, saveAs); }

void Shell::deleteArchive(WorkWindow& from) { ArchiveCommands(*this).deleteFile(from); }

bool Shell::generalDataValid() { return generalWindow().validate(CheckMode::silent); }

bool Shell::generalValuesUsable() { return generalWindow().validateValues(); }

const GeneralFieldTexts& Shell::generalFieldTexts() { return generalWindow().fieldTexts(); }

void Shell::enterWallCounts(int xWalls, int yWalls) {
    generalWindow().enterCount(GeneralField::numsetx, QString::number(xWalls));
    generalWindow().enterCount(GeneralField::numsety, QString::number(yWalls));
}

bool Shell::wallDataValid() { return wallWindow().validate(CheckMode::silent); }

RunOutcome Shell::computeWallResults() { return wallWindow().computeNow(); }

void Shell::showStoreyAndWall(int storey, int wall) { wallWindow().showStoreyAndWall(storey, wall); }

void Shell::publishRun() { resultsWindow().publishRun(); }

void Shell::refreshResultsCurrency() { resultsWindow().refreshCurrency(); }

void Shell::clearResults() {
    resultsWindow().clearResults();
    if (auto* plan = static_cast<PlanWindow*>(existingWorkWindow(WorkWindowId::pianta))) plan->refresh();
}

void Shell::setResultsStorey(int storey) { resultsWindow().setStoreySelector(storey); }

void Shell::followWallInPlan(int storey, int wall) {
    if (auto* plan = static_cast<PlanWindow*>(existingWorkWindow(WorkWindowId::pianta))) plan->followWall(storey, wall);
}

void Shell::makeFreshWallCheck(int storey, int wall) {
    WallCheckWindow& map = recreateWallCheckWindow();
    map.setSelectors(storey, wall);
    map.showWall();
}

void Shell::clearDataWindows(bool freshWallWindow) {
    WallDataWindow& walls = freshWallWindow ? recreateWallWindow() : wallWindow();
    walls.clearWindow();
    generalWindow().clearWindow();
}

void Shell::showReadProject() {
    GeneralDataWindow& general = generalWindow();
    general.loadGeneralValues();
    general.showStorey(1);
    if (auto* titlePage = static_cast<TitlePageWindow*>(existingWorkWindow(WorkWindowId::frontespizio)))
        titlePage->refreshFromProject();
}

void Shell::splashClicked() {
    platform_.music().pause();
    showWorkWindow(WorkWindowId::dati);
}

void Shell::splashKeyPressed() {
    platform_.music().close();
    splash_->close();
}

} // namespace calvex
