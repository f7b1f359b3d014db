#include "project_data.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace calvex {

namespace {

int idx(auto field) { return static_cast<int>(field); }

int countOf(const FieldValue& value, int limit) {
    const double number = std::floor(value.typedNumber());
    if (!(number > 0)) return 0;
    return number > limit ? limit : static_cast<int>(number);
}

FieldValue defaultFloorValue(FloorField field) {
    switch (field) {
        case FloorField::specifico:
            return FieldValue::integer(2);
        case FloorField::permsolai:
            return FieldValue::real(0.35);
        case FloorField::accsolai:
            return FieldValue::real(0.2);
        case FloorField::permsbalzi:
            return FieldValue::real(0.4);
        case FloorField::accsbalzi:
            return FieldValue::real(0.4);
        case FloorField::hp:
            return FieldValue::real(2.9);
    }
    return {};
}

const FieldValue kEmptyText = FieldValue::text("");
const FieldValue kZero = FieldValue::integer(0);

FieldValue startValue(const StartCoefficient& coefficient) {
    return coefficient.whole ? FieldValue::integer(static_cast<std::int64_t>(coefficient.number))
                             : FieldValue::real(coefficient.number);
}

// What the clear commands reset in a wall's results: the ultimate shears,
// the tie stresses and the check texts.
void clearShearAndTexts(WallResultRows& r, int w) {
    r.ultimateShearX[w] = r.ultimateShearY[w] = r.tieStressV[w] = r.tieStressH[w] = 0.0;
    r.shearCheckText[w].clear();
    r.sigmaCheckText[w].clear();
    r.sectionCheckText[w].clear();
}

// The loads and horizontal forces that the engine sums from the top down,
// zeroed on the storeys in use and the one above them.
void zeroLoadsAndForces(WallResultRows& r, int w) {
    r.area[w] = r.baseStress[w] = r.normalForce[w] = r.staticStress[w] = 0.0;
    r.horizontalForceX[w] = r.horizontalForceY[w] = 0.0;
}

} // namespace

ProjectData::ProjectData() {
    for (auto& row : wallEmpty_) row.fill((1u << kWallFieldCount) - 1);
    for (const StartCoefficient& coefficient : kStartCoefficients)
        general_[idx(coefficient.field)] = startValue(coefficient);
    for (FloorField field :
         {FloorField::permsolai, FloorField::accsolai, FloorField::permsbalzi, FloorField::accsbalzi})
        floors_[0].values[idx(field)] = kZero;
}

void ProjectData::throwOutOfRange(const char* what) { throw std::out_of_range(what); }

const FieldValue& ProjectData::general(GeneralField field) const { return general_[idx(field)]; }

void ProjectData::setGeneral(GeneralField field, FieldValue value) {
    FieldValue& slot = general_[idx(field)];
    if (slot == value) return;
    slot = std::move(value);
    touch();
}

void ProjectData::setFloor(int storey, FloorField field, FieldValue value) {
    FloorInputs& inputs = floors_[checkedStorey(storey)];
    if (inputs.values[idx(field)] == value) return;
    inputs.numbers[idx(field)] = value.typedNumber();
    inputs.values[idx(field)] = std::move(value);
    touch();
}

void ProjectData::setWall(int storey, int wall, WallField field, FieldValue value) {
    const int s = checkedStorey(storey), w = checkedWall(wall), f = idx(field);
    FieldValue& slot = wallValues_[s][w][f];
    if (slot == value) return;
    wallNumbers_[s][f][w] = value.typedNumber();
    const std::uint16_t bit = static_cast<std::uint16_t>(1u << f);
    wallEmpty_[s][w] = static_cast<std::uint16_t>(value.isEmpty() ? wallEmpty_[s][w] | bit : wallEmpty_[s][w] & ~bit);
    slot = std::move(value);
    touch();
}

WallResult ProjectData::wallResult(int storey, int wall) const {
    const WallResultRows& rows = wallResults_[checkedStorey(storey)];
    const int w = checkedWall(wall);
    WallResult result;
    forEachWallResultField(result, rows, [w](auto& value, const auto& row) { value = row[w]; });
    return result;
}

const std::string& ProjectData::title(TitleField field) const { return title_[idx(field)]; }

void ProjectData::setTitle(TitleField field, std::string text) { title_[idx(field)] = std::move(text); }

int ProjectData::storeyCount() const { return countOf(general(GeneralField::np), kMaxStoreys); }

int ProjectData::wallCount() const { return countOf(general(GeneralField::wallCount), kMaxWalls); }

int ProjectData::xWallCount() const { return countOf(general(GeneralField::numsetx), wallCount()); }

