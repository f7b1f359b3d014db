#pragma once
// Work window 4: the map of the walls to modify, one wall at a time over
// ten storey rows, with advice on how to cure each kind of failure.

#include <array>

#include "ui/work_window.h"

class QLabel;

namespace calvex {

class WindowLinks;

class SelectorScrollBar;

class WallCheckWindow : public WorkWindow {
public:
    explicit WallCheckWindow(WindowLinks& links);

    // Puts both selectors without refreshing (as the results window does
    // before showWall).
    void setSelectors(int storey, int wall);
    void setStoreySelector(int storey); // moving it shows the storeys
    void setWallSelector(int wall);     // moving it shows the wall
    void showWall();

    QString rowText(int row, int column) const; // row 1 to 10; column 0 = storey number, 1 to 3 the checks
    QString wallCaption() const;
    QString wallMark() const; // "modificare", "corretto" or ""

    void checkData() override;
    void showWindowHelp() override;

    void printWindowData() override;

private:
    WindowLinks& links_;
    void buildHeader();
    void buildRows();
    void buildWallLine();
    void showStoreys();

    std::array<std::array<QLabel*, 4>, 10> rows_{};
    QLabel* wallCaption_ = nullptr;
    QLabel* wallMark_ = nullptr;
    SelectorScrollBar* storeySelector_ = nullptr;
    SelectorScrollBar* wallSelector_ = nullptr;
};

} // namespace calvex
