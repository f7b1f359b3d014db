#pragma once
// What the verification engine computes: per wall, per storey and for the
// whole building. Never saved; recomputed by every run.

#include <array>
#include <bit>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace calvex {

// A numeric result. Besides a number it can be "never written" (the state
// at program start) or "the empty text" (set by the clear commands). Both
// non-numbers read as 0. Stored in one double so that result arrays stay
// flat; the two non-numbers are NaN patterns that no computed value takes,
// since the engine never lets a NaN or an infinity into a result.
class ResultValue {
public:
    constexpr ResultValue() : bits_(kNeverWritten) {}
    constexpr ResultValue(double value) : bits_(std::bit_cast<std::uint64_t>(value)) {}
    static constexpr ResultValue emptyText() { return ResultValue(kEmptyText, 0); }

    constexpr bool isNumber() const { return (bits_ >> 32) != (kNeverWritten >> 32); }
    constexpr bool isNeverWritten() const { return bits_ == kNeverWritten; }
    constexpr bool isEmptyText() const { return bits_ == kEmptyText; }
    constexpr double number() const { return isNumber() ? std::bit_cast<double>(bits_) : 0.0; }

    constexpr bool operator==(const ResultValue&) const = default;

private:
    static constexpr std::uint64_t kNeverWritten = 0x7ff8'dead'0000'0001ull;
    static constexpr std::uint64_t kEmptyText = 0x7ff8'dead'0000'0002ull;
    constexpr ResultValue(std::uint64_t bits, int) : bits_(bits) {}
    std::uint64_t bits_;
};

// The minimum stress of a wall as a text: Str of the stress for a fully
// compressed section, the empty text for a partialised one, "T" when the
// resultant falls outside the section. The number is kept and written out
// only when the text is asked for, so a run formats nothing it need not.
class MinStressText {
public:
    bool isWritten() const { return state_ != State::NeverWritten; }
    bool isOutside() const { return state_ == State::Outside; }
    void setValue(double stress) {
        state_ = State::Value;
        value_ = stress;
    }
    void setEmpty() { state_ = State::Empty; }
    void setOutside() { state_ = State::Outside; }
    std::string str() const;

private:
    enum class State { NeverWritten, Empty, Outside, Value };
    State state_ = State::NeverWritten;
    double value_ = 0.0;
};

// The verdict of a wall: "setto verificato" or "setto non verificato".
class VerdictText {
public:
    bool isWritten() const { return state_ != State::NeverWritten; }
    bool isVerified() const { return state_ == State::Verified; }
    void set(bool verified) { state_ = verified ? State::Verified : State::NotVerified; }
    std::string str() const;

private:
    enum class State : unsigned char { NeverWritten, Verified, NotVerified };
    State state_ = State::NeverWritten;
};

// A failed comparison for the wall-check map, "tonn. 16 < tonn. 20", or
// the empty text when the check passed. The two numbers are kept as they
// were compared; their whole parts are written out only when the text is
// asked for.
class ComparisonText {
public:
    bool isWritten() const { return state_ != State::NeverWritten; }
    bool isEmpty() const { return state_ != State::Failed; }
    void clear() { state_ = State::Empty; }
    void set(double resisting, double acting) { record(resisting, acting, true); }
    double resisting() const { return resisting_; }
    double acting() const { return acting_; }
    // The outcome of a comparison: the text when it failed, the empty text
    // otherwise (the numbers are kept either way, and shown only then).
    void record(double resisting, double acting, bool failed) {
        state_ = failed ? State::Failed : State::Empty;
        resisting_ = resisting;
        acting_ = acting;
    }
    std::string str() const;

private:
    enum class State : unsigned char { NeverWritten, Empty, Failed };
    State state_ = State::NeverWritten;
    double resisting_ = 0.0;
    double acting_ = 0.0;
};

// "sez. parzializzata" when the resultant falls outside the section, or
// the empty text.
class SectionText {
public:
    bool isWritten() const { return state_ != State::NeverWritten; }
    bool isEmpty() const { return state_ != State::Partialised; }
    void clear() { state_ = State::Empty; }
    void setPartialised() { state_ = State::Partialised; }
    std::string str() const;

private:
    enum class State : unsigned char { NeverWritten, Empty, Partialised };
    State state_ = State::NeverWritten;
};

