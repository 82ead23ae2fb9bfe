// Menu and accelerators 128 and the five tool bars: every item where the program looks for it,
// each tool bar's picture strip holding one picture a button.

#include "platform/ui/BitmapInfo.h"
#include "platform/ui/BitmapResources.h"
#include "platform/ui/CMenu.h"
#include "platform/ui/CommandIds.h"
#include "platform/ui/MenuResources.h"
#include "platform/ui/ToolBarResources.h"
#include "platform/ui/WinTypes.h"
#include "res/Resource.h"
#include "res/Resources.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

namespace {

void Collect(const MenuItemTemplate* items, int count, std::map<UINT, std::string>& texts) {
    for (int i = 0; i < count; ++i) {
        if (items[i].flags & MF_POPUP) {
            Collect(items[i].items, items[i].count, texts);
        } else if (!(items[i].flags & MF_SEPARATOR)) {
            EXPECT_TRUE(texts.emplace(items[i].id, items[i].text).second) << items[i].id;
        }
    }
}

} // namespace

TEST(MainMenuResources, TheMenuHoldsEachCommandOnceWithItsText) {
    RegisterResources();
    const MenuTemplate* menu = MenuResources::LookupMenu(IDR_MAINFRAME);
    ASSERT_NE(menu, nullptr);
    std::map<UINT, std::string> texts;
    Collect(menu->items, menu->count, texts);
    const std::map<UINT, std::string> expected = {
        {ID_FILE_OPEN, "Open...\tCtrl+O"},
        {ID_FILE_NEW, "&New Page\tCtrl+N"},
        {ID_NEW_AD, "New A&d"},
        {ID_APP_EXIT, "E&xit"},
        {ID_APP_ABOUT, "&About Marquill..."},
        {ID_VIEW_SITEVIEWER, "Site&Viewer"},
        {ID_CENTER_HELPVIEWER, "Center &Help Viewer"},
        {ID_HELP_FINDER, "&Help Topics"},
        {ID_EDIT_REPEAT, "F&ind Next\tF3"},
    };
    for (const auto& [id, text] : expected)
        EXPECT_EQ(texts[id], text) << id;
    // Commands without a menu item.
    for (UINT id : {ID_NEW_PHOTO, ID_ALWAYS_DISABLED, ID_FRAMEWORK_NEW, ID_DATABASE_OUT_OF_DATE})
        EXPECT_EQ(texts.count(id), 0u) << id;
}

TEST(MainMenuResources, EachToolBarHasOnePictureAButton) {
    RegisterResources();
    for (UINT id : {IDR_MAINFRAME, IDR_COMMANDBAR, IDR_HTMLBAR, IDR_ACTIONBAR, IDR_FORMBAR}) {
        const ToolBarResource* bar = ToolBarResources::Lookup(id);
        ASSERT_NE(bar, nullptr) << id;
        int buttons = 0;
        std::set<WORD> commands;
        for (int i = 0; i < bar->wItemCount; ++i) {
            if (bar->items[i] != 0) {
                ++buttons;
                EXPECT_TRUE(commands.insert(bar->items[i]).second) << id << " " << bar->items[i];
            }
        }
        size_t size = 0;
        const BYTE* dib = FindBitmapResource(MAKEINTRESOURCE(id), &size);
        ASSERT_NE(dib, nullptr) << id;
        const auto* header = reinterpret_cast<const BITMAPINFOHEADER*>(dib);
        EXPECT_EQ(header->biWidth, bar->wWidth * buttons) << id;
        EXPECT_EQ(header->biHeight, bar->wHeight) << id;
    }
}
