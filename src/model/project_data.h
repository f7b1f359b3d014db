#pragma once
// The one project record: general data, storey data, wall data, title page,
// the results of the verification and the run-time values.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "field_value.h"
#include "results.h"

namespace calvex {

enum class GeneralField { grado, strutt, riduz, protez, np, numsetx, numsety, wallCount };
enum class FloorField { specifico, permsolai, accsolai, permsbalzi, accsbalzi, hp };
enum class WallField { dimx, dimy, ascissa, ordinata, tirantiV, tirantiO, tauk, sigma, solai, sbalzi };
enum class TitleField { progetto, localita, committente, architettonico, direttore, luogo, data, allegati };

inline constexpr int kGeneralFieldCount = 8;
inline constexpr int kFloorFieldCount = 6;
inline constexpr int kWallFieldCount = 10;
inline constexpr int kTitleFieldCount = 8;

inline constexpr int kMaxStoreys = 20;
inline constexpr int kMaxWalls = 100;
// Storage rows 0 to 21: level 0 below storey 1, and the storey above the top one.
inline constexpr int kStoreyRows = kMaxStoreys + 2;
// Storage columns 0 to 100: wall 0 is the never-set wall before wall 1.
inline constexpr int kWallColumns = kMaxWalls + 1;

// A value for each wall of a storey, walls 0 to 100 side by side.
template <typename T>
using WallRow = std::array<T, kWallColumns>;
// The results of the walls of one storey, stored field by field: the
// engine's loops read and write a field of consecutive walls at once.
using WallResultRows = WallResultFields<WallRow>;

// The coefficients a project starts with (structure 4, reduction 0.33,
// protection 1) and the texts the general window shows for them when it
// opens.
struct StartCoefficient {
    GeneralField field;
    double number;
    bool whole; // stored as a whole number, as a project read from an archive would hold it
    std::string_view text;
};
inline constexpr std::array<StartCoefficient, 3> kStartCoefficients{{
    {GeneralField::strutt, 4, true, "4"},
    {GeneralField::riduz, 0.33, false, "0.33"},
    {GeneralField::protez, 1, true, "1.0"},
}};

// The text of a start coefficient, empty for the other fields.
constexpr std::string_view startText(GeneralField field) {
    for (const StartCoefficient& coefficient : kStartCoefficients)
        if (coefficient.field == field) return coefficient.text;
    return {};
}

inline constexpr std::array<std::string_view, kGeneralFieldCount> kGeneralFieldNames{
    "grado", "strutt", "riduz", "protez", "np", "numsetx", "numsety", "wallCount"};
inline constexpr std::array<std::string_view, kFloorFieldCount> kFloorFieldNames{"specifico",  "permsolai", "accsolai",
                                                                                 "permsbalzi", "accsbalzi", "hp"};
inline constexpr std::array<std::string_view, kWallFieldCount> kWallFieldNames{
    "dimx", "dimy", "ascissa", "ordinata", "tirantiV", "tirantiO", "tauk", "sigma", "solai", "sbalzi"};
inline constexpr std::array<std::string_view, kTitleFieldCount> kTitleFieldNames{
    "progetto", "localita", "committente", "architettonico", "direttore", "luogo", "data", "allegati"};

class ProjectData {
public:
    // The start values of the program.
    ProjectData();

    const FieldValue& general(GeneralField field) const;
    void setGeneral(GeneralField field, FieldValue value);

    const FieldValue& floor(int storey, FloorField field) const {
        return floors_[checkedStorey(storey)].values[static_cast<int>(field)];
    }
    void setFloor(int storey, FloorField field, FieldValue value);

    const FieldValue& wall(int storey, int wall, WallField field) const {
        return wallValues_[checkedStorey(storey)][checkedWall(wall)][static_cast<int>(field)];
    }
    // Empty kind or empty text, as FieldValue::isEmpty.
    bool wallIsEmpty(int storey, int wall, WallField field) const {
        return (wallEmpty_[checkedStorey(storey)][checkedWall(wall)] >> static_cast<int>(field)) & 1u;
    }
    void setWall(int storey, int wall, WallField field, FieldValue value);

    // The engine's readings of the inputs (FieldValue::typedNumber), kept
    // up to date on every change.
    double floorNumber(int storey, FloorField field) const {
        return floors_[checkedStorey(storey)].numbers[static_cast<int>(field)];
    }
    double wallNumber(int storey, int wall, WallField field) const {
        return wallNumbers_[checkedStorey(storey)][static_cast<int>(field)][checkedWall(wall)];
    }

