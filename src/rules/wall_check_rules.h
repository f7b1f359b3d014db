#pragma once
// The rules of the wall-check map, kept apart from its widgets: the
// caption of the wall shown and whether the wall must change.

#include <array>
#include <string>
#include <string_view>

#include "model/project_data.h"

namespace calvex {

// The three checks as the map heads its columns: shear, stress, section.
inline constexpr std::array<std::string_view, 3> kCheckCaptions{
    "forza ultima tagliante < forza orizz.agente", "sigma ammissibile < sigma di lavoro", "sezione parzializzata"};

// "Setto n. 3 (direzione X)": walls after the X list run in Y.
std::string wallCheckCaption(const ProjectData& project, int wall);

// A wall fails a check (shear, stress or section) on some storey in use.
bool wallNeedsChange(const ProjectData& project, int wall);

} // namespace calvex
