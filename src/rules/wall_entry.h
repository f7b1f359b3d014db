#pragma once
// The rules of the wall data window, kept apart from its widgets: what a
// change of one of the ten wall fields does (first-character and direction
// rules), the 'C' copy, how far the two selectors go, the copy of a storey
// to the next, the check of the wall data with its absent-walls question,
// the ordering of the walls and what the results column shows.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "model/project_data.h"
#include "rules/general_entry.h"
#include "rules/selector_outcome.h"
#include "rules/window_message.h"

namespace calvex {

inline constexpr std::string_view kMessageXWallsFirst = "Bisogna digitare prima i setti in direzione X.";
inline constexpr const char* kMessageBelowOne =
    "Inserire i dati inferiori all'unit\u00e0 digitando prima lo zero e poi il punto.";
inline constexpr const char* kMessageNotNumeric = "Inserire valori numerici significativi.";

// Result of the first-character rule applied to a wall field's new text.
struct EntryRuleOutcome {
    bool accepted = true;                   // the text passes and is stored
    std::optional<std::string> replacement; // the field's text becomes this
    std::optional<std::string> message;     // critical-error message to show
    bool turnRed = false;                   // the field's background turns red
};

// A leading "." becomes "0." (which then passes and is stored); any other
// non-digit first character empties the field and turns it red.
EntryRuleOutcome applyFirstCharacterRule(std::string_view text);

// A wall of the X list (1 to numsetx) whose Y length exceeds its X length.
bool breaksDirectionRule(const ProjectData& project, int storey, int wall);

struct WallFieldOutcome {
    // The field's text becomes this, a change of its own to handle in full
    // before the message is shown.
    std::optional<std::string> replacement;
    std::optional<WindowMessage> message;
    bool markRed = false;   // the field turns red (after the message)
    bool emptied = false;   // the field is emptied without a change of its own
    bool recompute = false; // the value was stored: the engine runs
};

// A change of the text of one field of the wall shown (currentFloor,
// currentWall). A text the first-character rule replaces is not stored;
// a Y length breaking the direction rule is stored, then emptied.
WallFieldOutcome applyWallFieldChange(ProjectData& project, WallField field, const std::string& text);

// The text the 'C' button copies: the same field of the previous wall.
std::string previousWallText(const ProjectData& project, WallField field);

// The storey selector moved to `value`; accepted, currentFloor is value.
SelectorOutcome selectWallStorey(ProjectData& project, int value);
// The wall selector moved to `value` with the storey selector at `storey`;
// accepted, currentWall is value and currentFloor storey.
SelectorOutcome selectWall(ProjectData& project, int value, int storey);

// Copies the walls once the window stands on the target storey; false
// (nothing copied) when the move there was refused.
bool copyStorey(ProjectData& project, const StoreyCopy& copy);

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

struct WallWindowCheck {
    std::optional<WallCheckFailure> failure; // shown critical; the window moves there and marks the fields
    std::optional<std::string> question;     // asked (yes/no, yes preselected) when the check passed interactively
    bool passed() const { return !failure; }
};

// The wall window's check of its data, the general data having passed.
WallWindowCheck checkWallWindow(const ProjectData& project, CheckMode mode);
// The answer to the absent-walls question: yes confirms the data, no
// leaves the user in the wall window with nothing shown.
std::optional<WindowMessage> absentWallsAnswer(bool yes);

struct WallCounts {
    int xWalls = 0;
    int yWalls = 0;
};

// Puts the walls that run in X (longer in X on storey 1) before the others
// on every storey, each group keeping its order; returns the new counts.
WallCounts orderWallsByDirection(ProjectData& project);

// The fourteen results shown beside the wall: each a result of the wall,
// except the ninth, the direction of the forces ("X" or "Y").
struct WallResultsView {
    std::array<std::optional<ResultValue>, 14> values{};
    std::string_view direction;
    bool stressTooHigh = false; // the maximum stress (13th) turns red
    bool shearTooLow = false;   // the ultimate shear (12th) turns red
    std::string verdict;
};

WallResultsView wallResultsView(const ProjectData& project, int storey, int wall);

} // namespace calvex
