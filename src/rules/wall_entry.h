#pragma once
// The rules of the wall data window that need no window: the direction
// rule, the check of the wall data and the ordering of the walls.

#include <optional>
#include <string>
#include <vector>

#include "model/project_data.h"
#include "rules/general_entry.h"

namespace calvex {

inline constexpr std::string_view kMessageXWallsFirst = "Bisogna digitare prima i setti in direzione X.";

// A wall of the X list (1 to numsetx) whose Y length exceeds its X length.
bool breaksDirectionRule(const ProjectData& project, int storey, int wall);

struct WallCheckFailure {
    std::string message;
    int storey = 0;
    int wall = 0;
    std::vector<WallField> fields; // to colour red
};

// The first problem of the wall data, or nothing when they pass.
std::optional<WallCheckFailure> checkWallData(const ProjectData& project);

// "I seguenti setti risultano inesistenti: è corretto?" with the list of
// the walls whose X length reads 0, storey by storey.
std::string absentWallsQuestion(const ProjectData& project);

struct WallCounts {
    int xWalls = 0;
    int yWalls = 0;
};

// Puts the walls that run in X (longer in X on storey 1) before the others
// on every storey, each group keeping its order; returns the new counts.
WallCounts orderWallsByDirection(ProjectData& project);

} // namespace calvex
