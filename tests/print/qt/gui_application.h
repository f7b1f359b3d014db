#pragma once
// The Qt devices need a QGuiApplication; the print tests run without a display.

#include <QGuiApplication>

namespace calvex::testing {

inline void ensureGuiApplication() {
    if (QGuiApplication::instance() != nullptr) return;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "calvex_print_tests";
    static char* argv[] = {name, nullptr};
    static QGuiApplication application(argc, argv);
}

} // namespace calvex::testing
