#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
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

class DurableFile : public testing::TemporaryFolderTest {
protected:
    std::vector<std::string> names() const {
        std::vector<std::string> found;
        for (const auto& entry : fs::directory_iterator(folder_)) found.push_back(entry.path().filename().string());
        std::sort(found.begin(), found.end());
        return found;
    }
};

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

TEST_F(DurableFile, ALinkIsWrittenThroughAndStaysALink) {
    fs::create_directories(folder_ / "archivi");
    const fs::path real = folder_ / "archivi" / "Calvex-dati-vero";
    put(real, "old");
    fs::permissions(real, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    // A relative link to a relative link.
    fs::create_symlink("archivi/Calvex-dati-vero", folder_ / "intermedio");
    fs::create_symlink("intermedio", folder_ / "Calvex-dati-collegamento");

    const DurableWriteResult result = writeFileDurably(folder_ / "Calvex-dati-collegamento", "new");
    ASSERT_TRUE(result.ok) << result.error;
    EXPECT_TRUE(fs::is_symlink(folder_ / "Calvex-dati-collegamento"));
    EXPECT_TRUE(fs::is_symlink(folder_ / "intermedio"));
    EXPECT_EQ(contents(real), "new");
    EXPECT_EQ(fs::status(real).permissions(), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(names(), (std::vector<std::string>{"Calvex-dati-collegamento", "archivi", "intermedio"}));

    fs::create_symlink("Calvex-dati-giro", folder_ / "Calvex-dati-giro");
    EXPECT_EQ(writeFileDurably(folder_ / "Calvex-dati-giro", "x").error,
              "impossibile salvare il file: troppi collegamenti simbolici nel nome");
}

TEST_F(DurableFile, WhatMustNotBeReplacedIsRefusedAndLeftAlone) {
    const fs::path locked = folder_ / "Calvex-dati-bloccato";
    put(locked, "kept");
    fs::permissions(locked, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    DurableWriteResult result = writeFileDurably(locked, "new");
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.error, "impossibile salvare il file: il file \u00e8 di sola lettura");
    EXPECT_EQ(contents(locked), "kept");

    const fs::path pipe = folder_ / "tubo";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    result = writeFileDurably(pipe, "new");
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(fs::is_fifo(pipe));

    EXPECT_FALSE(writeFileDurably(folder_ / "Calvex-dati-bloccato" / "sotto", "new").ok);
    EXPECT_EQ(names(), (std::vector<std::string>{"Calvex-dati-bloccato", "tubo"}));
}

} // namespace
} // namespace calvex
