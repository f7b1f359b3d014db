#include "windows/plan_view.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

#include "windows/number_display.h"

namespace calvex {

namespace {

// Room for the tick labels left of and below the drawing, in pixels.
constexpr int kLabelRoom = 44;
constexpr int kMargin = 8;
constexpr double kTickGap = 40;
constexpr double kTickLength = 4;
constexpr double kMarkerHalf = 6;
// Thin walls are easier to hit with a little room around them.
constexpr double kClickTolerance = 3;

const QColor kMassColour(0, 70, 170);
const QColor kStiffnessColour(0, 120, 60);

QRectF rectOf(const PlanBox& box) { return {box.left, box.top, box.width, box.height}; }

void drawMarkers(QPainter& painter, const PlanDrawing& drawing) {
    if (const auto& centre = drawing.massCentre) {
        painter.setPen(QPen(kMassColour, 2));
        painter.drawLine(QPointF(centre->x - kMarkerHalf, centre->y), QPointF(centre->x + kMarkerHalf, centre->y));
        painter.drawLine(QPointF(centre->x, centre->y - kMarkerHalf), QPointF(centre->x, centre->y + kMarkerHalf));
    }
    if (const auto& centre = drawing.stiffnessCentre) {
        painter.setPen(QPen(kStiffnessColour, 2));
        painter.drawLine(QPointF(centre->x - kMarkerHalf, centre->y - kMarkerHalf),
                         QPointF(centre->x + kMarkerHalf, centre->y + kMarkerHalf));
        painter.drawLine(QPointF(centre->x - kMarkerHalf, centre->y + kMarkerHalf),
                         QPointF(centre->x + kMarkerHalf, centre->y - kMarkerHalf));
    }
}

void drawAxes(QPainter& painter, const PlanDrawing& drawing) {
    const QRectF frame = rectOf(drawing.frame);
    painter.setPen(QPen(Qt::black, 1));
    painter.drawRect(frame);
    const QFontMetricsF metrics(painter.font());
    for (const PlanTick& tick : drawing.xTicks) {
        painter.drawLine(QPointF(tick.position, frame.bottom()), QPointF(tick.position, frame.bottom() + kTickLength));
        const QString label = displayNumber(tick.metres);
        painter.drawText(QPointF(tick.position - metrics.horizontalAdvance(label) / 2,
                                 frame.bottom() + kTickLength + metrics.ascent()),
                         label);
    }
    for (const PlanTick& tick : drawing.yTicks) {
        painter.drawLine(QPointF(frame.left() - kTickLength, tick.position), QPointF(frame.left(), tick.position));
        const QString label = displayNumber(tick.metres);
        painter.drawText(QPointF(frame.left() - kTickLength - 2 - metrics.horizontalAdvance(label),
                                 tick.position + metrics.ascent() / 2 - 1),
                         label);
    }
    painter.drawText(QPointF(frame.right() - metrics.horizontalAdvance(QStringLiteral("x [m]")),
                             frame.bottom() + kTickLength + 2 * metrics.height()),
                     QStringLiteral("x [m]"));
    painter.drawText(QPointF(kMargin, frame.top() - 4), QStringLiteral("y [m]"));
}

} // namespace

PlanView::PlanView(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    setPalette(palette);
}

void PlanView::setPlan(StoreyPlan plan, int highlightedWall, std::map<int, QString> toolTips) {
    plan_ = std::move(plan);
    highlighted_ = highlightedWall;
    toolTips_ = std::move(toolTips);
    update();
}

PlanDrawing PlanView::layout() const {
    const PlanBox area{kLabelRoom, kMargin + 12.0, width() - kLabelRoom - kMargin - 0.0,
                       height() - kLabelRoom - kMargin - 12.0};
    return drawStoreyPlan(plan_, area, highlighted_, kTickGap);
}

void PlanView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QFont small = font();
    small.setPointSizeF(std::max(6.0, font().pointSizeF() - 1));
    painter.setFont(small);
    const PlanDrawing drawing = layout();
    drawAxes(painter, drawing);
    for (const DrawnWall& wall : drawing.walls) {
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(QColor::fromRgb(wallFillRgb(wall.fill)));
        painter.drawRect(rectOf(wall.box));
    }
    painter.setBrush(Qt::NoBrush);
    painter.setPen(Qt::black);
    for (const DrawnWall& wall : drawing.walls)
        painter.drawText(QRectF(wall.centre.x - 20, wall.centre.y - 10, 40, 20), Qt::AlignCenter,
                         QString::number(wall.number));
    for (const DrawnWall& wall : drawing.walls) {
        if (!wall.highlighted) continue;
        painter.setPen(QPen(Qt::black, 3));
        painter.drawRect(rectOf(wall.box).adjusted(-3, -3, 3, 3));
    }
    drawMarkers(painter, drawing);
}

int PlanView::wallAtPixel(const QPoint& point) const { return wallAt(layout(), point.x(), point.y(), kClickTolerance); }

void PlanView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    if (const int wall = wallAtPixel(event->position().toPoint()); wall > 0 && wallClicked_) wallClicked_(wall);
}

bool PlanView::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip) return QWidget::event(event);
    auto* help = static_cast<QHelpEvent*>(event);
    const auto tip = toolTips_.find(wallAtPixel(help->pos()));
    if (tip == toolTips_.end())
        QToolTip::hideText();
    else
        QToolTip::showText(help->globalPos(), tip->second, this);
    return true;
}

} // namespace calvex
