#pragma once
// The two verdict texts of the results window.

#include <string>
#include <string_view>

#include "model/project_data.h"

namespace calvex {

inline constexpr std::string_view kBuildingNotYetChecked = "verifica edificio";
inline constexpr std::string_view kBuildingVerified = "edificio verificato";
inline constexpr std::string_view kBuildingNotVerified = "edificio non verificato";

// "piano n. 3 verificato" when both coefficients, as the window shows
// them (read back as numbers), are at least 1; "piano n. 3 non verificato"
// otherwise.
std::string storeyVerdictText(int storey, double shownSafetyX, double shownSafetyY);
// Verified when no storey in use has a coefficient below 1 or never computed.
std::string_view buildingVerdictText(const ProjectData& project);

} // namespace calvex
