#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "platform/qt_platform.h"

namespace calvex::testing {
namespace {

TEST(UnusedFileName, NeverAFileThatIsThere) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QDir dir(folder.path());
    const auto next = [&] {
        return unusedFileName(folder.path(), QStringLiteral("Relazione di calcolo"), QStringLiteral(".odt"));
    };
    EXPECT_EQ(next(), dir.filePath(QStringLiteral("Relazione di calcolo.odt")));
    for (int copy = 1; copy <= 3; ++copy) {
        QFile file(next());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    EXPECT_EQ(next(), dir.filePath(QStringLiteral("Relazione di calcolo (4).odt")));
    EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("Relazione di calcolo (2).odt"))));
}

} // namespace
} // namespace calvex::testing
