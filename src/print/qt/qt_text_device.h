#pragma once

#include "print/device/text_device.h"

#include <QFont>
#include <QPainter>

class QPagedPaintDevice;
class QPdfWriter;

namespace calvex::qt {

// A text device drawing on a printer or a PDF writer, on the paper size the
// device has. The page box is scaled to the width of the sheet less a small
// margin on each side and centred on it, so one unit of the painter is one
// twip of the box. "Courier New" resolves to a fixed-pitch font and "Roman"
// to a serif font when the system lacks them.
class QtTextDevice : public TextDevice {
public:
    // Starts painting; a QGuiApplication must exist.
    explicit QtTextDevice(QPagedPaintDevice& device);
    ~QtTextDevice() override;
    QtTextDevice(const QtTextDevice&) = delete;
    QtTextDevice& operator=(const QtTextDevice&) = delete;

    // False when the device refused to start painting or the document ended.
    bool isActive() const { return painter_.isActive(); }
    // True once the document has ended with every sheet started and the
    // device's own ending reported success: only then is its output whole.
    bool documentComplete() const { return complete_; }
    // Sheet units (device pixels) per twip of the page box.
    double scale() const { return scale_; }

    int characterWidth() const override;
    int textWidth(std::string_view text) const override;
    int pageHeight() const override { return pageBoxHeight; }

protected:
    void fontChanged() override;
    void drawText(int x, int y, std::string_view text) override;
    void drawStraightLine(int x1, int y1, int x2, int y2, int widthTwips) override;
    void drawFilledRectangle(int x, int y, int width, int height, unsigned fillRgb, int outlineTwips) override;
    // A landscape page box is drawn turned a quarter to the left on the
    // sheet, its top along the sheet's left edge, as a printer prints it.
    void orientationChanged() override {
        if (painter_.isActive()) placePageBox();
    }
    void pageEnded() override;
    void documentEnded() override;

private:
    void placePageBox();
    bool readyToDraw();

    QPagedPaintDevice& device_;
    QPainter painter_;
    QFont font_;
    bool fixedPitch_ = false; // of the font resolved for font_
    double scale_ = 1;
    bool sheetPending_ = false;
    bool complete_ = false;
};

// An A4 sheet without margins of its own, at 1440 dots per inch: one dot a
// twip of the sheet.
void setUpA4Pdf(QPdfWriter& pdf);

} // namespace calvex::qt
