#include "rules/wall_entry.h"

#include "model/numeric_text.h"

namespace calvex {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Every rule reads a wall value as the engine does, a comma like a point.
double typed(const ProjectData& project, int s, int w, WallField field) {
    return project.wall(s, w, field).typedNumber();
}

constexpr std::pair<WallField, std::string_view> kFirstStoreyChecks[] = {
    {WallField::dimx, "Digitare un valore significativo per la dimensione in direzione X del setto n."},
    {WallField::dimy, "Digitare un valore significativo per la dimensione in direzione Y del setto n."},
    {WallField::tauk, "Digitare un valore significativo per la tensione tangenziale ammissibile del setto n."},
    {WallField::sigma, "Digitare un valore significativo per il sigma ammissibile del setto n."},
};

std::optional<WallCheckFailure> checkFirstStorey(const ProjectData& project) {
    const int walls = project.wallCount();
    for (int w = 1; w <= walls; ++w)
        for (const auto& [field, text] : kFirstStoreyChecks)
            if (typed(project, 1, w, field) == 0)
                return WallCheckFailure{std::string(text) + str(w) + " al piano 1.", 1, w, {field}};
    return std::nullopt;
}

std::optional<WallCheckFailure> checkWall(const ProjectData& project, int s, int w) {
    const std::string place = str(w) + " al piano" + str(s);
    const double dimx = typed(project, s, w, WallField::dimx);
    const double dimy = typed(project, s, w, WallField::dimy);
    if (dimx == 0 || dimy == 0) {
        for (int f = 2; f < kWallFieldCount; ++f)
            if (typed(project, s, w, static_cast<WallField>(f)) > 0)
                return WallCheckFailure{"Azzerare i valori dei dati del setto n." + place +
                                            " o digitare le misure in direzione X e Y del setto.",
                                        s,
                                        w,
                                        {WallField::dimx, WallField::dimy}};
        return std::nullopt;
    }
    if (dimx > 0 && dimy > 0) {
        if (typed(project, s, w, WallField::tauk) == 0)
            return WallCheckFailure{
                "Digitare il valore della tensione tangenziale ammissibile del setto n." + place + ".",
                s,
                w,
                {WallField::tauk}};
        if (typed(project, s, w, WallField::sigma) == 0)
            return WallCheckFailure{
                "Digitare il valore del sigma ammissibile nella muratura del setto n." + place + ".",
                s,
                w,
                {WallField::sigma}};
    }
    return std::nullopt;
}

bool runsInX(const ProjectData& project, int w) {
    return typed(project, 1, w, WallField::dimx) > typed(project, 1, w, WallField::dimy);
}
bool runsInY(const ProjectData& project, int w) {
    return typed(project, 1, w, WallField::dimx) < typed(project, 1, w, WallField::dimy);
}

bool xWall(const ProjectData& project, int wall) {
    return wall <= project.general(GeneralField::numsetx).typedNumber();
}

WindowMessage exclamation(std::string_view text) { return {std::string(text), MessageIcon::exclamation}; }

// A selector past the last storey or wall shows the last one, then says
// there are no more; with none at all it goes back to 1 silently.
std::optional<SelectorOutcome> beyondLast(int value, int last, std::string_view message) {
    if (last == 0) return SelectorOutcome{SelectorStep::reset, 1, std::nullopt};
    if (value > last) return SelectorOutcome{SelectorStep::refused, last, exclamation(message)};
    return std::nullopt;
}

} // namespace

EntryRuleOutcome applyFirstCharacterRule(std::string_view text) {
    EntryRuleOutcome outcome;
    if (text.empty()) return outcome;
    if (text.front() == '.') {
        outcome.replacement = "0.";
        outcome.message = kMessageBelowOne;
    } else if (!isDigit(text.front())) {
        outcome.accepted = false;
        outcome.replacement = "";
        outcome.message = kMessageNotNumeric;
        outcome.turnRed = true;
    }
    return outcome;
}

WallFieldOutcome applyWallFieldChange(ProjectData& project, WallField field, const std::string& text) {
    WallFieldOutcome outcome;
    EntryRuleOutcome rule = applyFirstCharacterRule(text);
    if (rule.replacement) {
        outcome.replacement = std::move(rule.replacement);
        outcome.message = WindowMessage{std::move(*rule.message), MessageIcon::critical};
        outcome.markRed = rule.turnRed;
        return outcome;
    }
    const int storey = project.currentFloor, wall = project.currentWall;
    project.setWall(storey, wall, field, FieldValue::text(text));
    if (field == WallField::dimy && breaksDirectionRule(project, storey, wall)) {
        project.setWall(storey, wall, WallField::dimy, FieldValue::text(""));
        outcome.message = WindowMessage{std::string(kMessageXWallsFirst), MessageIcon::critical};
        outcome.emptied = true;
        return outcome;
    }
    outcome.recompute = true;
    return outcome;
}

