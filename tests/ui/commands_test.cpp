#include "ui/commands.h"

#include <gtest/gtest.h>
#include <QString>
#include <map>
#include <set>

namespace calvex {
namespace {

constexpr WorkWindowId kWindows[] = {WorkWindowId::dati, WorkWindowId::sismica, WorkWindowId::risultati,
                                     WorkWindowId::controllasetti, WorkWindowId::frontespizio};

// A window is built from the rows its menus list: a toolbar button or an
// enabled command without a menu item would have no action behind it.
TEST(CommandTable, EveryButtonAndEnabledCommandOfAWindowHasAMenuItemThere) {
    for (WorkWindowId window : kWindows) {
        std::set<int> places;
        for (const CommandRow& row : commandTable()) {
            if (row.offeredBy.contains(window)) {
                EXPECT_TRUE(row.inMenuOf.contains(window)) << row.objectName;
            }
            if (row.toolbarPlace < 0 || !row.onToolbarOf.contains(window)) continue;
            EXPECT_TRUE(row.inMenuOf.contains(window)) << row.objectName;
            EXPECT_TRUE(places.insert(row.toolbarPlace).second) << "two buttons at " << row.toolbarPlace;
        }
        EXPECT_EQ(places.size(), 19u);
        EXPECT_EQ(*places.rbegin(), 18);
    }
}

// Alt+letter must reach one item only within a menu.
TEST(CommandTable, MnemonicsAndObjectNamesAreUnique) {
    std::set<std::string> names;
    for (WorkWindowId window : kWindows) {
        std::map<CommandMenu, std::set<QChar>> letters;
        for (const CommandRow& row : commandTable()) {
            if (!row.inMenuOf.contains(window)) continue;
            const QString caption = QString::fromUtf8(row.caption);
            const qsizetype amp = caption.indexOf(QLatin1Char('&'));
            if (amp < 0) continue;
            EXPECT_TRUE(letters[row.menu].insert(caption.at(amp + 1).toLower()).second) << row.caption;
        }
    }
    for (const CommandRow& row : commandTable()) EXPECT_TRUE(names.insert(row.objectName).second) << row.objectName;
}

// The buttons keep their place and tip; only what they run changes.
TEST(CommandTable, ReadOnlyWindowsTurnCopyAndClearButtonsIntoExit) {
    const std::vector<ToolbarButton> general = toolbarButtons(1);
    for (WorkWindowId window : kWindows) {
        const std::vector<ToolbarButton> buttons = toolbarButtons(static_cast<int>(window));
        ASSERT_EQ(buttons.size(), 19u);
        const bool readOnly = window == WorkWindowId::risultati || window == WorkWindowId::controllasetti;
        EXPECT_EQ(buttons[16].command, readOnly ? Command::esci : Command::copiadati);
        EXPECT_EQ(buttons[17].command, readOnly ? Command::esci : Command::cancella);
        EXPECT_EQ(buttons[16].toolTip, general[16].toolTip);
        EXPECT_EQ(buttons[17].toolTip, general[17].toolTip);
    }
}

} // namespace
} // namespace calvex
