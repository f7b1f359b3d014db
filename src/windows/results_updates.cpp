// What changes the results window: the engine's runs, the wall window's
// clear, the storey selector and the two verdicts.

#include <QLabel>
#include <QLocale>

#include "model/numeric_text.h"
#include "rules/results_verdicts.h"
#include "rules/window_message.h"
#include "ui/app_texts.h"
#include "windows/failure_list_view.h"
#include "windows/number_display.h"
#include "windows/results_window.h"
#include "windows/rule_texts.h"
#include "windows/selector_scroll_bar.h"
#include "windows/window_links.h"

namespace calvex {

namespace {

// Items 1 to 12 of the storey column; items 13 and 14 are the safety coefficients.
constexpr std::array<ResultValue FloorResult::*, 12> kStoreyItems{
    &FloorResult::storeyWeight,  &FloorResult::distributionCoeff,
    &FloorResult::storeyForce,   &FloorResult::massCentreX,
    &FloorResult::massCentreY,   &FloorResult::stiffCentreX,
    &FloorResult::stiffCentreY,  &FloorResult::eccX,
    &FloorResult::eccY,          &FloorResult::polarMoment,
    &FloorResult::torsionMoment, &FloorResult::torsionTotalForce,
};

bool computedAndNonZero(const ResultValue& value) { return value.isNumber() && value.number() != 0; }

// A shown number read back in the user's locale; a text that is not a
// number reads 0.
double shownNumber(const QString& text) {
    bool ok = false;
    const double value = QLocale().toDouble(text, &ok);
    return ok ? value : 0.0;
}

} // namespace

void ResultsWindow::publishRun() {
    const BuildingResult& building = shell().project().building();
    for (std::size_t row = 0; row < general_.size(); ++row)
        general_[row]->setText(displayResult(building.*kBuildingNumbers[row].member));
    for (std::size_t box = 0; box < lists_.size(); ++box)
        lists_[box]->rows().setList(shell().project().failureList(kBuildingTexts[box].kind));
    refreshCurrency();
}

void ResultsWindow::clearResults() {
    for (QLabel* field : general_) field->clear();
    for (FailureListView* list : lists_) list->rows().clear();
    setStoreySelector(0);
}

void ResultsWindow::refreshCurrency() {
    buildingVerdict_->setText(shell().project().resultsCurrent() ? buildingVerdictText_ : qtText(kResultsNotCurrent));
}

void ResultsWindow::setStoreySelector(int storey) {
    selector_->moveTo(storey, [this] { showStorey(selector_->value()); });
}

int ResultsWindow::storeySelector() const { return selector_->value(); }

void ResultsWindow::showStorey(int storey) {
    ProjectData& project = shell().project();
    const int storeys = project.storeyCount();
    if (storey > storeys) {
        // Putting the selector back shows the top storey.
        selector_->setValue(storeys);
        selector_->refuseStep([this] {
            shell().platform().inform(this, app::kCheckTitle, qtText(kMessageNoMoreStoreys), MessageIcon::exclamation);
        });
        return;
    }
    project.currentFloor = storey;
    storeyCaption_->setText(QStringLiteral("Piano n.") + QString::fromStdString(str(storey)));
    const FloorResult& floor = project.floorResult(storey);
    for (std::size_t item = 0; item < kStoreyItems.size(); ++item)
        items_[item]->setText(displayResult(floor.*kStoreyItems[item]));
    if (computedAndNonZero(floor.safetyX) && computedAndNonZero(floor.safetyY)) {
        items_[12]->setText(displayResult(floor.safetyX));
        items_[13]->setText(displayResult(floor.safetyY));
        storeyVerdict_->setText(
            qtText(storeyVerdictText(storey, shownNumber(items_[12]->text()), shownNumber(items_[13]->text()))));
        storeyVerdict_->show();
        buildingVerdictText_ = qtText(buildingVerdictText(project));
    }
    refreshCurrency();
}

} // namespace calvex
