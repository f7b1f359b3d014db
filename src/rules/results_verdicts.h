#pragma once
// The rules of the results window: its two verdict texts and when it
// opens the wall-check map.

#include <optional>
#include <string>
#include <string_view>

#include "model/project_data.h"
#include "rules/window_message.h"

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

struct WallCheckRefusal {
    WindowMessage message;
    bool backToWalls = false; // the wall window comes up after the message
};

// The map opens only with results shown (`resultsShown`) of a building not
// shown as verified (`shownVerified`).
std::optional<WallCheckRefusal> refuseWallCheck(const ProjectData& project, bool resultsShown, bool shownVerified);

} // namespace calvex
