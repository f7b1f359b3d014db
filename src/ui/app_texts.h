#pragma once
// The program-wide texts, set once and read by every window.

#include <QString>

#include "rules/window_message.h"

namespace calvex::app {

inline const QString kProductName = QStringLiteral("Calvex");
inline const QString kSubtitle = QStringLiteral("verifica di edifici in muratura in zona sismica");
inline const QString kVersion = QStringLiteral("3.04.05");
inline const QString kReleaseDate = QStringLiteral("08-05-1999");
inline const QString kBuildCode = QStringLiteral("281211");
// The message-box titles are the rules' own, shared with them.
inline const QString kCheckTitle = QString::fromUtf8(calvex::kCheckTitle.data(), calvex::kCheckTitle.size());
inline const QString kHelpTitle = QString::fromUtf8(calvex::kHelpTitle.data(), calvex::kHelpTitle.size());

// Design sizes of the windows, in twips.
inline constexpr int kWorkWindowWidth = 9600;
inline constexpr int kWorkWindowHeight = 6825;

} // namespace calvex::app
