#include "rules/general_entry.h"

#include <array>
#include <cmath>
#include <stdexcept>
#include <utility>

#include "model/numeric_text.h"

namespace calvex {

namespace {

// The hint and the check name a missing general value with the same text.
std::string_view missingValueMessage(GeneralField field) {
    switch (field) {
        case GeneralField::grado:
            return "Immettere il grado di sismicit\u00e0.";
        case GeneralField::strutt:
            return "Digitare il coefficiente di struttura.";
        case GeneralField::riduz:
            return "Immettere il coefficiente di riduzione.";
        case GeneralField::protez:
            return "Immettere il coefficiente di protezione sismica.";
        case GeneralField::np:
            return "Digitare il numero massimo dei piani.";
        case GeneralField::numsetx:
            return "Digitare il numero massimo dei setti in direzione X.";
        case GeneralField::numsety:
            return "Digitare il numero massimo dei setti in direzione Y.";
        case GeneralField::wallCount:
            break;
    }
    throw std::invalid_argument("wallCount has no field");
}

constexpr std::array<std::string_view, kFloorFieldCount> kNotSignificantMessages{
    "Digitare un valore significativo per il peso specifico della muratura al piano n.",
    "Digitare un valore significativo per il carico permanente dei solai al piano n.",
    "Digitare un valore significativo per il sovraccarico accidentale dei solai al piano n.",
    "Digitare un valore significativo per il carico permanente degli sbalzi al piano n.",
    "Digitare un valore significativo per il sovraccarico accidentale degli sbalzi al piano n.",
    "Digitare un valore significativo per l'altezza del piano n.",
};

// A count typed into np, numsetx or numsety: its number when that is a
// whole number of at least 1 ("3,0" counts 3), otherwise nothing.
std::optional<double> countOf(std::string_view text) {
    const double number = readTypedNumber(text);
    if (number < 1 || number != std::floor(number)) return std::nullopt;
    return number;
}

WindowMessage critical(std::string_view text) { return {std::string(text), MessageIcon::critical}; }

FieldChangeOutcome refuse(std::string& fieldText) {
    fieldText.clear();
    FieldChangeOutcome outcome;
    outcome.emptied = true;
    return outcome;
}

FieldChangeOutcome changeStoreyCount(ProjectData& project, GeneralFieldTexts& texts) {
    const std::optional<double> count = countOf(texts.np);
    // Emptying the field is itself a change, which disables the storey column.
    if (!count || *count > kMaxStoreys) {
        FieldChangeOutcome outcome = refuse(texts.np);
        outcome.storeyColumn = StoreyColumn::disabled;
        if (count) outcome.message = critical(kMessageTooManyStoreys);
        return outcome;
    }
    project.setGeneral(GeneralField::np, FieldValue::text(texts.np));
    project.introduceStoreys(static_cast<int>(*count));
    project.currentFloor = 1;
    FieldChangeOutcome outcome;
    outcome.storeyColumn = StoreyColumn::enabled;
    outcome.showStorey = true;
    outcome.updateHint = true;
    return outcome;
}

FieldChangeOutcome changeWallCount(ProjectData& project, std::string& fieldText, GeneralField own, GeneralField other) {
    const std::optional<double> count = countOf(fieldText);
    if (!count) return refuse(fieldText);
    const double total = *count + project.general(other).typedNumber();
    if (total > kMaxWalls) {
        FieldChangeOutcome outcome = refuse(fieldText);
        outcome.message = critical(kMessageTooManyWalls);
        return outcome;
    }
    project.setGeneral(own, FieldValue::real(*count));
    project.setGeneral(GeneralField::wallCount, FieldValue::real(total));
    FieldChangeOutcome outcome;
    outcome.updateHint = true;
    return outcome;
}

enum class Significance { significant, zeroOrUnset, notNumeric };

// A negative load or height is no more significant than 0.
Significance significanceOf(const FieldValue& value) {
    switch (value.kind()) {
        case FieldValue::Kind::Empty:
            return Significance::zeroOrUnset;
        case FieldValue::Kind::Integer:
        case FieldValue::Kind::Real:
            return value.numberValue() > 0 ? Significance::significant : Significance::zeroOrUnset;
        case FieldValue::Kind::Text:
            break;
    }
    if (!isNumericText(value.textValue())) return Significance::notNumeric;
    return readTypedNumber(value.textValue()) > 0 ? Significance::significant : Significance::zeroOrUnset;
}

// "piano n." followed by a blank and the storey number.
std::string storeyNumber(int storey) { return str(storey); }

struct StoreyValueProblem {
    WindowMessage message;
    int storey = 0;
};

// The first storey value that is not significant, storey by storey in the
// order of the fields, with the message the hint box shows for it.
std::optional<StoreyValueProblem> firstNotSignificantStoreyValue(const ProjectData& project) {
    const int storeys = project.storeyCount();
    for (int storey = 1; storey <= storeys; ++storey) {
        for (int f = 0; f < kFloorFieldCount; ++f) {
            const Significance significance = significanceOf(project.floor(storey, static_cast<FloorField>(f)));
            if (significance == Significance::significant) continue;
            const std::string number = storeyNumber(storey);
            return StoreyValueProblem{
                critical(significance == Significance::notNumeric
                             ? "Vi sono valori non significativi nei dati al piano n." + number + "."
                             : std::string(kNotSignificantMessages[f]) + number + "."),
                storey};
        }
    }
    return std::nullopt;
}

// grado, strutt, riduz and protez as the run reads them.
bool generalValueUsable(GeneralField field, const FieldValue& value) {
    if (value.isEmpty() || (value.isText() && !isNumericText(value.textValue()))) return false;
    const double number = value.typedNumber();
    if (field == GeneralField::strutt || field == GeneralField::protez) return number > 0;
    return number >= 0;
}

} // namespace

std::string& GeneralFieldTexts::operator[](GeneralField field) {
    return const_cast<std::string&>(std::as_const(*this)[field]);
}

const std::string& GeneralFieldTexts::operator[](GeneralField field) const {
    switch (field) {
        case GeneralField::grado:
            return grado;
        case GeneralField::strutt:
            return strutt;
        case GeneralField::riduz:
            return riduz;
        case GeneralField::protez:
            return protez;
        case GeneralField::np:
            return np;
        case GeneralField::numsetx:
            return numsetx;
        case GeneralField::numsety:
            return numsety;
        case GeneralField::wallCount:
            break;
    }
    throw std::invalid_argument("wallCount has no field");
}

FieldChangeOutcome applyGeneralFieldChange(ProjectData& project, GeneralFieldTexts& texts, GeneralField field,
                                           std::string text) {
    std::string& fieldText = texts[field];
    fieldText = std::move(text);
    switch (field) {
        case GeneralField::strutt:
            if (readTypedNumber(fieldText) == 0) return refuse(fieldText);
            [[fallthrough]];
        case GeneralField::grado:
        case GeneralField::riduz:
        case GeneralField::protez: {
            project.setGeneral(field, FieldValue::text(fieldText));
            FieldChangeOutcome outcome;
            outcome.updateHint = true;
            return outcome;
        }
        case GeneralField::np:
            return changeStoreyCount(project, texts);
        case GeneralField::numsetx:
            return changeWallCount(project, fieldText, field, GeneralField::numsety);
        case GeneralField::numsety:
            return changeWallCount(project, fieldText, field, GeneralField::numsetx);
        case GeneralField::wallCount:
            break;
    }
    throw std::invalid_argument("wallCount has no field");
}

void applyStoreyFieldChange(ProjectData& project, FloorField field, std::string text) {
    project.setFloor(project.currentFloor, field, FieldValue::text(std::move(text)));
}

SelectorOutcome selectGeneralStorey(ProjectData& project, const GeneralFieldTexts& texts, int value) {
    if (texts.np.empty()) return {SelectorStep::ignored, 0, std::nullopt};
    project.currentFloor = value;
    const int storeys = project.storeyCount();
    if (value > storeys) return {SelectorStep::refused, storeys, critical(kMessageNoMoreStoreys)};
    return {};
}

StoreyCopy planStoreyCopy(const ProjectData& project) {
    if (project.general(GeneralField::np).typedNumber() == project.currentFloor)
        return {critical(kMessageNoNextStorey)};
    return {std::nullopt, project.currentFloor, project.currentFloor + 1};
}

bool copyStoreyInputs(ProjectData& project, const StoreyCopy& copy) {
    if (copy.message || project.currentFloor != copy.to) return false;
    project.copyStoreyInputs(copy.from, copy.to);
    return true;
}

GeneralHint generalHint(const ProjectData& project, const GeneralFieldTexts& texts) {
    for (GeneralField field : kGeneralEntryOrder)
        if (texts[field].empty()) return {std::string(missingValueMessage(field)), std::nullopt, 0};

    if (auto problem = firstNotSignificantStoreyValue(project))
        return {
            "Controllare e correggere i dati del piano n." + storeyNumber(problem->storey) + " con valori attendibili.",
            std::move(problem->message), problem->storey};
    return {std::string(kHintAllEntered), std::nullopt, 0};
}

CheckResult checkGeneralData(const GeneralFieldTexts& texts, CheckMode mode) {
    for (GeneralField field : kGeneralEntryOrder)
        if (texts[field].empty())
            return {false, WindowMessage{std::string(missingValueMessage(field)), MessageIcon::question}};
    if (mode == CheckMode::silent) return {true, std::nullopt};
    return {true, WindowMessage{std::string(kMessageDataCorrect), MessageIcon::information}};
}

std::optional<ValueRefusal> checkSignificantValues(const ProjectData& project) {
    for (GeneralField field : {GeneralField::grado, GeneralField::strutt, GeneralField::riduz, GeneralField::protez})
        if (!generalValueUsable(field, project.general(field)))
            return ValueRefusal{critical(missingValueMessage(field)), 0};
    if (auto problem = firstNotSignificantStoreyValue(project))
        return ValueRefusal{std::move(problem->message), problem->storey};
    return std::nullopt;
}

} // namespace calvex
