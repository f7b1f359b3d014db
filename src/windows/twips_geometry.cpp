#include "twips_geometry.h"

#include <QWidget>
#include <cmath>

#include "platform/platform.h"

namespace calvex {

int twipsToPixels(const Platform& platform, int twips) {
    return static_cast<int>(std::lround(twips / platform.twipsPerPixel()));
}

QSize twipsToPixels(const Platform& platform, int width, int height) {
    return {twipsToPixels(platform, width), twipsToPixels(platform, height)};
}

void placeInTwips(const Platform& platform, QWidget* control, int left, int top, int width, int height) {
    control->setGeometry(twipsToPixels(platform, left), twipsToPixels(platform, top), twipsToPixels(platform, width),
                         twipsToPixels(platform, height));
}

} // namespace calvex