void ProjectData::introduceStoreys(int storeyCount) {
    const int last = std::min(storeyCount, kMaxStoreys);
    for (int storey = 1; storey <= last; ++storey)
        for (int f = 0; f < kFloorFieldCount; ++f)
            if (floors_[storey].values[f].isEmpty())
                setFloor(storey, static_cast<FloorField>(f), defaultFloorValue(static_cast<FloorField>(f)));
}

void ProjectData::setStartCoefficients() {
    for (const StartCoefficient& coefficient : kStartCoefficients)
        setGeneral(coefficient.field, startValue(coefficient));
}

void ProjectData::resetGeneral(int previousStoreyCount) {
    setStartCoefficients();
    setGeneral(GeneralField::np, kZero);
    setGeneral(GeneralField::wallCount, kZero);
    for (GeneralField field : {GeneralField::grado, GeneralField::numsetx, GeneralField::numsety})
        setGeneral(field, kEmptyText);
    const int last = std::min(previousStoreyCount, kMaxStoreys);
    for (int storey = 1; storey <= last; ++storey)
        for (int f = 0; f < kFloorFieldCount; ++f) setFloor(storey, static_cast<FloorField>(f), kEmptyText);
}

void ProjectData::resetWalls() {
    const int storeys = storeyCount();
    const int walls = wallCount();
    for (int s = 1; s <= storeys; ++s) {
        for (int w = 1; w <= walls; ++w) {
            for (int f = 0; f < kWallFieldCount; ++f) setWall(s, w, static_cast<WallField>(f), kEmptyText);
            WallResultRows& r = wallResults_[s];
            r.torsionForce[w] = ResultValue::emptyText();
            clearShearAndTexts(r, w);
        }
    }
    for (int s = 1; s <= storeys + 1; ++s) {
        floorResults_[s].storeyShear = 0.0;
        for (int w = 1; w <= walls; ++w) {
            zeroLoadsAndForces(wallResults_[s], w);
        }
    }
    for (int level = 0; level <= storeys; ++level) {
        FloorResult& r = floorResults_[level];
        for (ResultValue* value :
             {&r.storeyWeight, &r.distributionCoeff, &r.massCentreX, &r.massCentreY, &r.stiffCentreX, &r.stiffCentreY,
              &r.eccX, &r.eccY, &r.storeyForce, &r.polarMoment, &r.torsionTotalForce, &r.torsionMoment})
            *value = 0.0;
    }
}

void ProjectData::copyStoreyInputs(int fromStorey, int toStorey) {
    for (int f = 0; f < kFloorFieldCount; ++f)
        setFloor(toStorey, static_cast<FloorField>(f), floor(fromStorey, static_cast<FloorField>(f)));
}

void ProjectData::copyStoreyWalls(int fromStorey, int toStorey) {
    const int walls = wallCount();
    for (int w = 1; w <= walls; ++w)
        for (int f = 0; f < kWallFieldCount; ++f)
            setWall(toStorey, w, static_cast<WallField>(f), wall(fromStorey, w, static_cast<WallField>(f)));
}

void ProjectData::swapWalls(int a, int b) {
    checkedWall(a);
    checkedWall(b);
    if (a == b) return;
    const int storeys = storeyCount();
    for (int s = 1; s <= storeys; ++s) {
        std::swap(wallValues_[s][a], wallValues_[s][b]);
        for (WallRow<double>& numbers : wallNumbers_[s]) std::swap(numbers[a], numbers[b]);
        std::swap(wallEmpty_[s][a], wallEmpty_[s][b]);
    }
    if (storeys > 0) touch();
}

void ProjectData::prepareWallEntry() {
    if (storeyCount() == 0) setGeneral(GeneralField::np, FieldValue::integer(1));
    if (wallCount() == 0) setGeneral(GeneralField::wallCount, FieldValue::integer(1));
    const int storeys = storeyCount();
    const int walls = wallCount();

    building_.sideLong = ResultValue::emptyText();
    building_.sideShort = ResultValue::emptyText();
    for (int s = storeys + 1; s <= kMaxStoreys; ++s) {
        floorResults_[s].torsionTotalForce = ResultValue::emptyText();
        floorResults_[s].torsionMoment = ResultValue::emptyText();
        for (int w = walls + 1; w <= kMaxWalls; ++w) {
            for (int f = 0; f < kWallFieldCount; ++f) setWall(s, w, static_cast<WallField>(f), kEmptyText);
            clearShearAndTexts(wallResults_[s], w);
        }
    }
    for (int s = storeys + 1; s <= kMaxStoreys + 1; ++s) {
        floorResults_[s].storeyShear = 0.0;
        setFloor(s, FloorField::specifico, kZero);
        setFloor(s, FloorField::hp, kZero);
        for (int w = walls + 1; w <= kMaxWalls; ++w) {
            zeroLoadsAndForces(wallResults_[s], w);
        }
    }
}

} // namespace calvex
