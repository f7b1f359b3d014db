#pragma once
// What a work window asks of the other work windows, as operations: the
// shell implements them on the window concerned, creating it (hidden) when
// it does not exist yet. A window reaches another only through here.

#include "ui/window_host.h"

namespace calvex {

struct GeneralFieldTexts;
struct RunOutcome;

class WindowLinks : public WindowHost {
public:
    // The general window: its silent check, its check of the values a run
    // reads (which shows the storey at fault), the field texts as typed, the
    // wall counts entered as if typed.
    virtual bool generalDataValid() = 0;
    virtual bool generalValuesUsable() = 0;
    virtual const GeneralFieldTexts& generalFieldTexts() = 0;
    virtual void enterWallCounts(int xWalls, int yWalls) = 0;

    // The wall window: its silent check, a run of the calculation now, and
    // the storey and wall it shows.
    virtual bool wallDataValid() = 0;
    virtual RunOutcome computeWallResults() = 0;
    virtual void showStoreyAndWall(int storey, int wall) = 0;

    // The results window: a complete run to show, results no longer
    // current, results cleared, the storey its selector stands on.
    virtual void publishRun() = 0;
    virtual void refreshResultsCurrency() = 0;
    virtual void clearResults() = 0;
    virtual void setResultsStorey(int storey) = 0;

    // The plan window, when it is open: the wall window shows that storey
    // and wall after a run, or its results were cleared.
    virtual void followWallInPlan(int storey, int wall) = 0;

    // The wall-check map, made anew (hidden) on that storey and wall.
    virtual void makeFreshWallCheck(int storey, int wall) = 0;

    // Before an archive is read: the general and wall windows emptied, the
    // wall window made anew first when `freshWallWindow`.
    virtual void clearDataWindows(bool freshWallWindow) = 0;
    // After an archive was read: the general window and the title page (if
    // open) show the project, the general window on storey 1.
    virtual void showReadProject() = 0;

protected:
    ~WindowLinks() = default;
};

} // namespace calvex
