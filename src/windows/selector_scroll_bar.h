#pragma once
// The scroll bar that selects a storey or a wall. A step past the last one
// is refused by its window with a message; the bar makes one gesture give
// one message, whatever the input: it stops the auto-repeat of a held arrow
// or page click, and while the mouse is held on the bar the message waits
// for the button's release (a drag past the end refuses many values).

#include <QScrollBar>
#include <functional>

namespace calvex {

class SelectorScrollBar : public QScrollBar {
public:
    SelectorScrollBar(Qt::Orientation orientation, QWidget* parent);

    // Called by the window when the value reached is past the last storey
    // or wall; `message` shows the refusal. Further refusals before it has
    // been shown are the same gesture and show nothing.
    void refuseStep(std::function<void()> message);

    // Moves to the position, kept within the range; when the selector
    // already stands there, `show` runs as the move would have run it.
    void moveTo(int position, const std::function<void()>& show);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void showPending();

    std::function<void()> pending_;
    bool held_ = false;
    bool showing_ = false;
};

} // namespace calvex
