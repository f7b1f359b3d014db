#pragma once
// The program-wide texts, set once and read by every window.

#include <QString>

namespace calvex::app {

inline const QString kProductName = QStringLiteral("Calvex");
inline const QString kSubtitle = QStringLiteral("verifica di edifici in muratura in zona sismica");
inline const QString kVersion = QStringLiteral("3.04.05");
inline const QString kReleaseDate = QStringLiteral("08-05-1999");
inline const QString kBuildCode = QStringLiteral("281211");
inline const QString kCheckTitle = QStringLiteral("Calvex: controllo dati immessi nella finestra attiva");
inline const QString kHelpTitle = QStringLiteral("Calvex: aiuto in linea");

// Design sizes of the windows, in twips.
inline constexpr int kWorkWindowWidth = 9600;
inline constexpr int kWorkWindowHeight = 6825;

} // namespace calvex::app
