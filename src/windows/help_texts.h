#pragma once
// The title and the text of every help page, as the program shows them.

#include <QString>

#include "ui/window_ids.h"

namespace calvex {

struct HelpText {
    QString title;
    QString text;
};

HelpText helpText(HelpPage page);

} // namespace calvex
