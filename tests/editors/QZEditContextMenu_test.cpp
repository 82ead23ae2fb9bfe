// Menu 153, the text editor's context menu: Properties and the clipboard commands, then the
// Insert menu holding every insertion command once, except those only the bars or their ids
// reach.

#include "editors/QZInsertCommands.h"
#include "platform/ui/CMenu.h"
#include "platform/ui/CommandIds.h"
#include "res/Resources.h"
#include "res/TextEditorIds.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace {

void CollectCommands(const CMenu& menu, std::multiset<UINT>& ids) {
    for (const CMenu::Item& item : menu.Items()) {
        if (item.popup)
            CollectCommands(*item.popup, ids);
        else if (!(item.flags & MF_SEPARATOR))
            ids.insert(item.id);
    }
}

} // namespace

TEST(QZEditContextMenu, TheInsertMenuHoldsEveryInsertionCommandWithAMenuItemOnce) {
    RegisterResources();
    CMenu menu;
    ASSERT_TRUE(menu.LoadMenu(IDR_EDIT_CONTEXT));
    CMenu* popup = menu.GetSubMenu(0);
    ASSERT_NE(popup, nullptr);
    const std::vector<UINT> head{ID_EDIT_PROPERTIES, 0, ID_EDIT_CUT, ID_EDIT_COPY,
                                 ID_EDIT_PASTE,      0};
    for (size_t i = 0; i < head.size(); ++i)
        EXPECT_EQ(popup->GetMenuItemID(static_cast<int>(i)), head[i]) << i;
    CMenu* insert = popup->GetSubMenu(static_cast<int>(head.size()));
    ASSERT_NE(insert, nullptr);

    std::multiset<UINT> shown;
    CollectCommands(*insert, shown);
    // Header 1 and 2, the bars' Set and For, and the constants without a menu item.
    const std::set<UINT> unlisted{32813, 32814, 32798, 32910, 32830,
                                  32760, 32831, 32832, 32833, 32834};
    std::multiset<UINT> expected;
    for (const QZInsertCommands::Entry& entry : QZInsertCommands::Table()) {
        if (!unlisted.count(entry.id))
            expected.insert(entry.id);
    }
    EXPECT_EQ(shown, expected);
}
