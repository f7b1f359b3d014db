#pragma once
// The two verdict texts of the results window.

#include <QString>

#include "model/project_data.h"

namespace calvex {

inline const QString kBuildingNotYetChecked = QStringLiteral("verifica edificio");
inline const QString kBuildingVerified = QStringLiteral("edificio verificato");
inline const QString kBuildingNotVerified = QStringLiteral("edificio non verificato");
inline const QString kResultsNotCurrent = QStringLiteral("risultati non aggiornati");

// "piano n. 3 verificato" when both coefficients, as the window shows
// them, read at least 1; "piano n. 3 non verificato" otherwise.
QString storeyVerdictText(int storey, const QString& shownSafetyX, const QString& shownSafetyY);
// Verified when no storey in use has a coefficient below 1 or never computed.
QString buildingVerdictText(const ProjectData& project);

} // namespace calvex
