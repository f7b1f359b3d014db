#include "text_report.h"

#include <iomanip>
#include <string>
#include <string_view>

#include "engine/engine.h"
#include "model/numeric_text.h"

namespace calvex::cli {

namespace {

constexpr int kCaptionWidth = 44;
constexpr int kValueWidth = 12;

// Values the engine rounds to the hundredth are shown with two decimals,
// the others as plain numbers; a value not computed shows nothing.
std::string rounded(const ResultValue& value) {
    return value.isNumber() ? formatFixed2(value.number(), kValueWidth) : std::string();
}

std::string plain(const ResultValue& value) {
    if (!value.isNumber()) return {};
    const std::string text = numberFieldText(value.number());
    return std::string(text.size() < kValueWidth ? kValueWidth - text.size() : 0, ' ') + text;
}

void row(std::ostream& out, std::string_view caption, const std::string& value) {
    out << std::left << std::setw(kCaptionWidth) << caption << value << '\n';
}

void printList(std::ostream& out, std::string_view caption, const FailureList& list) {
    out << caption << '\n' << "  " << list.str() << '\n';
}

} // namespace

void printTextReport(const ProjectData& project, std::ostream& out) {
    const BuildingResult& building = project.building();
    out << "RISULTATI GENERALI\n";
    row(out, "Peso totale dell'edificio...................t.", rounded(building.totalWeight));
    row(out, "Baricentro verticale delle masse....m.", rounded(building.massHeight));
    row(out, "Totale forze orizzontali....................t.", rounded(building.totalForce));
    row(out, "Centro delle forze orizzontali..........m.", rounded(building.forceHeight));
    row(out, "Dimensione maggiore (D)..............m.", plain(building.sideLong));
    row(out, "Dimensione minore (B)..................m.", plain(building.sideShort));
    row(out, "Valore di lambda..............................:", plain(building.lambda));

    const int storeys = project.storeyCount();
    for (int s = 1; s <= storeys; ++s) {
        const FloorResult& floor = project.floorResult(s);
        out << "\nPiano n." << str(s) << '\n';
        row(out, "Coefficiente di sicurezza (direz. X)", rounded(floor.safetyX));
        row(out, "Coefficiente di sicurezza (direz. Y)", rounded(floor.safetyY));
        out << "piano n." << str(s) << (storeyVerified(project, s) ? " verificato" : " non verificato") << '\n';
    }

    out << "\nSETTI DA MODIFICARE:\n";
    printList(out, "per forza ultima tagliante inferiore a forza orizz.agente",
              project.failureList(FailureKind::shear));
    printList(out, "per sigma ammissibile inferiore a sigma di lavoro", project.failureList(FailureKind::sigma));
    printList(out, "per sezione parzializzata (inserire tiranti verticali)", project.failureList(FailureKind::section));

    out << '\n' << (buildingVerified(project) ? "edificio verificato" : "edificio non verificato") << '\n';
}

} // namespace calvex::cli
