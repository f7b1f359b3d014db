#pragma once
// Small buildings typed as a user would, for the engine tests.

#include <array>
#include <memory>
#include <string>

#include "engine/engine.h"

namespace calvex::testing {

struct WallTexts {
    std::string dimx, dimy, ascissa, ordinata, tirantiV = "0", tirantiO = "0", tauk = "8", sigma = "250", solai = "0",
                                               sbalzi = "0";
};

class TestBuilding {
public:
    TestBuilding(int storeys, int xWalls, int yWalls, std::string grado = "9")
        : project(std::make_unique<ProjectData>()) {
        project->setGeneral(GeneralField::grado, FieldValue::text(std::move(grado)));
        project->setGeneral(GeneralField::np, FieldValue::text(std::to_string(storeys)));
        project->setGeneral(GeneralField::numsetx, FieldValue::real(xWalls));
        project->setGeneral(GeneralField::numsety, FieldValue::real(yWalls));
        project->setGeneral(GeneralField::wallCount, FieldValue::real(xWalls + yWalls));
        project->introduceStoreys(storeys);
        project->prepareWallEntry();
    }

    TestBuilding& storey(int s, const std::string& hp, const std::string& specifico) {
        project->setFloor(s, FloorField::hp, FieldValue::text(hp));
        project->setFloor(s, FloorField::specifico, FieldValue::text(specifico));
        return *this;
    }

    TestBuilding& wall(int s, int w, const WallTexts& t) {
        const std::array<const std::string*, kWallFieldCount> values{&t.dimx,     &t.dimy,     &t.ascissa, &t.ordinata,
                                                                     &t.tirantiV, &t.tirantiO, &t.tauk,    &t.sigma,
                                                                     &t.solai,    &t.sbalzi};
        for (int f = 0; f < kWallFieldCount; ++f)
            project->setWall(s, w, static_cast<WallField>(f), FieldValue::text(*values[f]));
        return *this;
    }

    // Storey 2 shown by default, so that the building-plan step stays out
    // of the way unless a test asks for it.
    RunOutcome run(int currentFloor = 2, int currentWall = 1) {
        return runEngine(*project, RunContext{true, currentFloor, currentWall, false});
    }

    WallResult at(int s, int w) const { return project->wallResult(s, w); }
    const FloorResult& level(int f) const { return project->floorResult(f); }
    const BuildingResult& building() const { return project->building(); }

    std::unique_ptr<ProjectData> project;
};

} // namespace calvex::testing
