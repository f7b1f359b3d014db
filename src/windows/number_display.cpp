#include "windows/number_display.h"

#include <QLocale>

#include "model/numeric_text.h"

namespace calvex {

QString displayNumber(double value) {
    QString text = QString::fromStdString(numberFieldText(value));
    return text.replace(QLatin1Char('.'), QLocale().decimalPoint());
}

QString displayResult(const ResultValue& value) { return value.isNumber() ? displayNumber(value.number()) : QString(); }

} // namespace calvex
