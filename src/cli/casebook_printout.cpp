#include "casebook_printout.h"

#include <algorithm>
#include <array>
#include <numeric>
#include <string_view>
#include <utility>

#include "model/results.h"
#include "print/device/page_frame.h"

namespace calvex::cli {

namespace {

constexpr double kTextSize = 10;
constexpr int kLeftColumn = frameHeadingColumn;
// Table columns at the table size: the number columns are right-aligned
// and end on the column given.
constexpr int kSetColumn = kLeftColumn;
constexpr int kStoreyEnd = 42;
constexpr int kWallEnd = 48;
constexpr int kExpectedEnd = 64;
constexpr int kObtainedEnd = 80;
constexpr int kDifferenceEnd = 93;
constexpr int kOutcomeColumn = 96;
constexpr std::size_t kShortText = 16;

// A new page, with the footer of the one ended, when fewer than `lines`
// lines of the current font fit above the footer.
void keepRoom(TextDevice& device, int lines) {
    if (device.nextLineTop() + (lines + 1) * device.lineHeight() <= frameFooterY) return;
    const double size = device.fontSize();
    printPageFooter(device);
    device.newPage();
    device.setCurrentY(frameFirstTop);
    device.setFontSize(size);
}

void line(TextDevice& device, int column, std::string_view text) {
    keepRoom(device, 1);
    device.printAtColumn(column, text);
    device.endLine();
}

// The text over as many lines as it needs, broken between words, each
// line starting at the column.
void paragraph(TextDevice& device, int column, std::string_view text) {
    const int room = pageBoxWidth / device.characterWidth() - column - 6;
    std::string current;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find(' ', start);
        if (end == std::string_view::npos) end = text.size();
        const std::string_view word = text.substr(start, end - start);
        if (!current.empty() && static_cast<int>(current.size() + 1 + word.size()) > room) {
            line(device, column, current);
            current.clear();
        }
        if (!current.empty()) current += ' ';
        current += word;
        start = end + 1;
    }
    if (!current.empty()) line(device, column, current);
}

void rightAligned(TextDevice& device, int lastColumn, std::string_view text) {
    device.jumpToColumn(std::max(1, lastColumn + 1 - static_cast<int>(text.size())));
    device.printText(text);
}

void title(TextDevice& device) {
    printTitleLine(device);
    device.endLine();
}

int valueCount(const std::vector<CaseOutcome>& outcomes) {
    return std::accumulate(outcomes.begin(), outcomes.end(), 0, [](int sum, const CaseOutcome& outcome) {
        return sum + static_cast<int>(outcome.validationCase.expected.size());
    });
}

std::string outcomeWord(const CaseOutcome& outcome) {
    if (!outcome.problem.empty()) return "non eseguito";
    return outcome.passed() ? "superato" : "NON SUPERATO";
}

void printSummary(TextDevice& device, const std::vector<CaseOutcome>& outcomes, const CasebookEdition& edition) {
    title(device);
    line(device, kLeftColumn, "VALIDAZIONE: CASI PROVA CALCOLATI A MANO");
    device.setFontSize(kTextSize);
    line(device, kLeftColumn, "Calvex versione " + edition.version + " - " + edition.date);
    device.endLine();
    paragraph(device, kLeftColumn,
              "Ogni caso \u00e8 un archivio di dati e un testo che ricava a mano, dalle formule del metodo, i "
              "valori attesi; il programma calcola l'archivio come calvex-batch verifica e ogni valore ottenuto "
              "\u00e8 confrontato con quello atteso: i numeri al centesimo, i testi carattere per carattere.");
    device.endLine();
    const int failedCases = static_cast<int>(
        std::count_if(outcomes.begin(), outcomes.end(), [](const CaseOutcome& outcome) { return !outcome.passed(); }));
    line(
        device, kLeftColumn,
        "casi: " + std::to_string(outcomes.size()) + "    valori controllati: " + std::to_string(valueCount(outcomes)));
    line(device, kLeftColumn,
         failedCases == 0 ? std::string("esito: tutti i casi superati")
                          : "esito: casi non superati: " + std::to_string(failedCases));
    device.endLine();
    device.setFontSize(frameTableSize);
    keepRoom(device, 2);
    device.printAtColumn(kLeftColumn, "caso");
    rightAligned(device, kDifferenceEnd, "valori");
    device.printAtColumn(kOutcomeColumn, "esito");
    device.endLine();
    device.endLine();
    for (const CaseOutcome& outcome : outcomes) {
        keepRoom(device, 1);
        device.printAtColumn(kLeftColumn,
                             outcome.validationCase.name.substr(0, 2) + "  " + outcome.validationCase.title);
        rightAligned(device, kDifferenceEnd, std::to_string(outcome.validationCase.expected.size()));
        device.printAtColumn(kOutcomeColumn, outcomeWord(outcome));
        device.endLine();
    }
    printPageFooter(device);
}

void printTableHeadings(TextDevice& device) {
    keepRoom(device, 3);
    device.printAtColumn(kSetColumn, "grandezza");
    rightAligned(device, kStoreyEnd, "piano");
    rightAligned(device, kWallEnd, "setto");
    rightAligned(device, kExpectedEnd, "atteso");
    rightAligned(device, kObtainedEnd, "ottenuto");
    rightAligned(device, kDifferenceEnd, "differenza");
    device.printAtColumn(kOutcomeColumn, "esito");
    device.endLine();
    device.endLine();
}

// What each quantity of the case texts is, in the words of the printouts.
// clang-format off
constexpr std::array<std::pair<std::string_view, std::string_view>, 65> kQuantityLabels{{
    {"area", "area del setto (mq)"},          {"normalForce", "sforzo normale N (t)"},
    {"baseStress", "tensione alla base"},      {"tieStressV", "tensione tiranti vert."},
    {"tieStressH", "tensione tiranti orizz."}, {"selfWeightShare", "peso proprio (t)"},
    {"slabLoad", "carichi sismici (t)"},       {"shearModulus", "modulo G (t/mq)"},
    {"stiffnessX", "rigidezza Kx"},            {"stiffnessY", "rigidezza Ky"},
    {"armX", "braccio in X (m)"},              {"armY", "braccio in Y (m)"},
    {"torsionForce", "forza da torsione (t)"}, {"storeyShareX", "quota forza X (t)"},
    {"storeyShareY", "quota forza Y (t)"},     {"horizontalForceX", "forza orizzontale X (t)"},
    {"horizontalForceY", "forza orizzontale Y (t)"}, {"fullLoad", "carico pieno (t)"},
    {"staticStress", "tensione statica so"},   {"ultimateShearX", "taglio ultimo Tu X (t)"},
    {"ultimateShearY", "taglio ultimo Tu Y (t)"}, {"eccentricity", "eccentricità di N (m)"},
    {"maxStress", "sigma massima (t/mq)"},     {"minStressText", "sigma minima"},
    {"verdict", "esito del setto"},            {"shearCheckText", "verifica a taglio"},
    {"sigmaCheckText", "verifica a compressione"}, {"sectionCheckText", "verifica della sezione"},
    {"massCentreX", "baricentro masse xm (m)"}, {"massCentreY", "baricentro masse ym (m)"},
    {"storeyHeight", "altezza del piano (m)"}, {"storeyWeight", "peso del piano (t)"},
    {"levelHeight", "quota del livello (m)"},  {"distributionCoeff", "coeff. di distribuzione"},
    {"storeyForce", "forza di piano (t)"},     {"storeyShear", "taglio di piano (t)"},
    {"stiffCentreX", "centro rigidezze xr (m)"}, {"stiffCentreY", "centro rigidezze yr (m)"},
    {"eccX", "eccentricità ex (m)"},           {"eccY", "eccentricità ey (m)"},
    {"sumKxArm2", "somma Kx braccio²"},        {"sumKxList", "somma Kx"},
    {"sumKyArm2", "somma Ky braccio²"},        {"sumKyList", "somma Ky"},
    {"polarMoment", "momento polare Jp"},      {"torsionTotalForce", "forza torsione agg. (t)"},
    {"torsionMoment", "momento torsione agg."}, {"sumShareX", "somma quote X (t)"},
    {"sumShareY", "somma quote Y (t)"},        {"sumTuX", "somma Tu X (t)"},
    {"sumTuY", "somma Tu Y (t)"},              {"safetyX", "coeff. sicurezza X"},
    {"safetyY", "coeff. sicurezza Y"},         {"totalWeight", "peso totale (t)"},
    {"massHeight", "quota baricentro (m)"},    {"totalForce", "forza totale (t)"},
    {"forceHeight", "quota della risultante"}, {"sideLong", "lato D della pianta (m)"},
    {"sideShort", "lato B della pianta (m)"},  {"lambda", "coefficiente lambda"},
    {"shearFailList", "setti non verif. taglio"}, {"sigmaFailList", "setti non verif. sigma"},
    {"sectionFailList", "setti sez. parzializzata"}, {"storeyVerdict", "esito del piano"},
    {"buildingVerdict", "esito dell'edificio"},
}};
// clang-format on

// The quantity in the printouts' words; a name the list lacks as the case
// text writes it.
std::string_view quantityLabel(std::string_view quantity) {
    for (const auto& [name, label] : kQuantityLabels)
        if (name == quantity) return label;
    return quantity;
}

std::string indexText(int index) { return index == 0 ? "-" : std::to_string(index); }

// Level 0 is a storey of its own for the storey quantities (the weight at
// the foot of the walls of storey 1).
std::string storeyText(const ExpectedValue& expected) {
    const bool storeyQuantity = std::any_of(kFloorResultNumbers.begin(), kFloorResultNumbers.end(),
                                            [&](const auto& field) { return field.name == expected.quantity; });
    return storeyQuantity && expected.wall == 0 ? std::to_string(expected.storey) : indexText(expected.storey);
}

std::string quoted(const std::string& text) { return '"' + text + '"'; }

// A long text at the table size, cut into pieces as wide as the line
// leaves (the blanks of a text are kept, so it is cut between characters).
void printLongText(TextDevice& device, std::string_view label, std::string_view text) {
    constexpr int kTextColumn = kWallEnd + 2;
    const std::size_t room = static_cast<std::size_t>(pageBoxWidth / device.characterWidth() - kTextColumn -
                                                      static_cast<int>(label.size()) - 2);
    for (std::size_t start = 0; start == 0 || start < text.size(); start += room) {
        keepRoom(device, 1);
        device.printAtColumn(kTextColumn, start == 0 ? label : std::string(label.size(), ' '));
        device.printText(text.substr(start, room));
        device.endLine();
    }
}

void printRow(TextDevice& device, const CheckedValue& value) {
    const std::string expected = value.expected.isText ? quoted(value.expected.text) : value.expected.text;
    const std::string obtained =
        value.obtained && value.obtained->isText ? quoted(value.obtainedText()) : value.obtainedText();
    const bool inColumns = expected.size() <= kShortText && obtained.size() <= kShortText;
    keepRoom(device, inColumns ? 1 : 3);
    device.printAtColumn(kSetColumn, quantityLabel(value.expected.quantity));
    rightAligned(device, kStoreyEnd, storeyText(value.expected));
    rightAligned(device, kWallEnd, indexText(value.expected.wall));
    if (inColumns) {
        rightAligned(device, kExpectedEnd, expected);
        rightAligned(device, kObtainedEnd, obtained);
        rightAligned(device, kDifferenceEnd, value.differenceText());
    }
    device.printAtColumn(kOutcomeColumn, value.passed ? "ok" : "ERRATO");
    device.endLine();
    if (inColumns) return;
    printLongText(device, "atteso:   ", expected);
    printLongText(device, "ottenuto: ", obtained);
}

void printCase(TextDevice& device, const CaseOutcome& outcome) {
    const ValidationCase& validationCase = outcome.validationCase;
    device.newPage();
    title(device);
    device.setFontSize(frameHeadingSize);
    paragraph(device, kLeftColumn, "Caso " + validationCase.name.substr(0, 2) + ": " + validationCase.title);
    device.endLine();
    device.setFontSize(kTextSize);
    paragraph(device, kLeftColumn, "Scopo: " + validationCase.purpose);
    paragraph(device, kLeftColumn, "Fonte: " + validationCase.source);
    paragraph(device, kLeftColumn, "Dati: " + validationCase.inputSummary);
    paragraph(device, kLeftColumn,
              "Archivio: " + validationCase.name + "/" + kCaseArchiveName + "; calcolo a mano: " + validationCase.name +
                  "/" + kCaseTextName);
    device.endLine();
    if (!outcome.problem.empty()) {
        paragraph(device, kLeftColumn, "Caso non eseguito: " + outcome.problem);
    } else {
        device.setFontSize(frameTableSize);
        printTableHeadings(device);
        for (const CheckedValue& value : outcome.values) printRow(device, value);
        device.endLine();
        device.setFontSize(kTextSize);
        const int failed = outcome.failedCount();
        line(device, kLeftColumn,
             failed == 0 ? std::string("esito del caso: superato")
                         : "esito del caso: NON SUPERATO, valori errati: " + std::to_string(failed));
    }
    printPageFooter(device);
}

} // namespace

void printCasebook(TextDevice& device, const std::vector<CaseOutcome>& outcomes, const CasebookEdition& edition) {
    printSummary(device, outcomes, edition);
    for (const CaseOutcome& outcome : outcomes) printCase(device, outcome);
    device.endDocument();
}

} // namespace calvex::cli
