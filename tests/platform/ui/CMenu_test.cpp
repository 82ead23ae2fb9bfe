// Pop-up menus loaded from a menu resource: their pop-ups, and items found by command inside
// nested pop-ups.

#include "platform/ui/CMenu.h"
#include "platform/ui/MenuResources.h"

#include <gtest/gtest.h>

#include <iterator>

namespace {

const MenuItemTemplate g_inner[] = {{0, 11, "&Eleven"}, {0, 12, "T&welve"}};
const MenuItemTemplate g_first[] = {
    {0, 1, "&One"}, {MF_SEPARATOR, 0, nullptr}, {MF_POPUP, 0, "&Inner", g_inner, 2}};
const MenuItemTemplate g_second[] = {{0, 2, "&Two"}};
const MenuItemTemplate g_menu[] = {{MF_POPUP, 0, "First", g_first, 3},
                                   {MF_POPUP, 0, "Second", g_second, 1}};
const MenuTemplate g_template = {g_menu, static_cast<int>(std::size(g_menu))};
constexpr UINT kMenuId = 60123;

} // namespace

TEST(CMenu, LoadsAResourceAsItsPopUpsWithTheirNestedPopUps) {
    MenuResources::RegisterMenu(kMenuId, &g_template);
    CMenu menu;
    EXPECT_FALSE(menu.LoadMenu(kMenuId + 1));
    ASSERT_TRUE(menu.LoadMenu(kMenuId));
    ASSERT_EQ(menu.GetMenuItemCount(), 2);
    CMenu* first = menu.GetSubMenu(0);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->GetMenuItemCount(), 3);
    EXPECT_EQ(first->GetMenuItemID(0), 1u);
    EXPECT_EQ(first->GetMenuItemID(1), 0u);
    EXPECT_EQ(first->GetMenuItemID(2), static_cast<UINT>(-1));
    EXPECT_EQ(first->GetSubMenu(0), nullptr);
    CMenu* inner = first->GetSubMenu(2);
    ASSERT_NE(inner, nullptr);
    CString text;
    inner->GetMenuString(12, text, MF_BYCOMMAND);
    EXPECT_STREQ(text, "T&welve");

    // By command, the items of a nested pop-up are found; a copy is a menu of its own.
    CMenu copy = *first;
    EXPECT_EQ(copy.EnableMenuItem(12, MF_BYCOMMAND | MF_GRAYED), 0u);
    EXPECT_EQ(copy.GetMenuState(12, MF_BYCOMMAND), MF_GRAYED);
    EXPECT_EQ(copy.EnableMenuItem(99, MF_BYCOMMAND | MF_GRAYED), static_cast<UINT>(-1));
    EXPECT_EQ(inner->GetMenuState(12, MF_BYCOMMAND), 0u);
    EXPECT_EQ(menu.GetSubMenu(1)->GetMenuState(2, MF_BYCOMMAND), 0u);
}
