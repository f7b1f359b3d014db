// What the wall-check map shows as its two selectors move: the wall's
// three check texts over ten storeys and whether the wall must change.

#include <QLabel>

#include "model/numeric_text.h"
#include "rules/wall_check_rules.h"
#include "rules/window_message.h"
#include "ui/app_texts.h"
#include "windows/results_fields.h"
#include "windows/rule_texts.h"
#include "windows/selector_scroll_bar.h"
#include "windows/wall_check_window.h"
#include "windows/window_links.h"

namespace calvex {

namespace {

const QString kNoData = QStringLiteral("Attenzione: non risultano inseriti i dati.");

void report(WallCheckWindow& window, const QString& text, MessageIcon icon) {
    window.shell().platform().inform(&window, app::kCheckTitle, text, icon);
}

} // namespace

void WallCheckWindow::setSelectors(int storey, int wall) {
    const QSignalBlocker storeyBlocker(storeySelector_), wallBlocker(wallSelector_);
    storeySelector_->setValue(storey);
    wallSelector_->setValue(wall);
}

void WallCheckWindow::setStoreySelector(int storey) {
    storeySelector_->moveTo(storey, [this] { showStoreys(); });
}

void WallCheckWindow::setWallSelector(int wall) {
    wallSelector_->moveTo(wall, [this] { showWall(); });
}

void WallCheckWindow::showStoreys() {
    ProjectData& project = shell().project();
    if (project.general(GeneralField::np).isEmpty()) {
        report(*this, kNoData, MessageIcon::critical);
        return;
    }
    const int first = storeySelector_->value();
    const int storeys = project.storeyCount();
    if (first > storeys) {
        // Putting the selector back shows the rows from the top storey.
        storeySelector_->setValue(storeys);
        storeySelector_->refuseStep([this] { report(*this, qtText(kMessageNoMoreStoreys), MessageIcon::exclamation); });
        return;
    }
    project.currentFloor = first;
    for (int row = 0; row < 10; ++row) {
        const int storey = first + row;
        rows_[row][0]->setText(QString::number(storey));
        const bool inUse = storey <= storeys;
        const WallResult result = project.wallResult(storey, project.currentWall);
        rows_[row][1]->setText(inUse ? QString::fromStdString(result.shearCheckText.str()) : QString());
        rows_[row][2]->setText(inUse ? QString::fromStdString(result.sigmaCheckText.str()) : QString());
        rows_[row][3]->setText(inUse ? QString::fromStdString(result.sectionCheckText.str()) : QString());
    }
}

void WallCheckWindow::showWall() {
    ProjectData& project = shell().project();
    if (project.general(GeneralField::wallCount).isEmpty()) {
        report(*this, kNoData, MessageIcon::critical);
        return;
    }
    const int wall = wallSelector_->value();
    const int walls = project.wallCount();
    if (wall > walls) {
        // Putting the selector back shows the last wall.
        wallSelector_->setValue(walls);
        wallSelector_->refuseStep([this] { report(*this, qtText(kMessageNoMoreWalls), MessageIcon::exclamation); });
        return;
    }
    project.currentWall = wall;
    wallCaption_->setText(qtText(wallCheckCaption(project, wall)));
    showStoreys();
    const bool failing = wallNeedsChange(project, wall);
    wallMark_->setText(failing ? QStringLiteral("modificare") : QStringLiteral("corretto"));
    setTextColour(wallMark_, failing ? kMarkRed : kVerdictBlue);
}

} // namespace calvex
