#include <QAction>
#include <QApplication>
#include <QMenuBar>

#include "ui/work_window.h"
#include "ui/work_windows.h"
#include "windows/help_page_window.h"
#include "windows/window_fixture.h"

namespace calvex::testing {
namespace {

bool helpPageShown(HelpPage page) {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* window = dynamic_cast<HelpPageWindow*>(widget);
            window && window->isVisible() && window->page() == page)
            return true;
    return false;
}

// Each window's own view command asks its question and offers its own help
// page, and the menu "Finestra n.k di 6" names it; both come from the one
// list of the windows.
TEST_F(WindowTest, OwnViewCommandAndMenuOfEveryWindowNameIt) {
    const struct {
        const char* question;
        HelpPage page;
    } expected[] = {
        {"E' questa la finestra 'Dati': si vuole la guida della finestra?", HelpPage::guidadati},
        {"E' questa la finestra 'Verifica Sismica': si vuole la guida della finestra?", HelpPage::guidasismica},
        {"E' questa la finestra 'Risultati': si vuole la guida della finestra?", HelpPage::guidarisultati},
        {"E' questa la finestra 'Controllo setti': si vuole la guida della finestra?", HelpPage::guidacontrollo},
        {"E' questa la finestra 'Frontespizio': si vuole la guida della finestra?", HelpPage::guidafrontespizio},
        {"E' questa la finestra 'Pianta del piano': si vuole la guida della finestra?", HelpPage::guidapianta},
    };
    ASSERT_EQ(std::size(expected), std::size(kWorkWindows));
    for (int number = 1; number <= kWorkWindowCount; ++number) {
        WorkWindow& window = *shell.showWorkWindow(static_cast<WorkWindowId>(number));
        const auto& [question, page] = expected[number - 1];
        platform.answers.push_back(MessageAnswer::yes);
        window.findChild<QAction*>(QStringLiteral("fin%1").arg(number))->trigger();
        EXPECT_EQ(lastMessage(), question);
        EXPECT_TRUE(helpPageShown(page)) << number;

        auto* own = window.menuBar()->cornerWidget()->findChild<QAction*>("finestra");
        EXPECT_EQ(own->text(), QStringLiteral("Fi&nestra n.%1 di 6").arg(number));
    }
}

} // namespace
} // namespace calvex::testing
