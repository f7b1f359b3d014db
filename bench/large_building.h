#pragma once
// A building at the size limits of the program, filled in the way a user
// types it, for measuring the archive and the engine on realistic data.

#include <memory>

#include "model/project_data.h"

namespace calvex {

// Half the walls run in direction X, half in direction Y, spread over a
// 30 x 12 m plan; the same values come out on every call.
std::unique_ptr<ProjectData> makeLargeBuilding(int storeys = 20, int walls = 100);

} // namespace calvex
