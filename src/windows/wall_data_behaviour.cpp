// What the wall data window does: typing, moving between storeys and
// walls, the engine's runs and their display, and the window's commands.

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>

#include "model/numeric_text.h"
#include "rules/wall_entry.h"
#include "shell/app_texts.h"
#include "shell/shell.h"
#include "windows/general_data_window.h"
#include "windows/number_display.h"
#include "windows/results_window.h"
#include "windows/selector_scroll_bar.h"
#include "windows/wall_data_window.h"

namespace calvex {

namespace {

const QColor kRed(255, 0, 0);
const QColor kYellow(255, 255, 0);
const QColor kCyan(0, 255, 255);

const QStringList kHelpLines{
    QStringLiteral("- Aprire un file archiviato per prelevare i dati;"),
    QStringLiteral("- oppure digitare i dati in tutti i campi a sfondo bianco muovendosi con il tasto TAB;"),
    QStringLiteral("- passare ai piani successivi cliccando sulla barra di scorrimento verticale;"),
    QStringLiteral("- passare ai setti successivi cliccando sulla barra di scorrimento orizzontale;"),
    QStringLiteral("- cliccare sul tasto di copia (terzultimo della barra degli strumenti) per copiare tutti i dati nel "
                   "piano successivo;"),
    QStringLiteral("- visualizzare le verifiche dei setti utilizzando le barre di scorrimento dopo aver introdotto "
                   "tutti i dati;"),
    QStringLiteral("- controllare i risultati anche apportando eventuali modifiche ai dati;"),
    QStringLiteral("- archiviare i dati, eventualmente, in un file di tipo Calvex-dati...;"),
    QStringLiteral("- visualizzare i risultati dei piani cliccando sull'apposito tasto."),
};

const QString kNotCurrent = QStringLiteral("risultati non aggiornati");

// Sets a field's text without running its change handling.
void display(QLineEdit* field, const QString& text) {
    const QSignalBlocker blocker(field);
    field->setText(text);
}

} // namespace

void WallDataWindow::setColours(QWidget* widget, const QColor& background, const QColor& text) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Base, background);
    palette.setColor(QPalette::Window, background);
    palette.setColor(QPalette::Button, background);
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::WindowText, text);
    widget->setPalette(palette);
}

// Yellow while the results follow every change, red while they do not. A
// style sheet, because widget styles shade a button's palette colour.
void WallDataWindow::showLiveState() {
    const QColor colour = live_ ? kYellow : kRed;
    liveButton_->setStyleSheet(
        QStringLiteral("QPushButton { background-color: %1; color: black; border: 1px solid black; }"
                       "QPushButton:pressed { border-width: 2px; }")
            .arg(colour.name()));
}

void WallDataWindow::resetFieldColours() {
    for (QLineEdit* field : fields_) field->setPalette(QPalette());
}

void WallDataWindow::resetResultColours() {
    for (QLabel* field : results_) setColours(field, kCyan, Qt::black);
}

void WallDataWindow::markRed(int field) { setColours(fields_[field], kRed, Qt::black); }

void WallDataWindow::showMessage(const QString& text, MessageIcon icon) {
    shell().platform().inform(this, app::kCheckTitle, text, icon);
}

void WallDataWindow::fieldChanged(int field, const QString& text) {
    resetFieldColours();
    const EntryRuleOutcome rule = applyFirstCharacterRule(text.toStdString());
    if (rule.replacement) {
        // The replacement is a change of its own, handled in full.
        fields_[field]->setText(QString::fromStdString(*rule.replacement));
        showMessage(QString::fromStdString(*rule.message), MessageIcon::critical);
        if (rule.turnRed) markRed(field);
        return;
    }
    ProjectData& project = shell().project();
    const int storey = project.currentFloor, wall = project.currentWall;
    project.setWall(storey, wall, static_cast<WallField>(field), FieldValue::text(text.toStdString()));
    if (field == static_cast<int>(WallField::dimy) && breaksDirectionRule(project, storey, wall)) {
        showMessage(QString::fromUtf8(kMessageXWallsFirst.data(), kMessageXWallsFirst.size()), MessageIcon::critical);
        project.setWall(storey, wall, WallField::dimy, FieldValue::text(""));
        display(fields_[field], QString());
        return;
    }
    recompute();
}

