#pragma once

#include "print/text_device.h"

#include <QFont>
#include <QPainter>

class QPagedPaintDevice;

namespace calvex {

// A text device drawing on a printer or a PDF writer. The page is A4 and
// the painter is scaled so that one unit is one twip from the top left of
// the printable area. "Courier New" resolves to a fixed-pitch font and
// "Roman" to a serif font when the system lacks them.
class QtTextDevice : public TextDevice {
public:
    // Sets the page size and starts painting; a QGuiApplication must exist.
    explicit QtTextDevice(QPagedPaintDevice& device);
    ~QtTextDevice() override;
    QtTextDevice(const QtTextDevice&) = delete;
    QtTextDevice& operator=(const QtTextDevice&) = delete;

    // False when the device refused to start painting or the document ended.
    bool isActive() const { return painter_.isActive(); }

    int characterWidth() const override;
    int lineHeight() const override;
    int textWidth(std::string_view text) const override;
    int pageHeight() const override;
    void drawLine(int x1, int y1, int x2, int y2, int widthTwips) override;

protected:
    void fontChanged() override;
    void drawText(int x, int y, std::string_view text) override;
    void pageEnded() override;
    void documentEnded() override;

private:
    QPagedPaintDevice& device_;
    QPainter painter_;
    QFont font_;
};

}  // namespace calvex
