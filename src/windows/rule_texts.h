#pragma once
// The rules speak UTF-8 std::string and std::chrono dates; the widgets
// QString and QDate. The conversion happens here, at the edge of the windows.

#include <QDate>
#include <QString>
#include <chrono>
#include <string>
#include <string_view>

namespace calvex {

inline QString qtText(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string utf8(const QString& text) { return text.toStdString(); }

inline std::chrono::year_month_day yearMonthDay(const QDate& date) {
    return {std::chrono::year(date.year()), std::chrono::month(static_cast<unsigned>(date.month())),
            std::chrono::day(static_cast<unsigned>(date.day()))};
}

} // namespace calvex