void WallDataWindow::copyFromPreviousWall(int field) {
    const ProjectData& project = shell().project();
    const QString text = QString::fromStdString(
        project.wall(project.currentFloor, project.currentWall - 1, static_cast<WallField>(field)).fieldText());
    display(fields_[field], text);
    fieldChanged(field, text);
}

void WallDataWindow::showStorey(int storey) {
    if (storeyScroll_->value() == storey) storeyScrolled(storey);
    else storeyScroll_->setValue(storey);
}

void WallDataWindow::showWall(int wall) {
    if (wallScroll_->value() == wall) wallScrolled(wall);
    else wallScroll_->setValue(wall);
}

void WallDataWindow::showStoreyAndWall(int storey, int wall) {
    {
        const QSignalBlocker blocker(storeyScroll_);
        storeyScroll_->setValue(storey);
    }
    showWall(wall);
}

void WallDataWindow::storeyScrolled(int value) {
    ProjectData& project = shell().project();
    const int storeys = project.storeyCount();
    if (storeys == 0) {
        const QSignalBlocker blocker(storeyScroll_);
        storeyScroll_->setValue(1);
        return;
    }
    if (value > storeys) {
        showStorey(storeys);
        storeyScroll_->refuseStep(
            [this] { showMessage(QStringLiteral("Non vi sono altri piani."), MessageIcon::exclamation); });
        return;
    }
    project.currentFloor = value;
    showCurrentValues();
}

void WallDataWindow::wallScrolled(int value) {
    ProjectData& project = shell().project();
    const int walls = project.wallCount();
    if (walls == 0) {
        const QSignalBlocker blocker(wallScroll_);
        wallScroll_->setValue(1);
        return;
    }
    if (value > walls) {
        showWall(walls);
        wallScroll_->refuseStep(
            [this] { showMessage(QStringLiteral("Non vi sono altri setti."), MessageIcon::exclamation); });
        return;
    }
    project.currentWall = value;
    project.currentFloor = storeyScroll_->value();
    showCurrentValues();
}

void WallDataWindow::showCurrentValues() {
    const ProjectData& project = shell().project();
    storeyLabel_->setText(QStringLiteral("piano n. %1").arg(project.currentFloor));
    wallLabel_->setText(QStringLiteral("setto n. %1").arg(project.currentWall));
    for (int f = 0; f < kWallFieldCount; ++f)
        display(fields_[f], QString::fromStdString(
                                project.wall(project.currentFloor, project.currentWall, static_cast<WallField>(f))
                                    .fieldText()));
    // New texts in the fields: earlier red marks belong to other values.
    resetFieldColours();
    progress_->setValue(3);
    progress_->show();
    recompute();
    progress_->hide();
}

RunOutcome WallDataWindow::run(bool live) {
    ProjectData& project = shell().project();
    bool filled = true;
    for (const QLabel* field : results_) filled = filled && !field->text().isEmpty();
    const RunOutcome outcome =
        runEngine(project, RunContext{live, project.currentFloor, project.currentWall, filled});
    if (outcome.complete) {
        shell().resultsWindow().publishRun();
        progress_->setValue(std::min(100, progress_->value() + project.storeyCount() + 1));
        refreshResults();
    } else {
        shell().resultsWindow().refreshCurrency();
    }
    if (!project.resultsCurrent()) verdict_->setText(kNotCurrent);
    return outcome;
}

