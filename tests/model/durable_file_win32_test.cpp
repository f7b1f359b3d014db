#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "model/bounded_file.h"
#include "model/durable_file.h"
#include "support/special_files.h"
#include "support/temporary_folder.h"

namespace calvex {
namespace {

namespace fs = std::filesystem;

class DurableFileWindows : public testing::TemporaryFolderTest {};

TEST_F(DurableFileWindows, WhatMustNotBeReplacedIsRefusedAndLeftAlone) {
    const fs::path locked = folder_ / "Calvex-dati-bloccato";
    put(locked, "kept");
    // The read-only mark of the file's properties.
    fs::permissions(locked, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    DurableWriteResult result = writeFileDurably(locked, "new");
    EXPECT_EQ(result.error, "impossibile salvare il file: il file \u00e8 di sola lettura");
    EXPECT_EQ(contents(locked), "kept");

    EXPECT_EQ(writeFileDurably(folder_, "new").error,
              "impossibile salvare il file: il nome scelto indica una cartella");
    for (const fs::path& special : {testing::idlePipe(folder_), fs::path("NUL")}) {
        result = writeFileDurably(special, "new");
        EXPECT_EQ(result.error, "impossibile salvare il file: il nome scelto non indica un file ordinario")
            << special.string();
    }
    EXPECT_FALSE(writeFileDurably(locked / "sotto", "new").ok);
    EXPECT_EQ(names(), std::vector<std::string>{"Calvex-dati-bloccato"});
    // Windows removes no read-only file, the test folder's neither.
    fs::permissions(locked, fs::perms::owner_write, fs::perm_options::add);
}

TEST_F(DurableFileWindows, NamesWithAccentsAndLongNamesAreWrittenAndReadBack) {
    for (const fs::path& name : {fs::path(u8"Calvex-dati-citt\u00e0-\u00e8"), fs::path(std::string(200, 'n'))}) {
        const fs::path target = folder_ / name;
        put(target, "old");
        const DurableWriteResult written = writeFileDurably(target, "new");
        ASSERT_TRUE(written.ok) << written.error;
        const BoundedFile read = readBoundedFile(target, 100);
        EXPECT_EQ(read.bytes, "new") << read.problem;
        EXPECT_EQ(fs::directory_iterator(folder_)->path().filename(), name);
        fs::remove(target);
    }
}

} // namespace
} // namespace calvex