    // The whole grids, for the engine's loops: their indexes stay within
    // the counts, so they go without the checks of the accessors above.
    template <typename T>
    using WallGrid = std::array<WallRow<T>, kStoreyRows>;
    // The readings of one storey, field by field.
    using WallNumberRows = std::array<WallRow<double>, kWallFieldCount>;
    const std::array<WallNumberRows, kStoreyRows>& wallNumberGrid() const { return wallNumbers_; }
    const WallGrid<std::uint16_t>& wallEmptyGrid() const { return wallEmpty_; }
    std::array<WallResultRows, kStoreyRows>& wallResultGrid() { return wallResults_; }

    const std::string& title(TitleField field) const;
    void setTitle(TitleField field, std::string text);

    // The results of one wall, copied out of the storage.
    WallResult wallResult(int storey, int wall) const;
    // The results of the walls of one storey as they are stored.
    WallResultRows& wallResults(int storey) { return wallResults_[checkedStorey(storey)]; }
    const WallResultRows& wallResults(int storey) const { return wallResults_[checkedStorey(storey)]; }
    FloorResult& floorResult(int level) { return floorResults_[checkedStorey(level)]; }
    const FloorResult& floorResult(int level) const { return floorResults_[checkedStorey(level)]; }
    BuildingResult& building() { return building_; }
    const BuildingResult& building() const { return building_; }
    // The failure lists of the last checks.
    const FailureList& failureList(FailureKind kind) const;
    // For the engine, once every wall in use has been checked and the texts
    // of the others cleared: makes the lists from the check texts, the walls
    // after xWalls in the Y list.
    void listFailuresOfChecks(int xWalls);

    // Counts as the loops use them: the whole part of the stored value,
    // kept within the program's limits.
    int storeyCount() const; // np, 0 to 20
    int wallCount() const;   // wallCount, 0 to 100
    int xWallCount() const;  // numsetx, 0 to wallCount

    // Every change of a general, storey or wall value increases the input
    // revision; a complete run records the revision it computed.
    std::uint64_t inputRevision() const { return inputRevision_; }
    std::uint64_t computedRevision() const { return computedRevision_; }
    void markComputed() { computedRevision_ = inputRevision_; }
    bool resultsCurrent() const { return computedRevision_ == inputRevision_; }

    // Storeys 1 to n: every empty storey value receives its default.
    void introduceStoreys(int storeyCount);
    // The three coefficients back to their start values.
    void setStartCoefficients();
    // The general window's clear, given the storey count before it.
    void resetGeneral(int previousStoreyCount);
    // The wall window's clear: wall data of the storeys and walls in use
    // and their results.
    void resetWalls();
    void copyStoreyInputs(int fromStorey, int toStorey);
    // Copies the ten values of walls 1 to wallCount from one storey to another.
    void copyStoreyWalls(int fromStorey, int toStorey);
    // Exchanges the ten values of walls a and b on every storey in use.
    void swapWalls(int a, int b);
    // The model side of the hand-over from the general window to the wall
    // window: np and wallCount at least 1, and everything beyond the current
    // size reset so that the engine finds zeros above the top storey.
    void prepareWallEntry();

    // Run-time values, not saved.
    int currentFloor = 1;
    int currentWall = 1;
    std::string currentFileName;

private:
    struct FloorInputs {
        std::array<FieldValue, kFloorFieldCount> values;
        std::array<double, kFloorFieldCount> numbers{};
    };

    void touch() { ++inputRevision_; }
    // Indexes outside the storage are programming errors: they throw
    // std::out_of_range rather than touch memory that is not there.
    static int checkedStorey(int storey) {
        if (storey < 0 || storey >= kStoreyRows) throwOutOfRange("storey");
        return storey;
    }
    static int checkedWall(int wall) {
        if (wall < 0 || wall > kMaxWalls) throwOutOfRange("wall");
        return wall;
    }
    [[noreturn]] static void throwOutOfRange(const char* what);

    std::array<FieldValue, kGeneralFieldCount> general_;
    std::array<FloorInputs, kStoreyRows> floors_;
    // Wall values, and beside them in dense arrays their readings and a bit
    // per field telling whether it is empty: the engine reads only these.
    WallGrid<std::array<FieldValue, kWallFieldCount>> wallValues_;
    std::array<WallNumberRows, kStoreyRows> wallNumbers_{};
    WallGrid<std::uint16_t> wallEmpty_;
    std::array<std::string, kTitleFieldCount> title_;

    std::array<WallResultRows, kStoreyRows> wallResults_;
    std::array<FloorResult, kStoreyRows> floorResults_;
    BuildingResult building_;
    std::array<FailureList, 3> failureLists_{FailureList(FailureKind::shear), FailureList(FailureKind::sigma),
                                             FailureList(FailureKind::section)};

    std::uint64_t inputRevision_ = 1;
    std::uint64_t computedRevision_ = 0;
};

} // namespace calvex
