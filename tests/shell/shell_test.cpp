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

TEST_F(ShellTest, AboutLineAndToolbar) {
    EXPECT_EQ(AboutWindow::editionLine(), "edizione professionale - versione 3.04.05   1999- 2011");
    const auto buttons = toolbarButtons(5);
    ASSERT_EQ(buttons.size(), 19u);
    EXPECT_EQ(buttons[4].command, Command::stampatutto);
    EXPECT_EQ(toolbarButtons(1)[4].command, Command::solodati);
    EXPECT_EQ(toolbarButtons(3)[16].command, Command::esci);
    EXPECT_EQ(toolbarButtons(3)[17].command, Command::esci);
    int separators = 0;
    for (const ToolbarButton& button : buttons) separators += button.separatorBefore;
    EXPECT_EQ(separators, 5);
    EXPECT_EQ(buttons[18].toolTip, "uscita da Calvex");
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
