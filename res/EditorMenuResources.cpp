// The menus and keys of the sixteen editor templates, which share each template's id. The editors
// of template text (pages, macros, scripts, forms, e-mail messages and events) offer the text
// editor's commands and its Insert menu; the form editors the Edit menu's commands on their
// fields. Both add Save and Save As to the main window's menus.

#include "platform/ui/CMenu.h"
#include "platform/ui/CommandIds.h"
#include "platform/ui/MenuResources.h"
#include "platform/ui/WindowMessages.h"
#include "res/Resource.h"
#include "res/Resources.h"
#include "res/TextEditorIds.h"

#include <iterator>
#include <vector>

namespace {

constexpr UINT kItem = 0; // MF_STRING
constexpr MenuItemTemplate kSeparator{MF_SEPARATOR, 0, nullptr};
constexpr UINT kSpelling = 32896;
enum MainMenu { kFile, kEdit, kView, kSite, kTools, kHelp };

// The templates of template text, and of fields only.
constexpr UINT kTextTemplates[] = {129, 132, 164, 161, 160, 168};
constexpr UINT kFormTemplates[] = {135, 165, 166, 167, 162, 137, 163, 169, 233, 234};

template <size_t N>
constexpr MenuItemTemplate Popup(const char* text, const MenuItemTemplate (&items)[N]) {
    return {MF_POPUP, 0, text, items, static_cast<int>(N)};
}

// The main File menu's New pop-up leads both File menus.
MenuItemTemplate NewPopup() {
    return MainMenuPopup(kFile).items[0];
}

// The File menu: the document's commands, printing where the editor prints, then Exit.
MenuItemTemplate FileMenu(bool prints) {
    static std::vector<MenuItemTemplate> lists[2];
    std::vector<MenuItemTemplate>& items = lists[prints ? 1 : 0];
    if (items.empty()) {
        items = {
            NewPopup(),
            {kItem, ID_FILE_OPEN, "Open...\tCtrl+O"},
            {kItem, ID_FILE_SAVE, "&Save"},
            {kItem, ID_FILE_SAVE_AS, "Save &As..."},
            {kItem, ID_SAVE_ALL, "Save Al&l"},
            kSeparator,
        };
        if (prints) {
            items.push_back({kItem, ID_FILE_PRINT, "&Print..."});
            items.push_back({kItem, ID_FILE_PRINT_PREVIEW, "Print Pre&view"});
        }
        items.push_back({kItem, ID_FILE_PRINT_SETUP, "P&rint Setup..."});
        items.push_back(kSeparator);
        items.push_back({kItem, ID_APP_EXIT, "E&xit"});
    }
    return {MF_POPUP, 0, "&File", items.data(), static_cast<int>(items.size())};
}

const MenuItemTemplate g_textEditMenu[] = {
    {kItem, ID_EDIT_UNDO, "&Undo\tCtrl+Z"},
    {kItem, ID_EDIT_REDO, "&Redo\tCtrl+Y"},
    kSeparator,
    {kItem, ID_EDIT_CUT, "Cu&t\tCtrl+X"},
    {kItem, ID_EDIT_COPY, "&Copy\tCtrl+C"},
    {kItem, ID_EDIT_PASTE, "&Paste\tCtrl+V"},
    {kItem, ID_EDIT_SELECT_ALL, "Select A&ll\tCtrl+A"},
    kSeparator,
    {kItem, ID_EDIT_FIND, "&Find...\tCtrl+F"},
    {kItem, ID_EDIT_REPLACE, "R&eplace...\tCtrl+H"},
    {kItem, ID_EDIT_REPEAT, "F&ind Next\tF3"},
    kSeparator,
    {kItem, kSpelling, "&Spelling...\tF7"},
    {kItem, ID_EDIT_PROPERTIES, "P&roperties\tF8"},
};

const MenuItemTemplate g_formEditMenu[] = {
    {kItem, ID_EDIT_UNDO, "&Undo\tCtrl+Z"},   kSeparator,
    {kItem, ID_EDIT_CUT, "Cu&t\tCtrl+X"},     {kItem, ID_EDIT_COPY, "&Copy\tCtrl+C"},
    {kItem, ID_EDIT_PASTE, "&Paste\tCtrl+V"},
};

const MenuTemplate& TextMenu() {
    static const MenuItemTemplate bar[] = {
        FileMenu(true),       Popup("&Edit", g_textEditMenu), MainMenuPopup(kView),
        InsertMenuPopup(),    MainMenuPopup(kSite),           MainMenuPopup(kTools),
        MainMenuPopup(kHelp),
    };
    static const MenuTemplate menu = {bar, static_cast<int>(std::size(bar))};
    return menu;
}

const MenuTemplate& FormMenu() {
    static const MenuItemTemplate bar[] = {
        FileMenu(false),      Popup("&Edit", g_formEditMenu), MainMenuPopup(kView),
        MainMenuPopup(kSite), MainMenuPopup(kTools),          MainMenuPopup(kHelp),
    };
    static const MenuTemplate menu = {bar, static_cast<int>(std::size(bar))};
    return menu;
}

constexpr BYTE kKey = FVIRTKEY;
constexpr BYTE kCtrl = FVIRTKEY | FCONTROL;
constexpr BYTE kShift = FVIRTKEY | FSHIFT;
constexpr BYTE kAlt = FVIRTKEY | FALT;

// The text editor's keys; the main window's own (New, Open, help) stay behind them.
const ACCEL g_textKeys[] = {
    {kCtrl, 'Z', ID_EDIT_UNDO},
    {kAlt, VK_BACK, ID_EDIT_UNDO},
    {kCtrl, 'Y', ID_EDIT_REDO},
    {kCtrl, 'X', ID_EDIT_CUT},
    {kShift, VK_DELETE, ID_EDIT_CUT},
    {kCtrl, 'C', ID_EDIT_COPY},
    {kCtrl, VK_INSERT, ID_EDIT_COPY},
    {kCtrl, 'V', ID_EDIT_PASTE},
    {kShift, VK_INSERT, ID_EDIT_PASTE},
    {kCtrl, 'A', ID_EDIT_SELECT_ALL},
    {kCtrl, 'F', ID_EDIT_FIND},
    {kCtrl, 'H', ID_EDIT_REPLACE},
    {kKey, VK_F1 + 2, ID_EDIT_REPEAT},
    {kKey, VK_F1 + 6, kSpelling},
    {kKey, VK_F1 + 7, ID_EDIT_PROPERTIES},
    // The Insert menu's own keys.
    {kCtrl, 'R', 32800},
    {kCtrl, 'L', 32801},
    {kCtrl, 'B', 32811},
    {kCtrl, 'E', 32809},
    {kCtrl, 'I', 32812},
    {kCtrl, VK_RETURN, 32810},
    {kCtrl, 'K', 32793},
};

// The form editors' keys: their fields' Undo, Cut, Copy and Paste.
const ACCEL g_formKeys[] = {
    {kCtrl, 'Z', ID_EDIT_UNDO},
    {kCtrl, 'X', ID_EDIT_CUT},
    {kCtrl, 'C', ID_EDIT_COPY},
    {kCtrl, 'V', ID_EDIT_PASTE},
};

const AcceleratorTemplate g_textKeyTable = {g_textKeys, static_cast<int>(std::size(g_textKeys))};
const AcceleratorTemplate g_formKeyTable = {g_formKeys, static_cast<int>(std::size(g_formKeys))};

} // namespace

void RegisterEditorMenus() {
    for (UINT id : kTextTemplates) {
        MenuResources::RegisterMenu(id, &TextMenu());
        MenuResources::RegisterAccelerators(id, &g_textKeyTable);
    }
    for (UINT id : kFormTemplates) {
        MenuResources::RegisterMenu(id, &FormMenu());
        MenuResources::RegisterAccelerators(id, &g_formKeyTable);
    }
}
