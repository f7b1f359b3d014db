#pragma once
// The Qt devices need a QGuiApplication; the print tests run without a
// display. Where that platform sees no fonts of the system (Windows), the
// Liberation fonts are loaded from their files, as in the window tests.

#include <QDir>
#include <QFontDatabase>
#include <QGuiApplication>

namespace calvex::testing {

inline void ensureGuiApplication() {
    if (QGuiApplication::instance() != nullptr) return;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "calvex_print_tests";
    static char* argv[] = {name, nullptr};
    static QGuiApplication application(argc, argv);
    if (QFontDatabase::hasFamily(QStringLiteral("Liberation Mono"))) return;
    const QDir fonts(QStringLiteral("/usr/share/fonts/truetype/liberation2"));
    for (const QString& file : fonts.entryList({QStringLiteral("*.ttf")}))
        QFontDatabase::addApplicationFont(fonts.filePath(file));
}

} // namespace calvex::testing