std::string previousWallText(const ProjectData& project, WallField field) {
    return project.wall(project.currentFloor, project.currentWall - 1, field).fieldText();
}

SelectorOutcome selectWallStorey(ProjectData& project, int value) {
    if (auto refused = beyondLast(value, project.storeyCount(), kMessageNoMoreStoreys)) return *refused;
    project.currentFloor = value;
    return {};
}

SelectorOutcome selectWall(ProjectData& project, int value, int storey) {
    if (auto refused = beyondLast(value, project.wallCount(), kMessageNoMoreWalls)) return *refused;
    project.currentWall = value;
    project.currentFloor = storey;
    return {};
}

bool copyStorey(ProjectData& project, const StoreyCopy& copy) {
    if (copy.message || project.currentFloor != copy.to) return false;
    project.copyStoreyWalls(copy.from, copy.to);
    return true;
}

bool breaksDirectionRule(const ProjectData& project, int storey, int wall) {
    return !project.wall(storey, wall, WallField::dimy).isEmpty() &&
           typed(project, storey, wall, WallField::dimy) > typed(project, storey, wall, WallField::dimx) &&
           xWall(project, wall);
}

std::optional<WallCheckFailure> checkWallData(const ProjectData& project) {
    if (auto failure = checkFirstStorey(project)) return failure;
    const int storeys = project.storeyCount();
    const int walls = project.wallCount();
    for (int s = 1; s <= storeys; ++s)
        for (int w = 1; w <= walls; ++w)
            if (auto failure = checkWall(project, s, w)) return failure;
    return std::nullopt;
}

std::string absentWallsQuestion(const ProjectData& project) {
    std::string text = "I seguenti setti risultano inesistenti: \u00e8 corretto?\n\n";
    const int storeys = project.storeyCount();
    const int walls = project.wallCount();
    for (int s = 1; s <= storeys; ++s) {
        std::string line = "Piano n." + str(s) + " ---> ";
        bool any = false;
        for (int w = 1; w <= walls; ++w) {
            if (typed(project, s, w, WallField::dimx) != 0) continue;
            line += str(w) + "-";
            any = true;
        }
        if (!any) line += "nessuno (tutti i setti sono presenti)";
        text += line + "\n";
    }
    return text;
}

WallWindowCheck checkWallWindow(const ProjectData& project, CheckMode mode) {
    if (auto failure = checkWallData(project)) return {std::move(failure), std::nullopt};
    if (mode == CheckMode::silent) return {};
    return {std::nullopt, absentWallsQuestion(project)};
}

std::optional<WindowMessage> absentWallsAnswer(bool yes) {
    if (!yes) return std::nullopt;
    return WindowMessage{std::string(kMessageDataCorrect), MessageIcon::information};
}

WallCounts orderWallsByDirection(ProjectData& project) {
    const int walls = project.wallCount();
    WallCounts counts;
    for (int w = 1; w <= walls; ++w) counts.xWalls += runsInX(project, w);
    counts.yWalls = walls - counts.xWalls;
    for (bool swapped = true; swapped;) {
        swapped = false;
        for (int w = 1; w < walls; ++w) {
            if (runsInY(project, w) && runsInX(project, w + 1)) {
                project.swapWalls(w, w + 1);
                swapped = true;
            }
        }
    }
    return counts;
}

WallResultsView wallResultsView(const ProjectData& project, int storey, int wall) {
    const WallResult r = project.wallResult(storey, wall);
    const bool x = xWall(project, wall);
    WallResultsView view;
    view.values = {r.selfWeightShare,
                   r.slabLoad,
                   r.normalForce,
                   r.baseStress,
                   r.stiffnessX,
                   r.stiffnessY,
                   r.armX,
                   r.armY,
                   std::nullopt,
                   x ? r.storeyShareX : r.storeyShareY,
                   x ? r.horizontalForceX : r.horizontalForceY,
                   x ? r.ultimateShearX : r.ultimateShearY,
                   r.maxStress,
                   r.torsionForce};
    view.direction = x ? "X" : "Y";
    view.stressTooHigh = r.maxStress.number() > project.wallNumber(storey, wall, WallField::sigma);
    view.shearTooLow = r.ultimateShearY.number() < r.horizontalForceY.number() ||
                       r.ultimateShearX.number() < r.horizontalForceX.number();
    view.verdict = r.verdict.str();
    return view;
}

} // namespace calvex
