#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "model/bounded_file.h"
#include "support/hang_guard.h"
#include "support/special_files.h"
#include "support/temporary_folder.h"

namespace calvex {
namespace {

namespace fs = std::filesystem;

class BoundedFileTest : public testing::TemporaryFolderTest {};

TEST_F(BoundedFileTest, ReadsARegularFileUpToTheLimitWhole) {
    put(folder_ / "dieci", "0123456789");
    BoundedFile read = readBoundedFile(folder_ / "dieci", 10);
    EXPECT_TRUE(read.isRead());
    EXPECT_EQ(read.bytes, "0123456789");
    EXPECT_EQ(read.problem, "");

    put(folder_ / "vuoto", "");
    read = readBoundedFile(folder_ / "vuoto", 10);
    EXPECT_TRUE(read.isRead());
    EXPECT_EQ(read.bytes, "");

    read = readBoundedFile(folder_ / "nessuno", 10);
    EXPECT_EQ(read.status, BoundedFile::Status::missing);
    EXPECT_EQ(read.problem, "il file non esiste");
}

TEST_F(BoundedFileTest, RefusesAFileOverTheLimitNamingTheLimit) {
    put(folder_ / "grande", std::string(64 * 1024 + 1, 'x'));
    BoundedFile read = readBoundedFile(folder_ / "grande", 64 * 1024);
    EXPECT_EQ(read.status, BoundedFile::Status::tooLarge);
    EXPECT_EQ(read.problem, "il file \u00e8 pi\u00f9 grande di 64 kB");
    EXPECT_TRUE(read.bytes.empty());

    read = readBoundedFile(folder_ / "grande", 1000);
    EXPECT_EQ(read.problem, "il file \u00e8 pi\u00f9 grande di 1000 byte");
}

TEST_F(BoundedFileTest, RefusesFoldersPipesAndDevicesAtOnce) {
    const testing::HangGuard guard;
    BoundedFile read = readBoundedFile(folder_, 100);
    EXPECT_EQ(read.status, BoundedFile::Status::unreadable);
    EXPECT_EQ(read.problem, "il nome indica una cartella");

    // A pipe nobody writes to would block an ordinary open for ever.
    const fs::path pipe = testing::idlePipe(folder_);
    ASSERT_FALSE(pipe.empty());
    read = readBoundedFile(pipe, 100);
    EXPECT_EQ(read.status, BoundedFile::Status::unreadable);
    EXPECT_EQ(read.problem, "il nome non indica un file ordinario");

    for (const std::string& device : testing::endlessDevices()) {
        read = readBoundedFile(device, 100);
        EXPECT_EQ(read.problem, "il nome non indica un file ordinario") << device;
    }
}

} // namespace
} // namespace calvex
