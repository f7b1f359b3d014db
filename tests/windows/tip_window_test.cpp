#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>

#include "support/hang_guard.h"
#include "support/special_files.h"

#include "windows/shown_windows.h"
#include "windows/tip_file.h"
#include "windows/tip_window.h"
#include "windows/window_fixture.h"

namespace calvex::testing {
namespace {

class TipWindowTest : public ::testing::Test {
protected:
    // A shell whose program folder holds a tips file with these bytes.
    Shell& shellWithTips(const QByteArray& bytes) {
        QFile file(folder.filePath(kTipsFileName));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.close();
        return shell;
    }
    static void click(TipWindow& tips, const char* name) {
        tips.findChild<QPushButton*>(QString::fromLatin1(name))->click();
    }

    QTemporaryDir folder;
    ScriptedPlatform platform;
    ProjectData project;
    Shell shell{platform, project, {"Studio", "Via Roma 1", folder.path()}};
};

TEST_F(TipWindowTest, TipsGoRoundInFileOrder) {
    TipWindow tips(shellWithTips("uno\r\ndue\r\ntre\r\n"));
    EXPECT_EQ(tips.windowTitle(), "Suggerimento del giorno");
    EXPECT_EQ(tips.tipNumber(), 1);
    EXPECT_EQ(tips.tipText(), "uno");
    click(tips, "cmdNextTip");
    EXPECT_EQ(tips.tipText(), "due");
    click(tips, "cmdNextTip");
    EXPECT_EQ(tips.tipText(), "tre");
    click(tips, "cmdNextTip");
    EXPECT_EQ(tips.tipNumber(), 1);
    EXPECT_EQ(tips.tipText(), "uno");

    click(tips, "cmdprecedente");
    EXPECT_EQ(tips.tipNumber(), 1);
    EXPECT_EQ(tips.tipText(), "uno");
    click(tips, "cmdNextTip");
    click(tips, "cmdNextTip");
    click(tips, "cmdprecedente");
    EXPECT_EQ(tips.tipNumber(), 2);
    EXPECT_EQ(tips.tipText(), "due");
}

TEST_F(TipWindowTest, EveryLineIsATipAnEmptyOneToo) {
    EXPECT_EQ(splitTipLines("a\r\nb\r\n\r\n"), (QStringList{"a", "b", ""}));
    EXPECT_EQ(splitTipLines("a\nb\rc"), (QStringList{"a", "b", "c"}));
    EXPECT_EQ(splitTipLines("a\n\r\nb\r"), (QStringList{"a", "", "b"}));
    EXPECT_EQ(splitTipLines("\n"), QStringList{""});
    EXPECT_TRUE(splitTipLines("").isEmpty());

    // The file is Windows-1252; its empty last line ends the cycle.
    TipWindow tips(shellWithTips("perch\xe8 no\r\n\r\n"));
    EXPECT_EQ(tips.tipText(), QString::fromUtf8("perchè no"));
    click(tips, "cmdNextTip");
    EXPECT_EQ(tips.tipNumber(), 2);
    EXPECT_EQ(tips.tipText(), "");
    click(tips, "cmdNextTip");
    EXPECT_EQ(tips.tipNumber(), 1);
}

TEST_F(TipWindowTest, AMissingFileIsExplained) {
    TipWindow tips(shell);
    const QString file = QDir::toNativeSeparators(folder.path() + "/SuggerimentiCalvex.TXT");
    const QString explanation = "Impossibile trovare il file " + file + "\n\nCreare un file di testo denominato " +
                                file +
                                " utilizzando il Blocco note e inserendo un suggerimento per ogni riga. Inserire il "
                                "file nella stessa directory dell'applicazione. ";
    EXPECT_EQ(tips.tipText(), explanation);
    click(tips, "cmdNextTip");
    click(tips, "cmdprecedente");
    click(tips, "cmdprecedente");
    EXPECT_EQ(tips.tipText(), explanation);
}

TEST_F(TipWindowTest, APipeInTheFilesPlaceIsExplainedAtOnce) {
    if (!kPipesLiveInFolders) GTEST_SKIP() << "no pipe can take a file's place in a folder on this system";
    const HangGuard guard;
    const std::filesystem::path pipe = idlePipe(folder.path().toStdString());
    ASSERT_FALSE(pipe.empty());
    std::filesystem::rename(pipe, folder.filePath(kTipsFileName).toStdString());
    TipWindow tips(shell);
    EXPECT_TRUE(tips.tipText().startsWith("Impossibile trovare il file ")) << tips.tipText().toStdString();
}

TEST_F(TipWindowTest, ClosingHidesAndKeepsTheTipShown) {
    shellWithTips("uno\ndue\n").showTips();
    TipWindow* tips = shownWindow<TipWindow>();
    ASSERT_NE(tips, nullptr);
    click(*tips, "cmdNextTip");
    click(*tips, "cmdOK");
    EXPECT_EQ(shownWindow<TipWindow>(), nullptr);
    shell.showTips();
    EXPECT_EQ(shownWindow<TipWindow>(), tips);
    EXPECT_EQ(tips->tipText(), "due");
}

} // namespace
} // namespace calvex::testing