// One failing wall of a failure list, kept as the numbers compared: the
// list's texts, which show the whole parts of Tu, H and maxStress and the
// allowable sigma as it is, are written out only where they are shown,
// printed or saved.
struct FailureEntry {
    int storey = 0;
    int wall = 0;
    bool yList = false;     // shear list: the wall belongs to the Y list
    double resisting = 0.0; // Tu, or the allowable sigma
    double acting = 0.0;    // H, or maxStress
    bool operator==(const FailureEntry&) const = default;
};

enum class FailureKind : unsigned char { shear, sigma, section };

// A list of failing walls. Its text is the entries' texts one after the
// other, or "*** nessuno ***" while it has none; "never written" until
// the engine first builds it.
class FailureList {
public:
    explicit FailureList(FailureKind kind) : kind_(kind) {}

    FailureKind kind() const { return kind_; }
    bool isWritten() const { return written_; }
    const std::vector<FailureEntry>& entries() const { return entries_; }
    // The entries emptied for rebuilding in place, keeping their capacity.
    std::vector<FailureEntry>& rewrite() {
        entries_.clear();
        written_ = true;
        return entries_;
    }
    void appendEntryText(std::string& out, const FailureEntry& entry) const;
    std::string entryText(const FailureEntry& entry) const;
    std::string str() const;
    bool operator==(const FailureList&) const = default;

private:
    std::vector<FailureEntry> entries_;
    FailureKind kind_;
    bool written_ = false;
};

inline constexpr std::string_view kNoFailure = "*** nessuno ***";

// The results of a wall, field by field, where Slot<T> is what a field of
// type T holds: WallResult holds one wall's values, the model's storage a
// row of walls per field (WallResultRows).
template <template <typename> typename Slot>
struct WallResultFields {
    // Rounded to the hundredth at the end of a run.
    Slot<ResultValue> selfWeightShare, slabLoad, normalForce, baseStress;
    Slot<ResultValue> stiffnessX, stiffnessY, armX, armY, torsionForce;
    Slot<ResultValue> storeyShareX, storeyShareY, horizontalForceX, horizontalForceY;
    Slot<ResultValue> ultimateShearX, ultimateShearY, maxStress;
    // Kept unrounded.
    Slot<ResultValue> area, tieStressV, tieStressH, shearModulus, fullLoad, staticStress, eccentricity;
    Slot<MinStressText> minStressText;
    Slot<ComparisonText> shearCheckText, sigmaCheckText;
    Slot<VerdictText> verdict;
    Slot<SectionText> sectionCheckText;
};

// Calls f with every field of a and the same field of b: the one list of
// the fields for copying between the two shapes.
template <typename A, typename B, typename F>
void forEachWallResultField(A& a, B& b, F f) {
    f(a.selfWeightShare, b.selfWeightShare);
    f(a.slabLoad, b.slabLoad);
    f(a.normalForce, b.normalForce);
    f(a.baseStress, b.baseStress);
    f(a.stiffnessX, b.stiffnessX);
    f(a.stiffnessY, b.stiffnessY);
    f(a.armX, b.armX);
    f(a.armY, b.armY);
    f(a.torsionForce, b.torsionForce);
    f(a.storeyShareX, b.storeyShareX);
    f(a.storeyShareY, b.storeyShareY);
    f(a.horizontalForceX, b.horizontalForceX);
    f(a.horizontalForceY, b.horizontalForceY);
    f(a.ultimateShearX, b.ultimateShearX);
    f(a.ultimateShearY, b.ultimateShearY);
    f(a.maxStress, b.maxStress);
    f(a.area, b.area);
    f(a.tieStressV, b.tieStressV);
    f(a.tieStressH, b.tieStressH);
    f(a.shearModulus, b.shearModulus);
    f(a.fullLoad, b.fullLoad);
    f(a.staticStress, b.staticStress);
    f(a.eccentricity, b.eccentricity);
    f(a.minStressText, b.minStressText);
    f(a.shearCheckText, b.shearCheckText);
    f(a.sigmaCheckText, b.sigmaCheckText);
    f(a.verdict, b.verdict);
    f(a.sectionCheckText, b.sectionCheckText);
}

template <typename T>
using Single = T;
// The results of one wall.
using WallResult = WallResultFields<Single>;

struct FloorResult {
    ResultValue massCentreX, massCentreY, storeyHeight, storeyWeight, levelHeight;
    ResultValue distributionCoeff, storeyForce, storeyShear;
    ResultValue stiffCentreX, stiffCentreY, eccX, eccY;
    ResultValue sumKxArm2, sumKxList, sumKyArm2, sumKyList, polarMoment;
    ResultValue torsionTotalForce, torsionMoment, sumShareX, sumShareY;
    ResultValue sumTuX, sumTuY, safetyX, safetyY;
};

