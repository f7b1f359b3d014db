#pragma once
// The rules of the title-page window, kept apart from its widgets: the
// length a printed title text may have, the date proposed for the report
// and the completeness check of the eight texts.

#include <chrono>
#include <string>
#include <string_view>

#include "model/project_data.h"
#include "rules/window_message.h"

namespace calvex {

inline constexpr int kTitleTextPrintLimit = 60;

inline constexpr std::string_view kMessageTitleTooLong =
    "Per una stampa corretta non digitare dati lunghi più di 60 spazi.";
inline constexpr std::string_view kMessageNoTitleData = "Non è stato immesso alcun dato.";
inline constexpr std::string_view kMessageTitleIncomplete = "Inserire dati in ogni campo.";
inline constexpr std::string_view kMessageTitleComplete = kMessageDataCorrect;

// More characters (not bytes) of the UTF-8 text than the report's title
// lines hold.
bool exceedsPrintLimit(std::string_view text);

// The date as the title page proposes it: weekday in full, day, abbreviated
// month and year, in Italian ("martedì, 8 dic 2026").
std::string titlePageDate(std::chrono::year_month_day date);

// The message of the completeness check. `luogo` takes part in no test and
// `data` only in the second; a text of blanks counts as filled in.
WindowMessage checkTitlePage(const ProjectData& project);

} // namespace calvex
