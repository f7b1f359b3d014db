#pragma once
// The drawing of a storey's plan in the plan window: it lays the plan out
// on its own size whenever it paints, so it stays fitted as the window is
// resized. A wall's tooltip names it and its failed checks; a click on a
// wall is handed to the window.

#include <QString>
#include <QWidget>
#include <functional>
#include <map>

#include "rules/plan_geometry.h"

namespace calvex {

class PlanView : public QWidget {
public:
    explicit PlanView(QWidget* parent);

    // The plan to draw, the wall to highlight (0: none) and each drawn
    // wall's tooltip.
    void setPlan(StoreyPlan plan, int highlightedWall, std::map<int, QString> toolTips);
    void setWallClicked(std::function<void(int wall)> clicked) { wallClicked_ = std::move(clicked); }

    // The layout of the last paint's size, in pixels of the widget.
    PlanDrawing layout() const;
    const StoreyPlan& plan() const { return plan_; }
    int highlightedWall() const { return highlighted_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool event(QEvent* event) override;

private:
    int wallAtPixel(const QPoint& point) const;

    StoreyPlan plan_;
    int highlighted_ = 0;
    std::map<int, QString> toolTips_;
    std::function<void(int)> wallClicked_;
};

} // namespace calvex
