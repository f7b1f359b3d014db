#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "windows/archive_commands.h"
#include "windows/general_data_window.h"
#include "windows/window_fixture.h"

namespace calvex::testing {
namespace {

class ArchiveCommandsTest : public WindowTest {
protected:
    GeneralDataWindow& window = shell.generalWindow();
    QTemporaryDir folder;

    QString example() const { return QStringLiteral(CALVEX_SOURCE_DIR "/examples/Calvex-dati-esempio"); }
    static QByteArray contents(const QString& file) {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
};

TEST_F(ArchiveCommandsTest, OpenRefillsTheWindowAndSaveWritesItBack) {
    platform.files.push_back(example());
    window.findChild<QAction*>("apri")->trigger();
    ASSERT_EQ(platform.fileDialogs.size(), 1u);
    const auto& dialog = platform.fileDialogs[0].request;
    EXPECT_EQ(dialog.title, "Apri file");
    EXPECT_EQ(dialog.filters, "Tutti i file (*.*)|*.*|File Calvex-dati- | Calvex-dati-*");
    EXPECT_EQ(dialog.selectedFilter, 1);
    EXPECT_TRUE(platform.messages.empty()) << lastMessage().toStdString();

    EXPECT_EQ(textOf(window, "np"), "3");
    EXPECT_EQ(project->storeyCount(), 3);
    EXPECT_EQ(project->general(GeneralField::strutt).kind(), FieldValue::Kind::Text);
    EXPECT_EQ(window.shownStorey(), 1);
    EXPECT_EQ(window.hintText(),
              "I dati sono stati immessi correttamente: archiviarli, correggerli o cliccare su AVANTI.");

    // Save after open writes back to the opened file without a dialog.
    const QString copy = folder.filePath("Calvex-dati-copia");
    QFile::copy(example(), copy);
    project->currentFileName = copy.toStdString();
    platform.clearRecords();
    window.findChild<QAction*>("salva")->trigger();
    EXPECT_TRUE(platform.fileDialogs.empty());
    EXPECT_TRUE(platform.messages.empty()) << lastMessage().toStdString();
    const QByteArray written = contents(copy);
    EXPECT_TRUE(written.startsWith("\"9\",\"4\""));
    EXPECT_EQ(written.count("\r\n"), contents(example()).count("\r\n"));

    // Save as always asks, proposing the name chosen last.
    const QString other = folder.filePath("Calvex-dati-altro");
    platform.files.push_back(other);
    window.findChild<QAction*>("salvanome")->trigger();
    ASSERT_EQ(platform.fileDialogs.size(), 1u);
    EXPECT_EQ(platform.fileDialogs[0].request.title, "Salva file con nome");
    EXPECT_EQ(platform.fileDialogs[0].request.filters, "File Calvex-dati- | Calvex-dati-*");
    EXPECT_EQ(platform.fileDialogs[0].request.proposedName, "Calvex-dati-");
    EXPECT_EQ(contents(other), written);
    EXPECT_EQ(project->currentFileName, other.toStdString());
}

TEST_F(ArchiveCommandsTest, ARecordThatDoesNotEndWithItsLineIsToldAndSaveAsks) {
    QByteArray bytes = contents(example());
    const qsizetype firstWallLineEnd = bytes.indexOf("\r\n", bytes.indexOf("\r\n") + 2);
    bytes.insert(firstWallLineEnd, ",");
    const QString shifted = folder.filePath("Calvex-dati-spostato");
    QFile file(shifted);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();

    platform.files.push_back(shifted);
    window.findChild<QAction*>("apri")->trigger();
    EXPECT_TRUE(lastMessage().contains("alla riga 2 un record non termina")) << lastMessage().toStdString();
    EXPECT_TRUE(project->currentFileName.empty());
}

TEST_F(ArchiveCommandsTest, SaveChecksAndFailuresAreTold) {
    window.findChild<QAction*>("salva")->trigger();
    EXPECT_EQ(lastMessage(), QString::fromUtf8("Immettere il grado di sismicità."));

    type(window, "grado", "9");
    type(window, "np", "1");
    type(window, "numsetx", "1");
    type(window, "numsety", "1");
    window.findChild<QAction*>("salva")->trigger();
    EXPECT_EQ(lastMessage(), "Digitare almeno il nome del progetto.");
    ASSERT_NE(shell.existingWorkWindow(WorkWindowId::frontespizio), nullptr);
    EXPECT_TRUE(shell.existingWorkWindow(WorkWindowId::frontespizio)->isVisible());

    project->setTitle(TitleField::progetto, "Casa \"Bianchi\"");
    platform.files.push_back(folder.filePath("missing-folder/Calvex-dati-x"));
    window.findChild<QAction*>("salva")->trigger();
    EXPECT_TRUE(lastMessage().contains("non \u00e8 stato salvato")) << lastMessage().toStdString();
    EXPECT_EQ(platform.messages.back().request.icon, MessageIcon::critical);

    project->currentFileName = folder.filePath("Calvex-dati-x").toStdString();
    window.findChild<QAction*>("salva")->trigger();
    EXPECT_TRUE(lastMessage().contains("progetto")) << lastMessage().toStdString();
    EXPECT_TRUE(contents(folder.filePath("Calvex-dati-x")).contains("\"Casa 'Bianchi'\""));
}

TEST_F(ArchiveCommandsTest, IncompleteOpenIsToldAndDeleteUsesItsDialog) {
    // The title page of the project open before does not stay.
    project->setTitle(TitleField::committente, "Famiglia Verdi");
    const QString cut = folder.filePath("Calvex-dati-tronco");
    QFile file(cut);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(contents(example()).left(200));
    file.close();
    platform.files.push_back(cut);
    window.findChild<QAction*>("apri")->trigger();
    EXPECT_TRUE(lastMessage().contains("non \u00e8 stato letto per intero")) << lastMessage().toStdString();
    EXPECT_EQ(textOf(window, "np"), "3"); // what was read stays
    EXPECT_EQ(project->title(TitleField::committente), "");

    // Save does not overwrite the rest of the file unasked: it asks for a
    // name, proposing the file's.
    project->setTitle(TitleField::progetto, "Casa");
    platform.clearRecords();
    window.findChild<QAction*>("salva")->trigger();
    ASSERT_EQ(platform.fileDialogs.size(), 1u) << lastMessage().toStdString();
    EXPECT_EQ(platform.fileDialogs[0].request.title, "Salva file");
    EXPECT_EQ(platform.fileDialogs[0].request.proposedName, cut);
    EXPECT_EQ(contents(cut), contents(example()).left(200));

    project->currentFileName = "Calvex-dati-in-memoria";
    platform.files.push_back(cut);
    window.findChild<QAction*>("eliminare")->trigger();
    EXPECT_EQ(platform.fileDialogs.back().request.title,
              "Elimina: seleziona il file desiderato e clicca su Apri per cancellarlo");
    EXPECT_FALSE(QFile::exists(cut));
    // Into the trash, with no word of a deletion for good; on Linux the trash
    // is the one of the tests' own data folder.
    EXPECT_FALSE(lastMessage().contains("definitivamente")) << lastMessage().toStdString();
#ifndef _WIN32
    EXPECT_TRUE(QFile::exists(qEnvironmentVariable("XDG_DATA_HOME") + "/Trash/files/Calvex-dati-tronco"));
#endif
    EXPECT_EQ(project->currentFileName, "Calvex-dati-in-memoria"); // the name stays
}

TEST_F(ArchiveCommandsTest, FilesThatAreNoArchivesAreNotOpenedAndDeletingForGoodIsTold) {
    platform.files.push_back(folder.path());
    window.findChild<QAction*>("apri")->trigger();
    EXPECT_EQ(lastMessage(),
              "Il file \"" + QFileInfo(folder.path()).fileName() +
                  "\" non \u00e8 stato aperto: impossibile aprire il file: il nome indica una cartella.");
    EXPECT_TRUE(project->currentFileName.empty());

    // A temporary file left by an interrupted save.
    const QString stale = folder.filePath(".calvex-k3x9q2ab.tmp");
    QFile::copy(example(), stale);
    platform.files.push_back(stale);
    window.findChild<QAction*>("apri")->trigger();
    EXPECT_TRUE(lastMessage().contains("temporaneo")) << lastMessage().toStdString();
    EXPECT_TRUE(textOf(window, "np").isEmpty());

    // Without a trash the file goes for good, and the message says so. A
    // drive without a Recycle Bin is a network share, which a test on
    // Windows cannot make.
#ifndef _WIN32
    const QByteArray dataHome = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", stale.toUtf8());
    platform.files.push_back(stale);
    window.findChild<QAction*>("eliminare")->trigger();
    qputenv("XDG_DATA_HOME", dataHome);
    EXPECT_FALSE(QFile::exists(stale));
    EXPECT_TRUE(lastMessage().contains("eliminato definitivamente")) << lastMessage().toStdString();
#endif
}

} // namespace
} // namespace calvex::testing
