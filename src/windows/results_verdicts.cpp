#include "windows/results_verdicts.h"

#include <QLocale>

#include "engine/engine.h"
#include "model/numeric_text.h"

namespace calvex {

namespace {

// A shown number read back in the user's locale; a text that is not a
// number reads 0.
double shownNumber(const QString& text) {
    bool ok = false;
    const double value = QLocale().toDouble(text, &ok);
    return ok ? value : 0.0;
}

} // namespace

QString storeyVerdictText(int storey, const QString& shownSafetyX, const QString& shownSafetyY) {
    const bool verified = shownNumber(shownSafetyX) >= 1 && shownNumber(shownSafetyY) >= 1;
    return QStringLiteral("piano n.") + QString::fromStdString(str(storey)) +
           (verified ? QStringLiteral(" verificato") : QStringLiteral(" non verificato"));
}

QString buildingVerdictText(const ProjectData& project) {
    return buildingVerified(project) ? kBuildingVerified : kBuildingNotVerified;
}

} // namespace calvex
