// Italian descriptions of why a run stopped.

#include <string>

#include "engine.h"

namespace calvex {

namespace {

std::string phaseName(Phase phase) {
    switch (phase) {
        case Phase::Preparation:
            return "preparazione";
        case Phase::BuildingPlan:
            return "dimensioni in pianta dell'edificio";
        case Phase::TieStresses:
            return "tensioni dovute ai tiranti";
        case Phase::WallLoads:
            return "carichi dei setti e baricentro delle masse";
        case Phase::Stiffness:
            return "rigidezze e baricentro delle rigidezze";
        case Phase::StoreyWeights:
            return "pesi dei piani";
        case Phase::SeismicForces:
            return "forze sismiche";
        case Phase::Torsion:
            return "momento torcente";
        case Phase::ForceSharing:
            return "ripartizione delle forze";
        case Phase::SafetyCoefficients:
            return "coefficienti di sicurezza";
        case Phase::Eccentricity:
            return "eccentricit\u00e0 e tensione massima";
        case Phase::Checks:
            return "verifiche dei setti";
    }
    return {};
}

std::string place(const RunOutcome& outcome) {
    std::string text;
    if (outcome.storey > 0) text += " al piano " + std::to_string(outcome.storey);
    if (outcome.wall > 0) text += ", setto " + std::to_string(outcome.wall);
    return text;
}

} // namespace

std::string RunOutcome::describe() const {
    switch (reason) {
        case StopReason::None:
            return {};
        case StopReason::LiveCalculationOff:
            return "calcolo automatico disattivato";
        case StopReason::GradoMissing:
            return "grado di sismicit\u00e0 mancante o non numerico";
        case StopReason::EmptyDimension:
            return "misura in direzione X o Y mancante" + place(*this);
        case StopReason::ZeroWeightedHeights:
            return "pesi dei piani per le altezze a somma nulla";
        case StopReason::DivisionByZero:
            return "divisione per zero nel calcolo: " + phaseName(phase) + place(*this);
        case StopReason::NegativeSquareRoot:
            return "radice di un numero negativo nel calcolo: " + phaseName(phase) + place(*this);
        case StopReason::OutOfRange:
            return "valore fuori scala nel calcolo: " + phaseName(phase) + place(*this);
    }
    return {};
}

} // namespace calvex
