#include "ui/commands.h"

#include <gtest/gtest.h>
#include <QString>
#include <map>
#include <set>

namespace calvex {
namespace {

// A window is built from the rows its menus list: a toolbar button or an
// enabled command without a menu item would have no action behind it.
TEST(CommandTable, EveryButtonAndEnabledCommandOfAWindowHasAMenuItemThere) {
    for (const WorkWindowInfo& info : kWorkWindows) {
        const WorkWindowId window = info.id;
        std::set<int> places;
        for (const CommandRow& row : commandTable()) {
            if (row.offeredBy.contains(window)) {
                EXPECT_TRUE(row.inMenuOf.contains(window)) << row.objectName.toStdString();
            }
            if (row.toolbarPlace < 0 || !row.onToolbarOf.contains(window)) continue;
            EXPECT_TRUE(row.inMenuOf.contains(window)) << row.objectName.toStdString();
            EXPECT_TRUE(places.insert(row.toolbarPlace).second) << "two buttons at " << row.toolbarPlace;
        }
        // Fourteen buttons and one for each window, placed without gaps.
        EXPECT_EQ(places.size(), 14u + std::size(kWorkWindows));
        EXPECT_EQ(*places.rbegin(), static_cast<int>(places.size()) - 1);
    }
}

// Alt+letter must reach one item only within a menu.
TEST(CommandTable, MnemonicsAndObjectNamesAreUnique) {
    std::set<QString> names;
    for (const WorkWindowInfo& info : kWorkWindows) {
        std::map<CommandMenu, std::set<QChar>> letters;
        for (const CommandRow& row : commandTable()) {
            if (!row.inMenuOf.contains(info.id)) continue;
            const qsizetype amp = row.caption.indexOf(QLatin1Char('&'));
            if (amp < 0) continue;
            EXPECT_TRUE(letters[row.menu].insert(row.caption.at(amp + 1).toLower()).second)
                << row.caption.toStdString();
        }
    }
    for (const CommandRow& row : commandTable())
        EXPECT_TRUE(names.insert(row.objectName).second) << row.objectName.toStdString();
}

// A row without its action would fail only when clicked; each window has
// its own view command, "fin" and its number.
TEST(CommandTable, EveryRowCarriesItsActionAndEveryWindowItsViewCommand) {
    for (const CommandRow& row : commandTable()) EXPECT_TRUE(row.run) << row.objectName.toStdString();
    for (const WorkWindowInfo& info : kWorkWindows) {
        const CommandRow& row = commandRow(showWindowCommand(info.id));
        EXPECT_EQ(row.objectName, QStringLiteral("fin%1").arg(static_cast<int>(info.id)));
        EXPECT_EQ(row.menu, CommandMenu::view);
    }
}

// The buttons keep their place and tip; only what they run changes.
TEST(CommandTable, ReadOnlyWindowsTurnCopyAndClearButtonsIntoExit) {
    const std::vector<ToolbarButton> general = toolbarButtons(1);
    for (const WorkWindowInfo& info : kWorkWindows) {
        const std::vector<ToolbarButton> buttons = toolbarButtons(static_cast<int>(info.id));
        ASSERT_EQ(buttons.size(), general.size());
        const bool readOnly = info.readOnly;
        int copyOrClear = 0;
        for (std::size_t i = 0; i < buttons.size(); ++i) {
            EXPECT_EQ(buttons[i].toolTip, general[i].toolTip);
            if (general[i].command != Command::copiadati && general[i].command != Command::cancella) continue;
            ++copyOrClear;
            EXPECT_EQ(buttons[i].command, readOnly ? Command::esci : general[i].command);
        }
        EXPECT_EQ(copyOrClear, 2);
    }
}

} // namespace
} // namespace calvex
