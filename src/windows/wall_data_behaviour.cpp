// What the wall data window does with its widgets: it applies the
// outcomes of the wall rules (typing, moving between storeys and walls,
// the check, the copy and the ordering), runs the engine and shows its
// results.

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>

#include "rules/wall_entry.h"
#include "rules/window_message.h"
#include "ui/app_texts.h"
#include "windows/number_display.h"
#include "windows/rule_texts.h"
#include "windows/selector_scroll_bar.h"
#include "windows/wall_data_window.h"
#include "windows/window_links.h"

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
    QStringLiteral(
        "- cliccare sul tasto di copia (terzultimo della barra degli strumenti) per copiare tutti i dati nel "
        "piano successivo;"),
    QStringLiteral("- visualizzare le verifiche dei setti utilizzando le barre di scorrimento dopo aver introdotto "
                   "tutti i dati;"),
    QStringLiteral("- controllare i risultati anche apportando eventuali modifiche ai dati;"),
    QStringLiteral("- archiviare i dati, eventualmente, in un file di tipo Calvex-dati...;"),
    QStringLiteral("- visualizzare la pianta del piano, con il setto in evidenza, cliccando sul tasto 'Pianta';"),
    QStringLiteral("- visualizzare i risultati dei piani cliccando sull'apposito tasto."),
};

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

void WallDataWindow::showMessage(const WindowMessage& message) { showMessage(qtText(message.text), message.icon); }

void WallDataWindow::fieldChanged(int field, const QString& text) {
    resetFieldColours();
    const WallFieldOutcome outcome = applyWallFieldChange(shell().project(), static_cast<WallField>(field), utf8(text));
    // The replacement is a change of its own, handled in full.
    if (outcome.replacement) fields_[field]->setText(qtText(*outcome.replacement));
    if (outcome.message) showMessage(*outcome.message);
    if (outcome.markRed) markRed(field);
    if (outcome.emptied) display(fields_[field], QString());
    if (outcome.recompute) recompute();
}

void WallDataWindow::copyFromPreviousWall(int field) {
    const QString text = qtText(previousWallText(shell().project(), static_cast<WallField>(field)));
    display(fields_[field], text);
    fieldChanged(field, text);
}

void WallDataWindow::showStorey(int storey) {
    if (storeyScroll_->value() == storey)
        storeyScrolled(storey);
    else
        storeyScroll_->setValue(storey);
}

void WallDataWindow::showWall(int wall) {
    if (wallScroll_->value() == wall)
        wallScrolled(wall);
    else
        wallScroll_->setValue(wall);
}

void WallDataWindow::showStoreyAndWall(int storey, int wall) {
    {
        const QSignalBlocker blocker(storeyScroll_);
        storeyScroll_->setValue(storey);
    }
    showWall(wall);
}

// Applies a selector's outcome; true when the move was accepted.
bool WallDataWindow::applySelection(SelectorScrollBar* selector, const SelectorOutcome& outcome,
                                    void (WallDataWindow::*show)(int)) {
    switch (outcome.step) {
        case SelectorStep::accepted:
            return true;
        case SelectorStep::ignored:
            return false;
        case SelectorStep::reset: {
            const QSignalBlocker blocker(selector);
            selector->setValue(outcome.position);
            return false;
        }
        case SelectorStep::refused:
            (this->*show)(outcome.position);
            selector->refuseStep([this, message = *outcome.message] { showMessage(message); });
            return false;
    }
    return false;
}

void WallDataWindow::storeyScrolled(int value) {
    if (applySelection(storeyScroll_, selectWallStorey(shell().project(), value), &WallDataWindow::showStorey))
        showCurrentValues();
}

void WallDataWindow::wallScrolled(int value) {
    if (applySelection(wallScroll_, selectWall(shell().project(), value, storeyScroll_->value()),
                       &WallDataWindow::showWall))
        showCurrentValues();
}

