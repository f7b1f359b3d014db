#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "model/durable_file.h"
#include "support/temporary_folder.h"

namespace calvex {
namespace {

namespace fs = std::filesystem;

class DurableFile : public testing::TemporaryFolderTest {};

TEST_F(DurableFile, AFailureAtAnyStepLeavesTheOldFileWholeAndNoTemporaryFile) {
    const fs::path target = folder_ / "Calvex-dati-casa";
    put(target, "old contents");
    const std::string bytes(100000, 'x');

    // A disk that fills up half way.
    DurableFileSteps full = systemFileSteps();
    int calls = 0;
    full.write = [&calls](int fd, const void* data, std::size_t size) -> ssize_t {
        if (calls++ == 0) return ::write(fd, data, size / 2);
        errno = ENOSPC;
        return -1;
    };
    DurableWriteResult result = writeFileDurably(target, bytes, full);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.error, "impossibile salvare il file: spazio su disco esaurito");
    EXPECT_EQ(contents(target), "old contents");
    EXPECT_EQ(names(), std::vector<std::string>{"Calvex-dati-casa"});

    DurableFileSteps unsynced = systemFileSteps();
    unsynced.sync = [](int) {
        errno = EIO;
        return -1;
    };
    result = writeFileDurably(target, bytes, unsynced);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.error, "impossibile salvare il file: errore di scrittura sul disco");
    EXPECT_EQ(contents(target), "old contents");
    EXPECT_EQ(names(), std::vector<std::string>{"Calvex-dati-casa"});

    // A device that takes nothing and says no error.
    DurableFileSteps stuck = systemFileSteps();
    stuck.write = [](int, const void*, std::size_t) -> ssize_t { return 0; };
    EXPECT_FALSE(writeFileDurably(target, bytes, stuck).ok);
    EXPECT_EQ(contents(target), "old contents");
    EXPECT_EQ(names(), std::vector<std::string>{"Calvex-dati-casa"});

    ASSERT_TRUE(writeFileDurably(target, bytes).ok);
    EXPECT_EQ(contents(target), bytes);
}

TEST_F(DurableFile, TheTemporaryNameIsShortHiddenAndTheProgramsOwn) {
    // The longest name the file system takes.
    const fs::path target = folder_ / std::string(255, 'n');
    std::vector<std::string> seen;
    DurableFileSteps watched = systemFileSteps();
    watched.write = [&](int fd, const void* data, std::size_t size) {
        seen = names();
        return ::write(fd, data, size);
    };
    const DurableWriteResult result = writeFileDurably(target, "bytes", watched);
    ASSERT_TRUE(result.ok) << result.error;
    EXPECT_EQ(contents(target), "bytes");
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_TRUE(isDurableTemporaryName(seen[0])) << seen[0];
    EXPECT_EQ(seen[0][0], '.');
    EXPECT_LE(seen[0].size(), 24u);
    EXPECT_FALSE(isDurableTemporaryName("Calvex-dati-casa"));
    EXPECT_FALSE(isDurableTemporaryName(".calvex-ABCDEFGH.tmp"));
}

} // namespace
} // namespace calvex
