// The text editor's resources: the context menu 153, the "Table Size" (216) and "List" (236)
// dialogs, and the attribute forms of pages (119), macros and forms (133) and scripts (192).

#include "platform/core/MessageBox.h"
#include "platform/ui/CComboBox.h"
#include "platform/ui/CMenu.h"
#include "platform/ui/CScrollBar.h"
#include "platform/ui/CSpinButtonCtrl.h"
#include "platform/ui/CommandIds.h"
#include "platform/ui/DialogTemplates.h"
#include "platform/ui/MenuResources.h"
#include "platform/ui/WindowStyles.h"
#include "res/Resource.h"
#include "res/Resources.h"
#include "res/TextEditorIds.h"

#include <iterator>

namespace {

// ---- Menu 153 ----

constexpr UINT kItem = MF_STRING;
constexpr MenuItemTemplate kSeparator{MF_SEPARATOR, 0, nullptr};

template <size_t N>
constexpr MenuItemTemplate Popup(const char* text, const MenuItemTemplate (&items)[N]) {
    return {MF_POPUP, 0, text, items, static_cast<int>(N)};
}

const MenuItemTemplate g_htmlMenu[] = {
    {kItem, 32800, "&Horizontal Rule\tCtrl+R"},
    {kItem, 32801, "&Break\tCtrl+L"},
    {kItem, 32811, "B&old\tCtrl+B"},
    {kItem, 32809, "&Center\tCtrl+E"},
    {kItem, 32812, "&Italic\tCtrl+I"},
    {kItem, 32844, "&Emphasis"},
    {kItem, 32810, "&Paragraph\tCtrl+Enter"},
    {kItem, 32895, "&Local Anchor"},
    kSeparator,
    {kItem, 32799, "&Table"},
    {kItem, 32808, "Item Li&st"},
};

const MenuItemTemplate g_constantMenu[] = {
    {kItem, 32823, "&Date"},           {kItem, 32824, "&Time"},
    {kItem, 32825, "&Version"},        {kItem, 32826, "Last &Changed"},
    {kItem, 32827, "Last &Generated"}, {kItem, 32828, "&Row Number"},
    {kItem, 32839, "Row C&ount"},      {kItem, 32804, "&URL"},
    {kItem, 32842, "T&itle"},          {kItem, 32871, "&Webmaster"},
};

const MenuItemTemplate g_formItemsMenu[] = {
    {kItem, 32850, "&Check Box"},     {kItem, 32858, "Check Box (c&hecked)"},
    {kItem, 32851, "&Radio Button"},  {kItem, 32859, "Radio Button (&selected)"},
    {kItem, 32852, "H&idden"},        {kItem, 32853, "&Edit Control"},
    {kItem, 32854, "&Text Area"},     {kItem, 32855, "&List Box"},
    {kItem, 32856, "S&ubmit Button"}, {kItem, 32857, "Rese&t Button"},
};

const MenuItemTemplate g_variableMenu[] = {
    {kItem, 32846, "Set &Default"}, {kItem, 32847, "&Print"},     {kItem, 32848, "&Set"},
    {kItem, 32874, "Set &Cookie"},  {kItem, 32893, "&Interpret"},
};

const MenuItemTemplate g_conditionalsMenu[] = {
    {kItem, 32796, "&When/Is"}, {kItem, 32797, "W&hile"},        {kItem, 32819, "&If/Else"},
    {kItem, 32875, "&For"},     {kItem, 32892, "&Repeat/Until"},
};

const MenuItemTemplate g_actionsMenu[] = {
    {kItem, 32881, "Add &One Row"},    {kItem, 32882, "Add &Many Rows"},
    {kItem, 32883, "&Delete Row"},     {kItem, 32884, "&Edit One Row"},
    {kItem, 32885, "Edit Man&y Rows"}, {kItem, 32886, "E&xecute Query"},
    {kItem, 32904, "&Generate Page"},  {kItem, 32889, "&Return Page"},
    {kItem, 32890, "&Send Email"},     {kItem, 32907, "R&un Program"},
};

const MenuItemTemplate g_insertMenu[] = {
    Popup("&HTML", g_htmlMenu),
    kSeparator,
    {kItem, 32762, "&Image"},
    {kItem, 32789, "&Macro"},
    {kItem, 32794, "&Form"},
    {kItem, 32790, "&Query"},
    {kItem, 32793, "Internal &Link\tCtrl+K"},
    {kItem, 32763, "E&xternal Link"},
    {kItem, 32897, "M&ultiMedia"},
    {kItem, 32802, "&ActiveX"},
    {kItem, 32795, "&Java"},
    {kItem, 32898, "&Script"},
    {kItem, 32905, "A&d Space"},
    {kItem, 32891, "Fil&e"},
    {kItem, 32805, "&Comment"},
    kSeparator,
    Popup("Co&nstant", g_constantMenu),
    Popup("F&orm Items", g_formItemsMenu),
    Popup("&Variable", g_variableMenu),
    Popup("Condi&tionals", g_conditionalsMenu),
    Popup("Ac&tions", g_actionsMenu),
};

const MenuItemTemplate g_contextMenu[] = {
    {kItem, ID_EDIT_PROPERTIES, "P&roperties\tF8"},
    kSeparator,
    {kItem, ID_EDIT_CUT, "Cu&t"},
    {kItem, ID_EDIT_COPY, "&Copy"},
    {kItem, ID_EDIT_PASTE, "&Paste"},
    kSeparator,
    Popup("&Insert", g_insertMenu),
};

const MenuItemTemplate g_contextMenuBar[] = {Popup("Context", g_contextMenu)};
const MenuTemplate g_contextMenuTemplate = {g_contextMenuBar,
                                            static_cast<int>(std::size(g_contextMenuBar))};

// ---- Dialogs and forms ----

constexpr DWORD kLabel = WS_CHILD | WS_VISIBLE | SS_LEFT;
constexpr DWORD kEdit = WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | 0x0080; // ES_AUTOHSCROLL
constexpr DWORD kMultiLine = WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | WS_VSCROLL | 0x0004 |
                             0x0040 | 0x1000; // ES_MULTILINE, ES_AUTOVSCROLL, ES_WANTRETURN
constexpr DWORD kList = WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST;
constexpr DWORD kEditableList = WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN;
constexpr DWORD kSpin =
    WS_CHILD | WS_VISIBLE | UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_AUTOBUDDY | UDS_ARROWKEYS;
constexpr DWORD kOk = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON;
constexpr DWORD kButton = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON;
constexpr DWORD kModal = DS_MODALFRAME | DS_SETFONT | WS_POPUP | WS_CAPTION | WS_SYSMENU;
constexpr DWORD kForm = DS_SETFONT | WS_CHILD;

const DialogItemTemplate g_tableItems[] = {
    {IDC_STATIC, "Static", "Rows:", kLabel, 7, 9, 40, 8},
    {IDC_OUTLINE_ROWS, "Edit", "", kEdit, 50, 7, 36, 12},
    {IDC_OUTLINE_ROWS_SPIN, "msctls_updown32", "", kSpin, 88, 7, 10, 12},
    {IDC_STATIC, "Static", "Columns:", kLabel, 7, 28, 40, 8},
    {IDC_TABLE_COLUMNS, "Edit", "", kEdit, 50, 26, 36, 12},
    {IDC_TABLE_COLUMNS_SPIN, "msctls_updown32", "", kSpin, 88, 26, 10, 12},
    {IDOK, "Button", "OK", kOk, 112, 7, 50, 14},
    {IDCANCEL, "Button", "Cancel", kButton, 112, 24, 50, 14},
};

const DialogItemTemplate g_listItems[] = {
    {IDC_STATIC, "Static", "Heading:", kLabel, 7, 9, 40, 8},
    {IDC_LIST_HEADING, "Edit", "", kEdit, 50, 7, 110, 12},
    {IDC_STATIC, "Static", "Rows:", kLabel, 7, 28, 40, 8},
    {IDC_OUTLINE_ROWS, "Edit", "", kEdit, 50, 26, 36, 12},
    {IDC_OUTLINE_ROWS_SPIN, "msctls_updown32", "", kSpin, 88, 26, 10, 12},
    {IDC_STATIC, "Static", "Bullet:", kLabel, 7, 47, 40, 8},
    {IDC_LIST_BULLET, "ComboBox", "", kList, 50, 45, 70, 80},
    {IDOK, "Button", "OK", kOk, 172, 7, 50, 14},
    {IDCANCEL, "Button", "Cancel", kButton, 172, 24, 50, 14},
};

// The controls every attribute form starts with.
#define MQ_SHARED_ATTRIBUTES(idLabel)                                                              \
    {IDC_STATIC, "Static", idLabel, kLabel, 7, 9, 40, 8},                                          \
        {IDC_ATTR_KEY, "Static", "", kLabel, 55, 9, 120, 8},                                       \
        {IDC_STATIC, "Static", "Title:", kLabel, 7, 26, 40, 8},                                    \
        {IDC_ATTR_TITLE, "Edit", "", kEdit, 55, 24, 200, 12},                                      \
        {IDC_STATIC, "Static", "Site:", kLabel, 7, 45, 40, 8}, {                                   \
        IDC_ATTR_SITE, "ComboBox", "", kList, 55, 43, 200, 100                                     \
    }
#define MQ_SECTION_ROW                                                                             \
    {IDC_STATIC, "Static", "Section:", kLabel, 7, 64, 40, 8}, {                                    \
        IDC_ATTR_SECTION, "ComboBox", "", kList, 55, 62, 200, 100                                  \
    }

const DialogItemTemplate g_pageAttributeItems[] = {
    MQ_SHARED_ATTRIBUTES("ID:"),
    MQ_SECTION_ROW,
    {IDC_STATIC, "Static", "Style:", kLabel, 7, 83, 40, 8},
    {IDC_PAGE_STYLE, "ComboBox", "", kList, 55, 81, 200, 100},
    {IDC_STATIC, "Static", "FileName:", kLabel, 7, 102, 40, 8},
    {IDC_PAGE_FILENAME, "Edit", "", kEdit, 55, 100, 120, 12},
    {IDC_STATIC, "Static", "Directory:", kLabel, 7, 121, 40, 8},
    {IDC_PAGE_DIRECTORY, "Edit", "", kEdit, 55, 119, 120, 12},
    {IDC_STATIC, "Static", "Relative Path:", kLabel, 7, 140, 46, 8},
    {IDC_PAGE_RELATIVE_PATH, "Static", "", kLabel, 55, 140, 200, 8},
    {IDC_STATIC, "Static", "Keywords:", kLabel, 7, 157, 40, 8},
    {IDC_PAGE_KEYWORDS, "Edit", "", kMultiLine, 55, 155, 200, 40},
};

const DialogItemTemplate g_templateAttributeItems[] = {
    MQ_SHARED_ATTRIBUTES("Id:"),
};

const DialogItemTemplate g_scriptAttributeItems[] = {
    MQ_SHARED_ATTRIBUTES("Id:"),
    MQ_SECTION_ROW,
    {IDC_STATIC, "Static", "Language:", kLabel, 7, 83, 40, 8},
    {IDC_SCRIPT_LANGUAGE, "ComboBox", "", kEditableList, 55, 81, 120, 60},
    {IDC_STATIC, "Static", "Type:", kLabel, 7, 102, 40, 8},
    {IDC_SCRIPT_TYPE, "Edit", "", kEdit, 55, 100, 120, 12},
};

#define MQ_ITEMS(items) items, static_cast<int>(std::size(items))

const DialogTemplate g_textEditorDialogs[] = {
    {IDD_TABLE_PROPS, kModal, "Table Size", "MS Sans Serif", 8, 0, 0, 170, 46,
     MQ_ITEMS(g_tableItems)},
    {IDD_LIST_PROPS, kModal, "List", "MS Sans Serif", 8, 0, 0, 230, 66, MQ_ITEMS(g_listItems)},
    {IDD_PAGE_ATTRIBUTES, kForm, "", "MS Sans Serif", 8, 0, 0, 264, 202,
     MQ_ITEMS(g_pageAttributeItems)},
    {IDD_TEMPLATE_ATTRIBUTES, kForm, "", "MS Sans Serif", 8, 0, 0, 264, 64,
     MQ_ITEMS(g_templateAttributeItems)},
    {IDD_SCRIPT_ATTRIBUTES, kForm, "", "MS Sans Serif", 8, 0, 0, 264, 120,
     MQ_ITEMS(g_scriptAttributeItems)},
};

} // namespace

std::span<const DialogTemplate> TextEditorTemplates() {
    return g_textEditorDialogs;
}

MenuItemTemplate InsertMenuPopup() {
    return Popup("&Insert", g_insertMenu);
}

void RegisterTextEditorMenu() {
    MenuResources::RegisterMenu(IDR_EDIT_CONTEXT, &g_contextMenuTemplate);
}
