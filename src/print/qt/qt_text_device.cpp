#include "print/qt/qt_text_device.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPdfWriter>
#include <QPen>

#include <algorithm>
#include <cmath>

namespace calvex::qt {

namespace {

constexpr double twipsPerInch = 1440;
constexpr double twipsPerPoint = 20;
// Kept clear on every side of the sheet: most printers cannot print there.
constexpr double sheetMarginTwips = 240;

void addFontSubstitutions() {
    QFont::insertSubstitution("Courier New", "Liberation Mono");
    QFont::insertSubstitution("Roman", "Liberation Serif");
}

QString toQString(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

int rounded(double value) { return static_cast<int>(std::lround(value)); }

} // namespace

QtTextDevice::QtTextDevice(QPagedPaintDevice& device) : device_(device) {
    addFontSubstitutions();
    if (painter_.begin(&device_)) placePageBox();
    fontChanged();
}

void QtTextDevice::placePageBox() {
    // The painter starts at the top left of the paint rectangle; the box is
    // placed on the whole sheet, inside the margins and the paint rectangle.
    const int resolution = device_.logicalDpiX();
    const QPageLayout layout = device_.pageLayout();
    const QRectF sheet = layout.fullRectPixels(resolution);
    const QRectF paintable = layout.paintRectPixels(resolution);
    const double margin = sheetMarginTwips * resolution / twipsPerInch;
    const QRectF room = paintable.intersected(sheet.adjusted(margin, margin, -margin, -margin));
    scale_ = std::min(room.width() / pageBoxWidth, room.height() / pageBoxHeight);
    painter_.resetTransform();
    painter_.translate(room.center() - paintable.topLeft());
    if (landscape()) painter_.rotate(-90);
    painter_.scale(scale_, scale_);
    // The box's centre on the room's centre; a landscape box is the
    // portrait one turned, so the same scale fits it.
    if (landscape())
        painter_.translate(-pageBoxHeight / 2.0, -pageBoxWidth / 2.0);
    else
        painter_.translate(-pageBoxWidth / 2.0, -pageBoxHeight / 2.0);
}

QtTextDevice::~QtTextDevice() {
    if (painter_.isActive()) painter_.end();
}

void QtTextDevice::fontChanged() {
    font_ = QFont(QString::fromStdString(fontName()));
    font_.setStyleHint(fontName() == "Courier New" ? QFont::TypeWriter : QFont::Serif);
    // Pixels of the scaled painter are twips.
    font_.setPixelSize(std::max(1, rounded(fontSize() * twipsPerPoint)));
    fixedPitch_ = QFontInfo(font_).fixedPitch();
    if (painter_.isActive()) painter_.setFont(font_);
}

int QtTextDevice::characterWidth() const {
    return rounded(QFontMetricsF(font_, &device_).horizontalAdvance(QChar('0')));
}

int QtTextDevice::textWidth(std::string_view text) const {
    // In a fixed-pitch font a text is whole columns wide, so a jump to the
    // column after it stays on its line whatever the rounding of one width.
    if (fixedPitch_) return static_cast<int>(toQString(text).toUcs4().size()) * characterWidth();
    return rounded(QFontMetricsF(font_, &device_).horizontalAdvance(toQString(text)));
}

bool QtTextDevice::readyToDraw() {
    if (sheetPending_ && painter_.isActive()) {
        sheetPending_ = false;
        // A printer that cannot start the sheet stops the printout.
        if (!device_.newPage()) painter_.end();
    }
    return painter_.isActive();
}

void QtTextDevice::drawText(int x, int y, std::string_view text) {
    if (!readyToDraw()) return;
    // The font's ascent and descent share the line pitch in their proportion.
    const QFontMetricsF metrics(font_, &device_);
    const double baseline = lineHeight() * metrics.ascent() / (metrics.ascent() + metrics.descent());
    painter_.drawText(QPointF(x, y + baseline), toQString(text));
}

void QtTextDevice::drawStraightLine(int x1, int y1, int x2, int y2, int widthTwips) {
    if (!readyToDraw()) return;
    painter_.setPen(QPen(Qt::black, widthTwips));
    painter_.drawLine(x1, y1, x2, y2);
}

void QtTextDevice::drawFilledRectangle(int x, int y, int width, int height, unsigned fillRgb, int outlineTwips) {
    if (!readyToDraw()) return;
    painter_.setPen(outlineTwips > 0 ? QPen(Qt::black, outlineTwips) : QPen(Qt::NoPen));
    painter_.setBrush(QColor::fromRgb(fillRgb));
    painter_.drawRect(x, y, width, height);
    painter_.setBrush(Qt::NoBrush);
}

void QtTextDevice::pageEnded() {
    // The sheet is started when something is drawn on it, so a printout
    // that ends right after a page break leaves no blank sheet.
    sheetPending_ = true;
}

void QtTextDevice::documentEnded() { complete_ = painter_.isActive() && painter_.end(); }

void setUpA4Pdf(QPdfWriter& pdf) {
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    pdf.setResolution(static_cast<int>(twipsPerInch));
}

} // namespace calvex::qt
