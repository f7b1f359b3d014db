#include "rules/title_page_rules.h"

#include <algorithm>
#include <array>

namespace calvex {

namespace {

constexpr std::array kTextsOfFirstTest{TitleField::progetto,       TitleField::localita,  TitleField::committente,
                                       TitleField::architettonico, TitleField::direttore, TitleField::allegati};
constexpr std::array kTextsOfSecondTest{TitleField::progetto,       TitleField::localita,  TitleField::committente,
                                        TitleField::architettonico, TitleField::direttore, TitleField::data,
                                        TitleField::allegati};

// Sunday first, as std::chrono::weekday counts.
constexpr std::array<std::string_view, 7> kWeekdays{"domenica", "lunedì",  "martedì", "mercoledì",
                                                    "giovedì",  "venerdì", "sabato"};
constexpr std::array<std::string_view, 12> kMonths{"gen", "feb", "mar", "apr", "mag", "giu",
                                                   "lug", "ago", "set", "ott", "nov", "dic"};

} // namespace

bool exceedsPrintLimit(std::string_view text) {
    // Every byte but the continuation bytes (10xxxxxx) starts a character.
    const auto characters =
        std::ranges::count_if(text, [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; });
    return characters > kTitleTextPrintLimit;
}

std::string titlePageDate(std::chrono::year_month_day date) {
    const std::chrono::weekday weekday{std::chrono::sys_days(date)};
    return std::string(kWeekdays[weekday.c_encoding()]) + ", " + std::to_string(static_cast<unsigned>(date.day())) +
           " " + std::string(kMonths[static_cast<unsigned>(date.month()) - 1]) + " " +
           std::to_string(static_cast<int>(date.year()));
}

WindowMessage checkTitlePage(const ProjectData& project) {
    const auto isEmpty = [&project](TitleField field) { return project.title(field).empty(); };
    if (std::ranges::all_of(kTextsOfFirstTest, isEmpty))
        return {std::string(kMessageNoTitleData), MessageIcon::question};
    if (std::ranges::any_of(kTextsOfSecondTest, isEmpty))
        return {std::string(kMessageTitleIncomplete), MessageIcon::exclamation};
    return {std::string(kMessageTitleComplete), MessageIcon::information};
}

} // namespace calvex
