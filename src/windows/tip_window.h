#pragma once
// The tip of the day: the tips of the tips file shown one at a time, with
// buttons to the next and the previous one. Closing only hides the window,
// which keeps its tips and the tip shown.

#include <QStringList>
#include <QWidget>

class QLabel;

namespace calvex {

class WindowHost;

class TipWindow : public QWidget {
public:
    explicit TipWindow(WindowHost& host);

    // The number of the tip shown, from 1; 0 before any was shown.
    int tipNumber() const { return tipNumber_; }
    // The text on display: the tip, or why there is none.
    QString tipText() const;

    void showNextTip();
    void showPreviousTip();

private:
    void showTip();

    QStringList tips_;
    int tipNumber_ = 0;
    QLabel* text_;
};

} // namespace calvex
