#pragma once
// Numbers as display-only fields show them: the shortest form in the
// user's locale (decimal comma on an Italian system), no grouping, no
// leading blank. Entry fields never use this form.

#include <QString>

#include "model/results.h"

namespace calvex {

QString displayNumber(double value);
// A result: its number, or nothing when it was never written or cleared.
QString displayResult(const ResultValue& value);

} // namespace calvex
