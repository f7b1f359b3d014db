#include "print/qt_text_device.h"

#include <QFontMetricsF>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPen>

#include <algorithm>
#include <cmath>

namespace calvex {

namespace {

constexpr double twipsPerInch = 1440;
constexpr double twipsPerPoint = 20;

void addFontSubstitutions()
{
    QFont::insertSubstitution("Courier New", "Liberation Mono");
    QFont::insertSubstitution("Roman", "Liberation Serif");
}

QString toQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

int rounded(double value)
{
    return static_cast<int>(std::lround(value));
}

}  // namespace

QtTextDevice::QtTextDevice(QPagedPaintDevice& device) : device_(device)
{
    addFontSubstitutions();
    device_.setPageSize(QPageSize(QPageSize::A4));
    if (painter_.begin(&device_))
        painter_.scale(device_.logicalDpiX() / twipsPerInch, device_.logicalDpiY() / twipsPerInch);
    fontChanged();
}

QtTextDevice::~QtTextDevice()
{
    if (painter_.isActive())
        painter_.end();
}

void QtTextDevice::fontChanged()
{
    font_ = QFont(QString::fromStdString(fontName()));
    font_.setStyleHint(fontName() == "Courier New" ? QFont::TypeWriter : QFont::Serif);
    // Pixels of the scaled painter are twips.
    font_.setPixelSize(std::max(1, rounded(fontSize() * twipsPerPoint)));
    if (painter_.isActive())
        painter_.setFont(font_);
}

int QtTextDevice::characterWidth() const
{
    return rounded(QFontMetricsF(font_, &device_).horizontalAdvance(QChar('0')));
}

int QtTextDevice::lineHeight() const
{
    return rounded(QFontMetricsF(font_, &device_).height());
}

int QtTextDevice::textWidth(std::string_view text) const
{
    return rounded(QFontMetricsF(font_, &device_).horizontalAdvance(toQString(text)));
}

int QtTextDevice::pageHeight() const
{
    return rounded(device_.height() * twipsPerInch / device_.logicalDpiY());
}

void QtTextDevice::drawText(int x, int y, std::string_view text)
{
    if (!painter_.isActive())
        return;
    const double ascent = QFontMetricsF(font_, &device_).ascent();
    painter_.drawText(QPointF(x, y + ascent), toQString(text));
}

void QtTextDevice::drawLine(int x1, int y1, int x2, int y2, int widthTwips)
{
    if (!painter_.isActive())
        return;
    painter_.setPen(QPen(Qt::black, widthTwips));
    painter_.drawLine(x1, y1, x2, y2);
}

void QtTextDevice::pageEnded()
{
    device_.newPage();
}

void QtTextDevice::documentEnded()
{
    if (painter_.isActive())
        painter_.end();
}

}  // namespace calvex
