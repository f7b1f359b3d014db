#include "rules/wall_entry.h"

#include "model/numeric_text.h"

namespace calvex {

namespace {

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
                                        s, w, {WallField::dimx, WallField::dimy}};
        return std::nullopt;
    }
    if (dimx > 0 && dimy > 0) {
        if (typed(project, s, w, WallField::tauk) == 0)
            return WallCheckFailure{
                "Digitare il valore della tensione tangenziale ammissibile del setto n." + place + ".", s, w,
                {WallField::tauk}};
        if (typed(project, s, w, WallField::sigma) == 0)
            return WallCheckFailure{"Digitare il valore del sigma ammissibile nella muratura del setto n." + place + ".",
                                    s, w, {WallField::sigma}};
    }
    return std::nullopt;
}

bool runsInX(const ProjectData& project, int w) {
    return typed(project, 1, w, WallField::dimx) > typed(project, 1, w, WallField::dimy);
}
bool runsInY(const ProjectData& project, int w) {
    return typed(project, 1, w, WallField::dimx) < typed(project, 1, w, WallField::dimy);
}

} // namespace

bool breaksDirectionRule(const ProjectData& project, int storey, int wall) {
    return !project.wall(storey, wall, WallField::dimy).isEmpty() &&
           typed(project, storey, wall, WallField::dimy) > typed(project, storey, wall, WallField::dimx) &&
           wall <= project.general(GeneralField::numsetx).typedNumber();
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

} // namespace calvex
