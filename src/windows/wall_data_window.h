#pragma once
// Work window 2: the ten values of every wall, storey by storey and wall
// by wall, with the verification of the wall shown recomputed at every
// accepted change.

#include <array>

#include "engine/engine.h"
#include "rules/wall_entry.h"
#include "ui/work_window.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QProgressBar;

namespace calvex {

class WindowLinks;

class SelectorScrollBar;

class WallDataWindow : public WorkWindow {
public:
    explicit WallDataWindow(WindowLinks& links);

    // The wall check; the failure message is shown in both modes.
    bool validate(CheckMode mode);
    // Selects and shows a storey and a wall (and recomputes).
    void showStoreyAndWall(int storey, int wall);
    void showStorey(int storey);
    void showWall(int wall);
    // Runs the engine as the window does after every accepted change.
    RunOutcome recompute() { return run(live_); }
    // Runs it even with the live calculation off (before a printout).
    RunOutcome computeNow() { return run(true); }

    // The storey and wall the selectors stand on.
    int shownStorey() const;
    int shownWall() const;

    bool liveCalculation() const { return live_; }
    void toggleLiveCalculation();
    // Wall ordering: the X walls first ("Ordi&na").
    void orderWalls();
    // "&Pianta": the plan window, on this window's storey and wall.
    void showPlan();

    QString resultField(int field) const; // 1 to 14
    QString verdictText() const;

    void checkData() override { validate(CheckMode::interactive); }
    void copyToNextStorey() override;
    void clearWindow() override;
    void showWindowHelp() override;
    void showOpenedArchive() override { showStoreyAndWall(1, 1); }
    void printTemplate() override;
    void printWindowData() override;

protected:
    bool beforeResults() override;

private:
    WindowLinks& links_;
    void buildEntryFields();
    void buildResultFields();
    void fieldChanged(int field, const QString& text);
    void copyFromPreviousWall(int field);
    void storeyScrolled(int value);
    void wallScrolled(int value);
    void showCurrentValues();
    RunOutcome run(bool live);
    void refreshResults();
    void resetFieldColours();
    void resetResultColours();
    void setColours(QWidget* widget, const QColor& background, const QColor& text);
    void showLiveState();
    void showMessage(const QString& text, MessageIcon icon);
    void showMessage(const WindowMessage& message);
    bool applySelection(SelectorScrollBar* selector, const SelectorOutcome& outcome, void (WallDataWindow::*show)(int));
    void markRed(int field);

    std::array<QLineEdit*, kWallFieldCount> fields_{};
    std::array<QLabel*, 14> results_{};
    QLabel* storeyLabel_ = nullptr;
    QLabel* wallLabel_ = nullptr;
    QLabel* verdict_ = nullptr;
    QPushButton* liveButton_ = nullptr;
    SelectorScrollBar* storeyScroll_ = nullptr;
    SelectorScrollBar* wallScroll_ = nullptr;
    QProgressBar* progress_ = nullptr;
    bool live_ = true;
    bool showing_ = false;
};

} // namespace calvex
