#include "large_building.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>

#include "model/numeric_text.h"

namespace calvex {

namespace {

constexpr double kPlanLength = 30.0;
constexpr double kPlanWidth = 12.0;

// A small linear congruential sequence: the same building on every run.
class Sequence {
public:
    double unit() {
        state_ = state_ * 6364136223846793005ull + 1442695040888963407ull;
        return static_cast<double>(state_ >> 11) / static_cast<double>(1ull << 53);
    }
    // A value in [low, high] on a 5 cm grid, as a user would type it.
    std::string between(double low, double high) {
        return numberFieldText(std::round((low + unit() * (high - low)) * 20.0) / 20.0);
    }
    bool coin() { return unit() < 0.5; }

private:
    std::uint64_t state_ = 20260101;
};

FieldValue typed(std::string text) { return FieldValue::text(std::move(text)); }

// Walls of one direction stand in rows across the plan: `index` of `count`
// gives the position along the plan and the row.
std::string spread(int index, int count, double extent) {
    const double step = extent / std::max(count, 1);
    return numberFieldText(roundHundredth(step * (index + 0.5)));
}

void fillWall(ProjectData& project, int storey, int wall, bool alongX, int index, int count, Sequence& sequence) {
    const std::string length = sequence.between(3.0, 6.0);
    const std::string thickness = sequence.between(0.3, 0.5);
    project.setWall(storey, wall, WallField::dimx, typed(alongX ? length : thickness));
    project.setWall(storey, wall, WallField::dimy, typed(alongX ? thickness : length));
    const int rows = 4;
    const int perRow = (count + rows - 1) / rows;
    const std::string along = spread(index / rows, perRow, alongX ? kPlanLength : kPlanWidth);
    const std::string across = spread(index % rows, rows, alongX ? kPlanWidth : kPlanLength);
    project.setWall(storey, wall, WallField::ascissa, typed(alongX ? along : across));
    project.setWall(storey, wall, WallField::ordinata, typed(alongX ? across : along));
    project.setWall(storey, wall, WallField::tirantiV, typed("0"));
    project.setWall(storey, wall, WallField::tirantiO, typed("0"));
    const bool strongMasonry = sequence.coin();
    project.setWall(storey, wall, WallField::tauk, typed(strongMasonry ? "10" : "8"));
    project.setWall(storey, wall, WallField::sigma, typed(strongMasonry ? "300" : "250"));
    project.setWall(storey, wall, WallField::solai, typed(std::to_string(10 + (wall * 7 + storey) % 11)));
    project.setWall(storey, wall, WallField::sbalzi, typed(sequence.coin() ? "2" : "0"));
}

} // namespace

std::unique_ptr<ProjectData> makeLargeBuilding(int storeys, int walls) {
    auto project = std::make_unique<ProjectData>();
    const int xWalls = walls / 2;
    const int yWalls = walls - xWalls;
    project->setGeneral(GeneralField::grado, typed("9"));
    project->setGeneral(GeneralField::np, typed(std::to_string(storeys)));
    project->setGeneral(GeneralField::numsetx, FieldValue::real(xWalls));
    project->setGeneral(GeneralField::numsety, FieldValue::real(yWalls));
    project->setGeneral(GeneralField::wallCount, FieldValue::real(walls));
    project->introduceStoreys(storeys);

    Sequence sequence;
    for (int s = 1; s <= storeys; ++s)
        for (int w = 1; w <= walls; ++w) {
            const bool alongX = w <= xWalls;
            fillWall(*project, s, w, alongX, alongX ? w - 1 : w - 1 - xWalls, alongX ? xWalls : yWalls, sequence);
        }

    project->setTitle(TitleField::progetto, "Edificio residenziale in muratura portante");
    project->setTitle(TitleField::localita, "Forl\u00ec");
    project->setTitle(TitleField::committente, "Condominio Le Querce");
    project->setTitle(TitleField::luogo, "Cesena");
    project->setTitle(TitleField::data, "12 marzo 2024");
    return project;
}

} // namespace calvex
