#include <gtest/gtest.h>
#include <QFileInfo>
#include <QTemporaryDir>

#include "model/bounded_file.h"
#include "model/durable_file.h"
#include "print/qt/local_path.h"

namespace calvex {
namespace {

// A name chosen in a dialog reaches the file layer with its accents whole:
// the file is found under the very name the user sees.
TEST(LocalPath, AccentedNamesReachTheFileLayerWhole) {
    const QTemporaryDir folder;
    const QString name = folder.filePath(QStringLiteral("Calvex-dati-citt\u00e0 di l\u00e0 \u2013 \u00e8"));
    const DurableWriteResult written = writeFileDurably(qt::localPath(name), "dati");
    ASSERT_TRUE(written.ok) << written.error;
    EXPECT_TRUE(QFileInfo::exists(name));
    EXPECT_EQ(readBoundedFile(qt::localPath(name), 100).bytes, "dati");
}

} // namespace
} // namespace calvex
