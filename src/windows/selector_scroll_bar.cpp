#include "windows/selector_scroll_bar.h"

#include <QMouseEvent>
#include <algorithm>
#include <utility>

namespace calvex {

SelectorScrollBar::SelectorScrollBar(Qt::Orientation orientation, QWidget* parent) : QScrollBar(orientation, parent) {}

void SelectorScrollBar::refuseStep(std::function<void()> message) {
    // A held arrow or page area keeps stepping on its timer, also while a
    // modal box is open.
    setRepeatAction(SliderNoAction);
    if (showing_ || pending_) return;
    pending_ = std::move(message);
    if (!held_) showPending();
}

void SelectorScrollBar::mousePressEvent(QMouseEvent* event) {
    held_ = true;
    QScrollBar::mousePressEvent(event);
}

void SelectorScrollBar::mouseReleaseEvent(QMouseEvent* event) {
    QScrollBar::mouseReleaseEvent(event);
    if (event->buttons() != Qt::NoButton) return;
    held_ = false;
    showPending();
}

void SelectorScrollBar::showPending() {
    if (!pending_) return;
    const std::function<void()> message = std::exchange(pending_, nullptr);
    showing_ = true;
    message();
    showing_ = false;
}

void SelectorScrollBar::moveTo(int position, const std::function<void()>& show) {
    const int clamped = std::clamp(position, minimum(), maximum());
    if (clamped == value())
        show();
    else
        setValue(clamped);
}

} // namespace calvex