void WallDataWindow::refreshResults() {
    const ProjectData& project = shell().project();
    const int s = project.currentFloor, w = project.currentWall;
    const WallResult& r = project.wallResult(s, w);
    const bool xWall = w <= project.general(GeneralField::numsetx).typedNumber();
    const std::array<const ResultValue*, 14> shown{&r.selfWeightShare, &r.slabLoad, &r.normalForce, &r.baseStress,
                                                   &r.stiffnessX, &r.stiffnessY, &r.armX, &r.armY, nullptr,
                                                   xWall ? &r.storeyShareX : &r.storeyShareY,
                                                   xWall ? &r.horizontalForceX : &r.horizontalForceY,
                                                   xWall ? &r.ultimateShearX : &r.ultimateShearY, &r.maxStress,
                                                   &r.torsionForce};
    for (int i = 0; i < 14; ++i)
        results_[i]->setText(shown[i] ? displayResult(*shown[i]) : (xWall ? QStringLiteral("X") : QStringLiteral("Y")));
    resetResultColours();
    if (r.maxStress.number() > project.wallNumber(s, w, WallField::sigma)) setColours(results_[12], kRed, kYellow);
    if (r.ultimateShearY.number() < r.horizontalForceY.number() ||
        r.ultimateShearX.number() < r.horizontalForceX.number())
        setColours(results_[11], kRed, kYellow);
    verdict_->setText(QString::fromStdString(r.verdict.str()));
}

void WallDataWindow::toggleLiveCalculation() {
    live_ = !live_;
    showLiveState();
    if (live_) showWall(1);
    else if (!shell().project().resultsCurrent()) verdict_->setText(kNotCurrent);
}

bool WallDataWindow::validate(CheckMode mode) {
    if (!shell().generalWindow().validate(CheckMode::silent)) {
        shell().showWorkWindow(WorkWindowId::dati);
        return false;
    }
    ProjectData& project = shell().project();
    if (const auto failure = checkWallData(project)) {
        showMessage(QString::fromStdString(failure->message), MessageIcon::critical);
        showStoreyAndWall(failure->storey, failure->wall);
        for (WallField field : failure->fields) markRed(static_cast<int>(field));
        return false;
    }
    if (mode == CheckMode::silent) return true;
    const MessageRequest question{app::kCheckTitle, QString::fromStdString(absentWallsQuestion(project)),
                                  MessageIcon::question, MessageButtons::yesNo, MessageAnswer::yes};
    if (shell().platform().showMessage(this, question) == MessageAnswer::yes)
        showMessage(QStringLiteral("I dati sono stati immessi correttamente."), MessageIcon::information);
    else
        shell().showWorkWindow(WorkWindowId::sismica);
    return true;
}

void WallDataWindow::copyToNextStorey() {
    ProjectData& project = shell().project();
    if (project.general(GeneralField::np).typedNumber() == project.currentFloor) {
        showMessage(QStringLiteral("Non esistono altri piani."), MessageIcon::critical);
        return;
    }
    const int from = project.currentFloor;
    showStorey(from + 1);
    if (project.currentFloor != from + 1) return;
    project.copyStoreyWalls(from, from + 1);
    showCurrentValues();
    recompute();
}

void WallDataWindow::clearWindow() {
    for (QLineEdit* field : fields_) display(field, QString());
    for (QLabel* field : results_) field->clear();
    resetFieldColours();
    verdict_->clear();
    shell().project().resetWalls();
    shell().resultsWindow().clearResults();
}

void WallDataWindow::orderWalls() {
    const WallCounts counts = orderWallsByDirection(shell().project());
    GeneralDataWindow& general = shell().generalWindow();
    general.enterCount(GeneralField::numsetx, QString::number(counts.xWalls));
    general.enterCount(GeneralField::numsety, QString::number(counts.yWalls));
    wallScrolled(wallScroll_->value());
}

bool WallDataWindow::beforeResults() {
    if (!validate(CheckMode::silent)) return false;
    shell().resultsWindow().setStoreySelector(0);
    return true;
}

void WallDataWindow::showWindowHelp() {
    shell().platform().inform(this, app::kHelpTitle, kHelpLines.join('\n'), MessageIcon::information);
}

} // namespace calvex
