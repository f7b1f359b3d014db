#include <gtest/gtest.h>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <sys/stat.h>

namespace calvex::testing {
namespace {

struct ProgramRun {
    QProcess::ExitStatus exitStatus = QProcess::CrashExit;
    int exitCode = -1;
    QString err;
};

// Runs the desktop program, which must end by itself within a few seconds.
ProgramRun runProgram(const QStringList& arguments) {
    QProcess program;
    program.start(QStringLiteral(CALVEX_BINARY_DIR "/bin/calvex"), arguments);
    if (!program.waitForFinished(10000)) {
        program.kill();
        program.waitForFinished();
        ADD_FAILURE() << "calvex did not end";
    }
    return {program.exitStatus(), program.exitCode(), QString::fromUtf8(program.readAllStandardError())};
}

// Qt's own options would end the program or hold up its start; every
// argument is refused with the usage line instead.
TEST(CommandLine, ArgumentsAreRefusedAndNeverReachQt) {
    QTemporaryDir folder;
    const QString pipe = folder.filePath(QStringLiteral("stile"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    for (const QStringList& arguments :
         {QStringList{"-platform", "bogus"}, QStringList{"-stylesheet", pipe}, QStringList{"Calvex-dati-casa"}}) {
        const ProgramRun run = runProgram(arguments);
        EXPECT_EQ(run.exitStatus, QProcess::NormalExit) << arguments.join(' ').toStdString();
        EXPECT_EQ(run.exitCode, 2) << arguments.join(' ').toStdString();
        EXPECT_TRUE(run.err.startsWith("uso: calvex")) << run.err.toStdString();
    }
}

} // namespace
} // namespace calvex::testing
