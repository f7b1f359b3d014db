#pragma once
// The pictures of the toolbar buttons, drawn by the program.

#include <QIcon>

#include "ui/commands.h"

namespace calvex {

QIcon commandIcon(Command command);

} // namespace calvex
