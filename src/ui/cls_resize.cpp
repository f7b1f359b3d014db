#include "ui/cls_resize.h"

#include <QEvent>
#include <QString>
#include <QVariant>
#include <QWidget>
#include <algorithm>
#include <cmath>

#include "platform/platform.h"

namespace calvex {

namespace {

// Which of left, top, width and height follow the window.
struct ScaledValues {
    bool left;
    bool top;
    bool width;
    bool height;
};

ScaledValues scaledValues(const QWidget& control) {
    QString tag = control.property("tag").toString().toUpper();
    if (!tag.startsWith(QLatin1Char('@'))) tag = QStringLiteral("@L,T,W,H");
    return {tag.contains(QLatin1Char('L')), tag.contains(QLatin1Char('T')), tag.contains(QLatin1Char('W')),
            tag.contains(QLatin1Char('H'))};
}

// The controls of a drawing area: its direct child widgets that are not
// windows of their own, in child order.
QList<QWidget*> controlsOf(const QWidget& drawingArea) {
    QList<QWidget*> controls = drawingArea.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    controls.removeIf([](const QWidget* control) { return control->isWindow(); });
    return controls;
}

int toTwips(int pixels, double twipsPerPixel) { return static_cast<int>(std::lround(pixels * twipsPerPixel)); }

int toPixels(double twips, double twipsPerPixel) { return static_cast<int>(std::lround(twips / twipsPerPixel)); }

} // namespace

ClsResize::ClsResize(const Platform& platform, QObject* parent) : QObject(parent), platform_(platform) {}

void ClsResize::setSourceForm(QWidget* window, QWidget* drawingArea) {
    if (drawingArea_) drawingArea_->removeEventFilter(this);
    window_ = window;
    drawingArea_ = drawingArea ? drawingArea : window;
    controls_.clear();
    capturedTwips_ = QSize();
    needsCapture_ = true;
    if (drawingArea_) drawingArea_->installEventFilter(this);
}

QWidget* ClsResize::sourceForm() const { return window_; }

void ClsResize::sizeFormToScreen(int percent) {
    if (!window_ || !drawingArea_) return;
    if (needsCapture_) captureLayout();

    const double share = std::clamp(percent, 0, 255) / 100.0;
    const QSize screen = platform_.screenSizeTwips();
    const double height = std::floor(share * screen.height());
    const double width = std::floor(share * screen.width());
    const double top = (screen.height() - height) * 0.5;
    const double left = (screen.width() - width) * 0.5;

    const double twipsPerPixel = platform_.twipsPerPixel();
    window_->move(toPixels(left, twipsPerPixel), toPixels(top, twipsPerPixel));
    window_->resize(toPixels(width, twipsPerPixel), toPixels(height, twipsPerPixel));
    resizeControls();
}

void ClsResize::resizeControls() {
    if (!window_ || !drawingArea_) return;
    if (controlsOf(*drawingArea_).isEmpty() || window_->isMinimized()) return;
    if (needsCapture_) {
        captureLayout();
        return;
    }
    if (capturedTwips_.width() <= 0 || capturedTwips_.height() <= 0) return;

    const double twipsPerPixel = platform_.twipsPerPixel();
    const double ratioY = toTwips(drawingArea_->height(), twipsPerPixel) / double(capturedTwips_.height());
    const double ratioX = toTwips(drawingArea_->width(), twipsPerPixel) / double(capturedTwips_.width());

    window_->setUpdatesEnabled(false);
    for (const ControlGeometry& entry : controls_) {
        QWidget* control = entry.control;
        if (!control) continue;
        const ScaledValues scaled = scaledValues(*control);
        QRect geometry = control->geometry();
        if (scaled.left) geometry.moveLeft(toPixels(entry.twips.left() * ratioX, twipsPerPixel));
        if (scaled.top) geometry.moveTop(toPixels(entry.twips.top() * ratioY, twipsPerPixel));
        if (scaled.width) geometry.setWidth(toPixels(entry.twips.width() * ratioX, twipsPerPixel));
        if (scaled.height) geometry.setHeight(toPixels(entry.twips.height() * ratioY, twipsPerPixel));
        control->setGeometry(geometry);
    }
    window_->setUpdatesEnabled(true);
}

void ClsResize::reInitialise() {
    if (drawingArea_) captureLayout();
}

bool ClsResize::eventFilter(QObject* watched, QEvent* event) {
    if (watched == drawingArea_ && event->type() == QEvent::Resize) resizeControls();
    return QObject::eventFilter(watched, event);
}

void ClsResize::captureLayout() {
    const double twipsPerPixel = platform_.twipsPerPixel();
    capturedTwips_ =
        QSize(toTwips(drawingArea_->width(), twipsPerPixel), toTwips(drawingArea_->height(), twipsPerPixel));
    controls_.clear();
    for (QWidget* control : controlsOf(*drawingArea_)) {
        const QRect pixels = control->geometry();
        controls_.push_back(
            {control, QRect(toTwips(pixels.x(), twipsPerPixel), toTwips(pixels.y(), twipsPerPixel),
                            toTwips(pixels.width(), twipsPerPixel), toTwips(pixels.height(), twipsPerPixel))});
    }
    needsCapture_ = false;
}

} // namespace calvex
