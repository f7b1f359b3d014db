#pragma once
// Keeps the layout of a window proportional to its size: the design
// geometry of every control is captured once, in twips, and each resize
// scales it by the ratio of the window's current inner size to the
// captured one. A control's "tag" property says which of its left, top,
// width and height follow the window ("@L,T" moves it only, "@" pins it;
// an empty tag or one not starting with "@" scales all four).

#include <QObject>
#include <QPointer>
#include <QRect>
#include <QSize>
#include <vector>

class QWidget;

namespace calvex {

class Platform;

class ClsResize : public QObject {
public:
    // `platform` gives the screen size and the size of a pixel in twips.
    explicit ClsResize(const Platform& platform, QObject* parent = nullptr);

    // Binds the object to its window. The drawing area is the widget whose
    // inner size is measured and whose direct child widgets are the
    // controls; by default the window itself. Resizes of the drawing area
    // rescale the controls from then on.
    void setSourceForm(QWidget* window, QWidget* drawingArea = nullptr);
    QWidget* sourceForm() const;

    // Sizes the window to `percent` of the screen and centres it, then
    // rescales its controls (capturing the design layout first if needed).
    void sizeFormToScreen(int percent);
    // Rescales every captured control to the drawing area's current size.
    void resizeControls();
    // Captures the layout again, after controls were added or moved.
    void reInitialise();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct ControlGeometry {
        QPointer<QWidget> control;
        QRect twips; // left, top, width, height as captured
    };

    void captureLayout();

    const Platform& platform_;
    QPointer<QWidget> window_;
    QPointer<QWidget> drawingArea_;
    QSize capturedTwips_;
    std::vector<ControlGeometry> controls_;
    bool needsCapture_ = true;
};

} // namespace calvex
