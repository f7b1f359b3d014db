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

class DurableFilePosix : public testing::TemporaryFolderTest {};

TEST_F(DurableFilePosix, ALinkIsWrittenThroughAndStaysALink) {
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

TEST_F(DurableFilePosix, WhatMustNotBeReplacedIsRefusedAndLeftAlone) {
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
