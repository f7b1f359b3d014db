#pragma once
// Work window 3: the results of the building and of one storey at a time,
// the storey and building verdicts and the three lists of failing walls.
// Read-only; the engine's runs publish into it.

#include <array>

#include "ui/work_window.h"

class QLabel;

namespace calvex {

class FailureListView;
class WindowLinks;
class SelectorScrollBar;

class ResultsWindow : public WorkWindow {
public:
    explicit ResultsWindow(WindowLinks& links);

    // End of a complete run: the seven general values and the three lists
    // take the project's results.
    void publishRun();
    // The wall window's clear: general values and lists empty, selector at 0.
    void clearResults();
    // Whether the results shown belong to the current data; when they do
    // not, the building verdict says so.
    void refreshCurrency();

    // The storey selector (0 to 20); moving it shows that storey.
    void setStoreySelector(int storey);
    int storeySelector() const;

    QString generalValue(int row) const; // rows 1 to 7
    QString storeyItem(int item) const;  // items 1 to 14
    QString storeyCaption() const;       // "Piano n. 2"
    QString storeyVerdict() const;       // "" while hidden
    QString buildingVerdict() const;
    QString failureList(int box) const; // boxes 1 to 3, the whole text

    void checkData() override;
    void showWindowHelp() override;
    // "S&ETTI DA MODIFICARE:": opens the wall-check map.
    void openWallCheck();

    void printWindowData() override;

private:
    WindowLinks& links_;
    void buildGeneralColumn();
    void buildStoreyColumn();
    void showStorey(int storey);

    std::array<QLabel*, 7> general_{};
    std::array<QLabel*, 14> items_{};
    std::array<FailureListView*, 3> lists_{};
    QLabel* storeyCaption_ = nullptr;
    QLabel* storeyVerdict_ = nullptr;
    QLabel* buildingVerdict_ = nullptr;
    SelectorScrollBar* selector_ = nullptr;
    // The building verdict as the last storey shown gave it, shown
    // whenever the results belong to the current data.
    QString buildingVerdictText_;
};

} // namespace calvex
