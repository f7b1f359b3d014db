#pragma once
// The rules of the wall-check map, kept apart from its widgets: the
// caption of the wall shown and whether the wall must change.

#include <string>

#include "model/project_data.h"

namespace calvex {

// "Setto n. 3 (direzione X)": walls after the X list run in Y.
std::string wallCheckCaption(const ProjectData& project, int wall);

// A wall fails a check (shear, stress or section) on some storey in use.
bool wallNeedsChange(const ProjectData& project, int wall);

} // namespace calvex
