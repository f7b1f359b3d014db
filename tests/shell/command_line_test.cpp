#include <gtest/gtest.h>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include "shell/command_line.h"
#include "shell/data_folder.h"
#include "support/special_files.h"

namespace calvex::testing {
namespace {

const QString kProgram = QStringLiteral(CALVEX_BINARY_DIR "/bin/calvex");

struct ProgramRun {
    QProcess::ExitStatus exitStatus = QProcess::CrashExit;
    int exitCode = -1;
    QString err;
};

// Runs the desktop program, which must end by itself within a few seconds.
ProgramRun runProgram(const QStringList& arguments) {
    QProcess program;
    program.start(kProgram, arguments);
    if (!program.waitForFinished(10000)) {
        program.kill();
        program.waitForFinished();
        ADD_FAILURE() << "calvex did not end";
    }
    return {program.exitStatus(), program.exitCode(), QString::fromUtf8(program.readAllStandardError())};
}

// Qt's own options would end the program or hold up its start, and the
// program opens one archive at most: all that is refused with the usage line.
TEST(CommandLine, OptionsAndMoreThanOneNameAreRefusedAndNeverReachQt) {
    QTemporaryDir folder;
    const QString pipe = QString::fromStdString(testing::idlePipe(folder.path().toStdString()).string());
    ASSERT_FALSE(pipe.isEmpty());
    const QString example = QStringLiteral(CALVEX_SOURCE_DIR "/examples/Calvex-dati-esempio");
    for (const QStringList& arguments : {QStringList{"-platform", "bogus"}, QStringList{"-stylesheet", pipe},
                                         QStringList{"-platform"}, QStringList{example, example}, QStringList{""}}) {
        const ProgramRun run = runProgram(arguments);
        EXPECT_EQ(run.exitStatus, QProcess::NormalExit) << arguments.join(' ').toStdString();
        EXPECT_EQ(run.exitCode, 2) << arguments.join(' ').toStdString();
        EXPECT_TRUE(run.err.startsWith("uso: calvex")) << run.err.toStdString();
    }
}

// One archive's name starts the program, which stays up with its windows.
TEST(CommandLine, AnArchiveNameStartsTheProgram) {
    QProcess program;
    program.start(kProgram, {QStringLiteral(CALVEX_SOURCE_DIR "/examples/Calvex-dati-esempio")});
    ASSERT_TRUE(program.waitForStarted());
    EXPECT_FALSE(program.waitForFinished(2000)) << program.readAllStandardError().toStdString();
    program.kill();
    program.waitForFinished();
}

// The build puts the data files where the program looks for them, as the
// installed tree does.
TEST(CommandLine, TheBuildFolderHoldsTheDataWhereTheProgramLooks) {
    const QDir data(dataFolderFor(QFileInfo(kProgram).absolutePath()));
    for (const char* file : {"Internet.mid", "SuggerimentiCalvex.TXT", "translations/qt_it.qm"})
        EXPECT_TRUE(QFileInfo(data.filePath(QString::fromLatin1(file))).isFile()) << data.path().toStdString() << file;
}

// Started in its own folder, also reached through another spelling of it,
// the program works in the user's documents; started elsewhere it stays.
TEST(CommandLine, StartedInItsOwnFolderTheProgramWorksInTheDocuments) {
    QTemporaryDir root;
    ASSERT_TRUE(QDir(root.path()).mkpath(QStringLiteral("program")));
    ASSERT_TRUE(QDir(root.path()).mkpath(QStringLiteral("elsewhere")));
    const QString program = root.filePath(QStringLiteral("program"));
    const QString documents = root.filePath(QStringLiteral("documents"));
    EXPECT_EQ(workingFolderAtStart(program, program, documents), documents);
    EXPECT_EQ(workingFolderAtStart(root.filePath(QStringLiteral("elsewhere/../program")), program, documents),
              documents);
    const QString elsewhere = root.filePath(QStringLiteral("elsewhere"));
    EXPECT_EQ(workingFolderAtStart(elsewhere, program, documents), elsewhere);
}

} // namespace
} // namespace calvex::testing
