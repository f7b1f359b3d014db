// The main of the window tests: an offscreen application with the
// Liberation fonts loaded from their files, so that text widths are the
// same on every machine.

#include <gtest/gtest.h>
#include <QApplication>
#include <QDir>
#include <QFontDatabase>
#include <QTemporaryDir>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The user's data folder (and so the trash) of the tests is their own.
    QTemporaryDir dataHome;
    qputenv("XDG_DATA_HOME", dataHome.path().toUtf8());
    QApplication application(argc, argv);
    const QDir fonts(QStringLiteral("/usr/share/fonts/truetype/liberation2"));
    for (const QString& file : fonts.entryList({QStringLiteral("*.ttf")}))
        QFontDatabase::addApplicationFont(fonts.filePath(file));
    QApplication::setFont(QFont(QStringLiteral("Liberation Sans"), 8));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