void WallDataWindow::showCurrentValues() {
    const ProjectData& project = shell().project();
    storeyLabel_->setText(QStringLiteral("piano n. %1").arg(project.currentFloor));
    wallLabel_->setText(QStringLiteral("setto n. %1").arg(project.currentWall));
    for (int f = 0; f < kWallFieldCount; ++f)
        display(fields_[f],
                QString::fromStdString(
                    project.wall(project.currentFloor, project.currentWall, static_cast<WallField>(f)).fieldText()));
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
    const RunOutcome outcome = runEngine(project, RunContext{live, project.currentFloor, project.currentWall, filled});
    if (outcome.complete) {
        links_.publishRun();
        progress_->setValue(std::min(100, progress_->value() + project.storeyCount() + 1));
        refreshResults();
    } else {
        links_.refreshResultsCurrency();
    }
    if (!project.resultsCurrent()) verdict_->setText(qtText(kResultsNotCurrent));
    links_.followWallInPlan(shownStorey(), shownWall());
    return outcome;
}

void WallDataWindow::refreshResults() {
    const ProjectData& project = shell().project();
    const WallResultsView view = wallResultsView(project, project.currentFloor, project.currentWall);
    for (int i = 0; i < 14; ++i)
        results_[i]->setText(view.values[i] ? displayResult(*view.values[i]) : qtText(view.direction));
    resetResultColours();
    if (view.stressTooHigh) setColours(results_[12], kRed, kYellow);
    if (view.shearTooLow) setColours(results_[11], kRed, kYellow);
    verdict_->setText(qtText(view.verdict));
}

void WallDataWindow::toggleLiveCalculation() {
    live_ = !live_;
    showLiveState();
    if (live_)
        showWall(1);
    else if (!shell().project().resultsCurrent())
        verdict_->setText(qtText(kResultsNotCurrent));
}

bool WallDataWindow::validate(CheckMode mode) {
    if (!links_.generalDataValid() || !links_.generalValuesUsable()) {
        shell().showWorkWindow(WorkWindowId::dati);
        return false;
    }
    const WallWindowCheck check = checkWallWindow(shell().project(), mode);
    if (const auto& failure = check.failure) {
        showMessage(qtText(failure->message), MessageIcon::critical);
        showStoreyAndWall(failure->storey, failure->wall);
        for (WallField field : failure->fields) markRed(static_cast<int>(field));
        return false;
    }
    if (!check.question) return true;
    const MessageRequest question{app::kCheckTitle, qtText(*check.question), MessageIcon::question,
                                  MessageButtons::yesNo, MessageAnswer::yes};
    if (const auto answer = absentWallsAnswer(shell().platform().showMessage(this, question) == MessageAnswer::yes))
        showMessage(*answer);
    else
        shell().showWorkWindow(WorkWindowId::sismica);
    return true;
}

void WallDataWindow::copyToNextStorey() {
    const StoreyCopy copy = planStoreyCopy(shell().project());
    if (copy.message) {
        showMessage(*copy.message);
        return;
    }
    showStorey(copy.to);
    if (!copyStorey(shell().project(), copy)) return;
    showCurrentValues();
    recompute();
}

void WallDataWindow::clearWindow() {
    for (QLineEdit* field : fields_) display(field, QString());
    for (QLabel* field : results_) field->clear();
    resetFieldColours();
    verdict_->clear();
    shell().project().resetWalls();
    links_.clearResults();
}

void WallDataWindow::orderWalls() {
    const WallCounts counts = orderWallsByDirection(shell().project());
    links_.enterWallCounts(counts.xWalls, counts.yWalls);
    wallScrolled(wallScroll_->value());
}

bool WallDataWindow::beforeResults() {
    if (!validate(CheckMode::silent)) return false;
    links_.setResultsStorey(0);
    return true;
}

void WallDataWindow::showWindowHelp() {
    shell().platform().inform(this, app::kHelpTitle, kHelpLines.join('\n'), MessageIcon::information);
}

} // namespace calvex
