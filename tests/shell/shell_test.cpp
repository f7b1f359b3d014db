#include <QAction>
#include <QLabel>
#include <algorithm>

#include "shell/info_windows.h"
#include "shell/splash_window.h"
#include "windows/general_data_window.h"
#include "windows/shown_windows.h"
#include "windows/window_fixture.h"

namespace calvex::testing {
namespace {

class ShellTest : public WindowTest {};

TEST_F(ShellTest, SplashClickExitAndClosingCredit) {
    shell.start();
    ASSERT_NE(shell.splash(), nullptr);
    EXPECT_EQ(platform.musicPlayer.commands, QStringList({"open ./Internet.mid", "play"}));
    shell.splashClicked();
    EXPECT_EQ(platform.musicPlayer.commands.back(), "pause");
    GeneralDataWindow& general = shell.generalWindow();
    EXPECT_TRUE(general.isVisible());
    EXPECT_EQ(shell.showWorkWindow(WorkWindowId::dati), &general); // kept once

    project->setGeneral(GeneralField::np, FieldValue::text("3"));
    platform.answers.push_back(MessageAnswer::no);
    general.findChild<QAction*>("esci")->trigger();
    const MessageRequest& question = platform.messages.back().request;
    EXPECT_EQ(question.text, "Vuoi uscire da Calvex?");
    EXPECT_EQ(question.title, "Attenzione: i dati non archiviati andranno persi !");
    EXPECT_EQ(question.defaultAnswer, MessageAnswer::no);
    EXPECT_TRUE(general.isVisible());

    platform.answers.push_back(MessageAnswer::yes);
    general.findChild<QAction*>("esci")->trigger();
    EXPECT_EQ(shell.existingWorkWindow(WorkWindowId::dati), nullptr);
    EXPECT_EQ(shell.splash()->secondLine(), "          elaborazione eseguita con");
    EXPECT_EQ(platform.musicPlayer.commands.back(), "play");

    // A click reopens the general window, rebuilt, with the project kept.
    shell.splashClicked();
    EXPECT_EQ(project->general(GeneralField::np), FieldValue::text("3"));
    EXPECT_EQ(shell.generalWindow().fieldTexts().np, "");
}

// An archive named on the command line: the splash, then the general window
// as after a click, then the archive read as the open command reads it.
TEST_F(ShellTest, ArchiveNamedAtStartOpensInTheGeneralWindow) {
    const QString example = QStringLiteral(CALVEX_SOURCE_DIR "/examples/Calvex-dati-esempio");
    shell.start();
    shell.openAtStart(example);
    EXPECT_EQ(platform.musicPlayer.commands, QStringList({"open ./Internet.mid", "play", "pause"}));
    EXPECT_TRUE(platform.fileDialogs.empty());
    EXPECT_TRUE(platform.messages.empty()) << lastMessage().toStdString();
    GeneralDataWindow& general = shell.generalWindow();
    EXPECT_TRUE(general.isVisible());
    EXPECT_EQ(general.fieldTexts().np, "3");
    EXPECT_EQ(project->currentFileName, example.toStdString());
}

TEST_F(ShellTest, ArchiveNamedAtStartThatCannotBeReadIsToldAsByTheOpenCommand) {
    const QString missing = QStringLiteral(CALVEX_BINARY_DIR "/Calvex-dati-che-non-esiste");
    shell.start();
    shell.openAtStart(missing);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].parent, &shell.generalWindow());
    const MessageRequest atStart = platform.messages[0].request;
    EXPECT_TRUE(atStart.text.contains("non \u00e8 stato aperto")) << atStart.text.toStdString();

    platform.clearRecords();
    platform.files.push_back(missing);
    shell.generalWindow().findChild<QAction*>("apri")->trigger();
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].request.text, atStart.text);
    EXPECT_EQ(platform.messages[0].request.icon, atStart.icon);
}

TEST_F(ShellTest, AboutLineAndToolbar) {
    EXPECT_EQ(AboutWindow::editionLine(), "edizione professionale - versione 3.04.05   1999- 2011");
    const auto buttons = toolbarButtons(5);
    ASSERT_EQ(buttons.size(), 20u);
    EXPECT_EQ(buttons[4].command, Command::stampatutto);
    EXPECT_EQ(toolbarButtons(1)[4].command, Command::solodati);
    EXPECT_EQ(toolbarButtons(3)[17].command, Command::esci);
    EXPECT_EQ(toolbarButtons(3)[18].command, Command::esci);
    int separators = 0;
    for (const ToolbarButton& button : buttons) separators += button.separatorBefore;
    EXPECT_EQ(separators, 5);
    EXPECT_EQ(buttons[19].toolTip, "uscita da Calvex");
}

TEST_F(ShellTest, AboutWindowShowsItsEditionLineOnOneLine) {
    shell.showAbout();
    auto* about = shownWindow<AboutWindow>();
    ASSERT_NE(about, nullptr);
    QApplication::processEvents();
    const auto labels = about->findChildren<QLabel*>();
    const auto edition = std::find_if(labels.begin(), labels.end(),
                                      [](const QLabel* label) { return label->text() == AboutWindow::editionLine(); });
    ASSERT_NE(edition, labels.end());
    EXPECT_GE((*edition)->contentsRect().width(), (*edition)->fontMetrics().horizontalAdvance((*edition)->text()));
    about->close();
}

} // namespace
} // namespace calvex::testing
