#pragma once
// Work window 6: the plan of one storey drawn to scale, following the wall
// window: its storey, the wall it shows (highlighted) and every run of the
// engine. A click on a wall shows that wall in the wall window. Read-only.

#include "ui/work_window.h"

class QLabel;

namespace calvex {

class PlanView;
class SelectorScrollBar;
class WindowLinks;

class PlanWindow : public WorkWindow {
public:
    explicit PlanWindow(WindowLinks& links);

    // The wall window shows this storey and wall (after each of its runs):
    // the plan goes to the storey and draws the project as it is now.
    void followWall(int storey, int wall);
    // Draws the storey shown again from the project.
    void refresh();

    // The storey selector (1 to 20); moving it shows that storey.
    void setStoreySelector(int storey);
    int storeySelector() const;

    PlanView& view() const { return *view_; }
    QString storeyCaption() const;
    QString staleCaption() const; // "" while the results are current
    QString wallsWithoutData() const;

    void checkData() override;
    void showWindowHelp() override;
    void printWindowData() override;

private:
    void showStorey(int storey);
    void wallClicked(int wall);

    WindowLinks& links_;
    PlanView* view_ = nullptr;
    SelectorScrollBar* selector_ = nullptr;
    QLabel* storeyCaption_ = nullptr;
    QLabel* staleCaption_ = nullptr;
    QLabel* legend_ = nullptr;
    QLabel* centres_ = nullptr;
    QLabel* values_ = nullptr;
    QLabel* withoutData_ = nullptr;
    int highlightedWall_ = 0;
};

} // namespace calvex
