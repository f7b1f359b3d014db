#pragma once

#include <QString>

namespace calvex {

// The name a control is known by to assistive technology: its caption
// without the dot leaders and the closing dots or colon.
QString accessibleCaption(const QString& caption);

} // namespace calvex
