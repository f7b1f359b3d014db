#include "windows/plan_window.h"

#include <QLabel>
#include <algorithm>

#include "rules/storey_plan.h"
#include "rules/window_message.h"
#include "ui/app_texts.h"
#include "windows/number_display.h"
#include "windows/plan_view.h"
#include "windows/print_commands.h"
#include "windows/results_data_check.h"
#include "windows/results_fields.h"
#include "windows/rule_texts.h"
#include "windows/selector_scroll_bar.h"
#include "windows/window_links.h"

namespace calvex {

namespace {

const QStringList kHelpLines{
    QStringLiteral("- La finestra \u00e8 di sola lettura e segue la finestra 'Verifica sismica': mostra il piano e "
                   "mette in evidenza il setto visualizzati in quella finestra;"),
    QStringLiteral("- cliccare sulla barra di scorrimento verticale per visualizzare la pianta degli altri piani;"),
    QStringLiteral("- fermare il mouse su un setto per leggerne le verifiche non superate; cliccare su un setto per "
                   "visualizzarlo nella finestra 'Verifica sismica';"),
    QStringLiteral("- il menu 'Stampa' stampa la pianta del piano visualizzato su un foglio A4."),
};

// Layout of the drawing area, in twips.
constexpr int kLeft = 120, kTitleTop = 100, kTitleHeight = 280;
constexpr int kViewTop = 400, kViewWidth = 8800, kViewHeight = 3850;
constexpr int kSelectorLeft = kLeft + kViewWidth + 60, kSelectorWidth = 255;
constexpr int kLineTop = kViewTop + kViewHeight + 30, kLineStep = 230, kLineHeight = 220;
constexpr int kBottomButtonsTop = 5220;

std::string localeNumber(double value) { return utf8(displayNumber(value)); }

QString swatch(WallFill fill, const char* name) {
    return QStringLiteral("<span style=\"color:#%1\">\u25a0</span> %2")
        .arg(wallFillRgb(fill), 6, 16, QLatin1Char('0'))
        .arg(QString::fromUtf8(name));
}

QString pointText(const std::optional<PlanPoint>& point) {
    if (!point) return {};
    return QStringLiteral(" = (%1; %2)").arg(displayNumber(point->x), displayNumber(point->y));
}

} // namespace

PlanWindow::PlanWindow(WindowLinks& links)
    : WorkWindow(links, WorkWindowId::pianta, QStringLiteral("Calvex: pianta del piano")), links_(links) {
    setObjectName(QStringLiteral("pianta"));
    storeyCaption_ =
        addCaption(QStringLiteral("Piano n."), QStringLiteral("il piano di cui \u00e8 disegnata la pianta"), kLeft,
                   kTitleTop, 3000, kTitleHeight);
    storeyCaption_->setObjectName(QStringLiteral("numeropiano"));
    setEmphasis(storeyCaption_, 9, Qt::black);
    staleCaption_ = addCaption(QString(), QStringLiteral("se i risultati disegnati appartengono ai dati immessi"), 3300,
                               kTitleTop, 4000, kTitleHeight);
    staleCaption_->setObjectName(QStringLiteral("aggiornamento"));
    setEmphasis(staleCaption_, 9, kMarkRed);

    view_ = place(new PlanView(form()), kLeft, kViewTop, kViewWidth, kViewHeight);
    view_->setObjectName(QStringLiteral("disegno"));
    view_->setAccessibleName(QStringLiteral("pianta del piano"));
    view_->setAccessibleDescription(
        QStringLiteral("i setti del piano in scala: fermare il mouse su un setto per le verifiche non superate, "
                       "cliccare per visualizzarlo nella finestra 'Verifica sismica'"));
    view_->setWallClicked([this](int wall) { wallClicked(wall); });

    selector_ =
        place(new SelectorScrollBar(Qt::Vertical, form()), kSelectorLeft, kViewTop, kSelectorWidth, kViewHeight);
    selector_->setObjectName(QStringLiteral("VScroll1"));
    selector_->setAccessibleName(QStringLiteral("piano"));
    selector_->setToolTip(QStringLiteral("cliccare per visualizzare la pianta degli altri piani"));
    selector_->setRange(1, kMaxStoreys);
    selector_->setPageStep(1);
    connect(selector_, &QScrollBar::valueChanged, this, &PlanWindow::showStorey);

    const auto line = [this](const char* name, int row, const QString& tip) {
        QLabel* label = addCaption(QString(), tip, kLeft, kLineTop + row * kLineStep, kViewWidth, kLineHeight);
        label->setObjectName(QString::fromLatin1(name));
        return label;
    };
    legend_ = line("legenda", 0, QStringLiteral("i colori dei setti"));
    legend_->setTextFormat(Qt::RichText);
    centres_ =
        line("baricentri", 1, QStringLiteral("i baricentri del piano, come nella finestra 'Risultati dei piani'"));
    values_ = line("valori", 2, QStringLiteral("le dimensioni in pianta dell'edificio e i coefficienti di sicurezza"));
    withoutData_ = line("senzadati", 3, QStringLiteral("i setti che non possono essere disegnati"));
    setTextColour(withoutData_, kMarkRed);
    for (QLabel* label : {legend_, centres_, values_, withoutData_}) label->setAccessibleName(label->toolTip());

    addBottomButtons(kBottomButtonsTop);
    finishLayout();
    showStorey(1);
}

void PlanWindow::followWall(int storey, int wall) {
    highlightedWall_ = wall;
    // A storey above the top one (the general window lowered np) is not refused here: nobody moved this selector.
    setStoreySelector(std::min(storey, std::max(1, shell().project().storeyCount())));
}

void PlanWindow::refresh() { showStorey(selector_->value()); }

void PlanWindow::setStoreySelector(int storey) {
    const int position = std::clamp(storey, selector_->minimum(), selector_->maximum());
    if (position == selector_->value())
        showStorey(position);
    else
        selector_->setValue(position);
}

int PlanWindow::storeySelector() const { return selector_->value(); }

void PlanWindow::showStorey(int storey) {
    const ProjectData& project = shell().project();
    const int storeys = std::max(1, project.storeyCount());
    if (storey > storeys) {
        // Putting the selector back shows the top storey.
        selector_->setValue(storeys);
        selector_->refuseStep([this] {
            shell().platform().inform(this, app::kCheckTitle, qtText(kMessageNoMoreStoreys), MessageIcon::exclamation);
        });
        return;
    }
    StoreyPlan plan = readStoreyPlan(project, storey);
    std::map<int, QString> toolTips;
    for (const PlanWall& wall : plan.walls) toolTips.emplace(wall.number, qtText(wallDescription(project, wall)));
    storeyCaption_->setText(QStringLiteral("Piano n.%1 di %2").arg(storey).arg(project.storeyCount()));
    staleCaption_->setText(plan.resultsCurrent ? QString() : qtText(kResultsNotCurrent));
    legend_->setText(swatch(WallFill::xWall, kXWallsName) + QStringLiteral("&nbsp;&nbsp;&nbsp;") +
                     swatch(WallFill::yWall, kYWallsName) + QStringLiteral("&nbsp;&nbsp;&nbsp;") +
                     swatch(plan.resultsCurrent ? WallFill::failing : WallFill::failingStale, kFailingWallsName));
    centres_->setText(QStringLiteral("+ ") + QString::fromUtf8(kMassCentreName) + pointText(plan.massCentre) +
                      QStringLiteral("      \u00d7 ") + QString::fromUtf8(kStiffnessCentreName) +
                      pointText(plan.stiffnessCentre));
    values_->setText(qtText(planValuesLine(plan, localeNumber)));
    withoutData_->setText(qtText(wallsWithoutDataLine(plan)));
    view_->setPlan(std::move(plan), highlightedWall_, std::move(toolTips));
}

void PlanWindow::wallClicked(int wall) {
    links_.showStoreyAndWall(selector_->value(), wall);
    shell().showWorkWindow(WorkWindowId::sismica);
}

QString PlanWindow::storeyCaption() const { return storeyCaption_->text(); }

QString PlanWindow::staleCaption() const { return staleCaption_->text(); }

QString PlanWindow::wallsWithoutData() const { return withoutData_->text(); }

void PlanWindow::checkData() { checkEnteredData(links_, this); }

void PlanWindow::showWindowHelp() {
    shell().platform().inform(this, app::kHelpTitle, kHelpLines.join('\n'), MessageIcon::information);
}

void PlanWindow::printWindowData() { PrintCommands(links_).storeyPlan(*this, selector_->value()); }

} // namespace calvex
