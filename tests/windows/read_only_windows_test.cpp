#include <QAction>
#include <QToolBar>

#include "windows/general_data_window.h"
#include "windows/window_fixture.h"

namespace calvex::testing {
namespace {

class ReadOnlyWindowsTest : public WindowTest {
protected:
    // The toolbar button at that place (separators not counted).
    static QAction* button(QWidget& window, int place) {
        QList<QAction*> buttons = window.findChild<QToolBar*>()->actions();
        buttons.removeIf([](const QAction* action) { return action->isSeparator(); });
        return buttons.at(place);
    }
};

// Saving and deleting run from the wall window, which comes up; the copy
// and clear buttons ask the exit question.
TEST_F(ReadOnlyWindowsTest, ArchiveCommandsMoveToTheWallWindowAndCopyAndClearExit) {
    GeneralDataWindow& general = shell.generalWindow();
    type(general, "grado", "9");
    type(general, "np", "1");
    type(general, "numsetx", "1");
    type(general, "numsety", "1");
    for (WorkWindowId id : {WorkWindowId::risultati, WorkWindowId::controllasetti, WorkWindowId::pianta}) {
        WorkWindow& window = *shell.showWorkWindow(id);
        platform.messages.clear();
        window.findChild<QAction*>("salva")->trigger();
        // Without a project name the save stops with a message to the window it runs from.
        ASSERT_EQ(platform.messages.size(), 1u);
        ASSERT_NE(shell.existingWorkWindow(WorkWindowId::sismica), nullptr);
        EXPECT_EQ(platform.messages.back().parent, shell.existingWorkWindow(WorkWindowId::sismica));
        EXPECT_TRUE(shell.existingWorkWindow(WorkWindowId::sismica)->isVisible());

        for (int place : {17, 18}) {
            platform.messages.clear();
            platform.answers.push_back(MessageAnswer::no);
            ASSERT_TRUE(button(window, place)->isEnabled());
            button(window, place)->trigger();
            ASSERT_EQ(platform.messages.size(), 1u);
            EXPECT_EQ(platform.messages.back().request.buttons, MessageButtons::yesNo);
            EXPECT_EQ(platform.messages.back().parent, &window);
        }
    }
}

} // namespace
} // namespace calvex::testing
