#pragma once
// The pictures of the toolbar buttons, drawn by the program from the glyph
// and colour of their command.

#include <QIcon>

#include "ui/commands.h"

namespace calvex {

QIcon commandIcon(Command command);

} // namespace calvex