// The failure lists are the project's (ProjectData::failureList).
struct BuildingResult {
    ResultValue totalWeight, massHeight, totalForce, forceHeight;
    ResultValue sideLong, sideShort, lambda;
};

// Field tables by name, for output and tests.
template <typename Record, typename Member>
struct NamedField {
    std::string_view name;
    Member Record::*member;
};

inline constexpr std::array<NamedField<WallResult, ResultValue>, 23> kWallResultNumbers{{
    {"area", &WallResult::area},
    {"normalForce", &WallResult::normalForce},
    {"baseStress", &WallResult::baseStress},
    {"tieStressV", &WallResult::tieStressV},
    {"tieStressH", &WallResult::tieStressH},
    {"selfWeightShare", &WallResult::selfWeightShare},
    {"slabLoad", &WallResult::slabLoad},
    {"shearModulus", &WallResult::shearModulus},
    {"stiffnessX", &WallResult::stiffnessX},
    {"stiffnessY", &WallResult::stiffnessY},
    {"armX", &WallResult::armX},
    {"armY", &WallResult::armY},
    {"torsionForce", &WallResult::torsionForce},
    {"storeyShareX", &WallResult::storeyShareX},
    {"storeyShareY", &WallResult::storeyShareY},
    {"horizontalForceX", &WallResult::horizontalForceX},
    {"horizontalForceY", &WallResult::horizontalForceY},
    {"fullLoad", &WallResult::fullLoad},
    {"staticStress", &WallResult::staticStress},
    {"ultimateShearX", &WallResult::ultimateShearX},
    {"ultimateShearY", &WallResult::ultimateShearY},
    {"eccentricity", &WallResult::eccentricity},
    {"maxStress", &WallResult::maxStress},
}};

// The texts of a wall by name, as they read: written or not, and the text.
struct NamedText {
    std::string_view name;
    bool written;
    std::string text;
};
std::array<NamedText, 5> wallResultTexts(const WallResult& result);

inline constexpr std::array<NamedField<FloorResult, ResultValue>, 25> kFloorResultNumbers{{
    {"massCentreX", &FloorResult::massCentreX},
    {"massCentreY", &FloorResult::massCentreY},
    {"storeyHeight", &FloorResult::storeyHeight},
    {"storeyWeight", &FloorResult::storeyWeight},
    {"levelHeight", &FloorResult::levelHeight},
    {"distributionCoeff", &FloorResult::distributionCoeff},
    {"storeyForce", &FloorResult::storeyForce},
    {"storeyShear", &FloorResult::storeyShear},
    {"stiffCentreX", &FloorResult::stiffCentreX},
    {"stiffCentreY", &FloorResult::stiffCentreY},
    {"eccX", &FloorResult::eccX},
    {"eccY", &FloorResult::eccY},
    {"sumKxArm2", &FloorResult::sumKxArm2},
    {"sumKxList", &FloorResult::sumKxList},
    {"sumKyArm2", &FloorResult::sumKyArm2},
    {"sumKyList", &FloorResult::sumKyList},
    {"polarMoment", &FloorResult::polarMoment},
    {"torsionTotalForce", &FloorResult::torsionTotalForce},
    {"torsionMoment", &FloorResult::torsionMoment},
    {"sumShareX", &FloorResult::sumShareX},
    {"sumShareY", &FloorResult::sumShareY},
    {"sumTuX", &FloorResult::sumTuX},
    {"sumTuY", &FloorResult::sumTuY},
    {"safetyX", &FloorResult::safetyX},
    {"safetyY", &FloorResult::safetyY},
}};

inline constexpr std::array<NamedField<BuildingResult, ResultValue>, 7> kBuildingNumbers{{
    {"totalWeight", &BuildingResult::totalWeight},
    {"massHeight", &BuildingResult::massHeight},
    {"totalForce", &BuildingResult::totalForce},
    {"forceHeight", &BuildingResult::forceHeight},
    {"sideLong", &BuildingResult::sideLong},
    {"sideShort", &BuildingResult::sideShort},
    {"lambda", &BuildingResult::lambda},
}};

struct NamedList {
    std::string_view name;
    FailureKind kind;
};

inline constexpr std::array<NamedList, 3> kBuildingTexts{{
    {"shearFailList", FailureKind::shear},
    {"sigmaFailList", FailureKind::sigma},
    {"sectionFailList", FailureKind::section},
}};

} // namespace calvex
