#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "archive_test_support.h"
#include "model/archive.h"
#include "support/special_files.h"
#include "support/temporary_folder.h"

namespace calvex {
namespace {

namespace fs = std::filesystem;

class ArchiveFile : public testing::TemporaryFolderTest {
protected:
    // Names in the folder, to see that no temporary file was left behind.
    int entries() const {
        return static_cast<int>(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()));
    }
};

TEST_F(ArchiveFile, SavingWritesTheEncodingAndReplacesTheOldFileKeepingItsPermissions) {
    const auto project = archive_test::sampleProject();
    const fs::path target = folder_ / "Calvex-dati-casa";
    ArchiveWriteResult result = writeArchiveFile(target, *project);
    ASSERT_TRUE(result.ok) << result.error;
    EXPECT_EQ(contents(target), encodeArchive(*project).bytes);
    EXPECT_EQ(entries(), 1);

    fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    const fs::perms kept = fs::status(target).permissions();
    project->setTitle(TitleField::progetto, "Casa \"Bianca\"");
    result = writeArchiveFile(target, *project);
    ASSERT_TRUE(result.ok) << result.error;
    EXPECT_EQ(result.alteredFields, std::vector<std::string>{"progetto"});
    EXPECT_EQ(fs::status(target).permissions(), kept);
    EXPECT_EQ(entries(), 1);

    auto back = std::make_unique<ProjectData>();
    const ArchiveReadResult read = readArchiveFile(target, *back);
    ASSERT_TRUE(read.complete) << read.problem;
    EXPECT_EQ(back->title(TitleField::progetto), "Casa 'Bianca'");
}

TEST_F(ArchiveFile, AFailedSaveLeavesEverythingAsItWas) {
    const auto project = archive_test::sampleProject();
    ArchiveWriteResult result = writeArchiveFile(folder_ / "missing" / "Calvex-dati-casa", *project);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.error, "impossibile salvare il file: la cartella scelta non esiste");
    EXPECT_EQ(entries(), 0);

    // A folder where the file should go cannot be replaced by it.
    const fs::path occupied = folder_ / "Calvex-dati-casa";
    fs::create_directories(occupied);
    put(occupied / "old", "old contents");
    result = writeArchiveFile(occupied, *project);
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.error.empty());
    EXPECT_EQ(contents(occupied / "old"), "old contents");
    EXPECT_EQ(entries(), 1);

    result = writeArchiveFile(folder_ / "", *project);
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.error.empty());
}

TEST_F(ArchiveFile, OpeningReportsWhyAFileCannotBeRead) {
    auto project = std::make_unique<ProjectData>();
    ArchiveReadResult result = readArchiveFile(folder_ / "nothing-here", *project);
    EXPECT_FALSE(result.complete);
    EXPECT_EQ(result.line, 0);
    EXPECT_EQ(result.problem, "impossibile aprire il file: il file non esiste");

    result = readArchiveFile(folder_, *project);
    EXPECT_FALSE(result.complete);
    EXPECT_EQ(result.line, 0);
    EXPECT_EQ(result.problem, "impossibile aprire il file: il nome indica una cartella");

    put(folder_ / "short", "\"9\",4,.33\r\n");
    result = readArchiveFile(folder_ / "short", *project);
    EXPECT_FALSE(result.complete);
    EXPECT_EQ(result.line, 2);
    EXPECT_EQ(result.field, 4);
    EXPECT_EQ(project->general(GeneralField::riduz), FieldValue::real(0.33));
}

TEST_F(ArchiveFile, OnlyRegularFilesOfABoundedSizeAreRead) {
    auto project = std::make_unique<ProjectData>();
    // A pipe nobody writes to is refused at once instead of waiting.
    const fs::path pipe = testing::idlePipe(folder_);
    ASSERT_FALSE(pipe.empty());
    ArchiveReadResult result = readArchiveFile(pipe, *project);
    EXPECT_FALSE(result.complete);
    EXPECT_EQ(result.problem, "impossibile aprire il file: il nome non indica un file ordinario");

    // Endless inputs are refused before a byte is read.
    for (const std::string& device : testing::endlessDevices()) {
        result = readArchiveFile(device, *project);
        EXPECT_EQ(result.problem, "impossibile aprire il file: il nome non indica un file ordinario") << device;
    }

    const fs::path large = folder_ / "grande";
    put(large, "\"9\",4,.33,1,\"1\",1,1\r\n");
    fs::resize_file(large, kMaxArchiveFileBytes + 1);
    result = readArchiveFile(large, *project);
    EXPECT_FALSE(result.complete);
    EXPECT_EQ(result.line, 0);
    EXPECT_EQ(result.problem,
              "impossibile aprire il file: il file \u00e8 pi\u00f9 grande di 4 MB e non pu\u00f2 "
              "essere un archivio");
    EXPECT_TRUE(project->general(GeneralField::grado).isEmpty());

    // At the limit the file is still read.
    fs::resize_file(large, kMaxArchiveFileBytes);
    result = readArchiveFile(large, *project);
    EXPECT_GT(result.line, 0);
    EXPECT_EQ(project->general(GeneralField::grado), FieldValue::text("9"));
}

} // namespace
} // namespace calvex
