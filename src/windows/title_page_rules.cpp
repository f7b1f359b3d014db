#include "title_page_rules.h"

#include <QLocale>
#include <algorithm>
#include <array>

namespace calvex {

namespace {

constexpr std::array kTextsOfFirstTest{TitleField::progetto,  TitleField::localita,  TitleField::committente,
                                       TitleField::architettonico, TitleField::direttore, TitleField::allegati};
constexpr std::array kTextsOfSecondTest{TitleField::progetto,  TitleField::localita, TitleField::committente,
                                        TitleField::architettonico, TitleField::direttore, TitleField::data,
                                        TitleField::allegati};

} // namespace

bool exceedsPrintLimit(const QString& text) {
    return text.toUcs4().size() > kTitleTextPrintLimit;
}

QString titlePageDate(const QDate& date) {
    return QLocale(QLocale::Italian).toString(date, QStringLiteral("dddd, d MMM yyyy"));
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
