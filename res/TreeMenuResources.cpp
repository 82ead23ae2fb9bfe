// Menu 139, the context menu of the Site Viewer's trees (one pop-up for each kind of selection),
// and the framework New's chooser of the kinds.

#include "platform/core/MessageBox.h"
#include "platform/ui/CListBox.h"
#include "platform/ui/CMenu.h"
#include "platform/ui/CScrollBar.h"
#include "platform/ui/MenuResources.h"
#include "platform/ui/WindowStyles.h"
#include "res/Resource.h"
#include "res/Resources.h"

#include <iterator>

namespace {

constexpr UINT kItem = 0; // MF_STRING
constexpr MenuItemTemplate kSeparator{MF_SEPARATOR, 0, nullptr};

template <size_t N>
constexpr MenuItemTemplate Popup(const char* text, const MenuItemTemplate (&items)[N]) {
    return {MF_POPUP, 0, text, items, static_cast<int>(N)};
}

constexpr MenuItemTemplate kNew{kItem, ID_TREE_NEW, "&New"};
constexpr MenuItemTemplate kOpen{kItem, ID_TREE_OPEN, "&Open"};
constexpr MenuItemTemplate kInsert{kItem, ID_TREE_INSERT, "&Insert"};
constexpr MenuItemTemplate kMarkForPublish{kItem, ID_MARK_FOR_PUBLISH, "&Mark for Publish"};
constexpr MenuItemTemplate kDelete{kItem, ID_TREE_DELETE, "&Delete"};
constexpr MenuItemTemplate kNewSection{kItem, ID_NEW_SECTION, "New Secti&on"};
constexpr MenuItemTemplate kEditSection{kItem, ID_EDIT_SECTION, "Edit Sec&tion"};
constexpr MenuItemTemplate kInsertAdd{kItem, ID_INSERT_ADD, "Insert &Add"};
constexpr MenuItemTemplate kInsertEdit{kItem, ID_INSERT_EDIT, "Insert &Edit"};

// 0: a section of the page or image tree.
const MenuItemTemplate g_section[] = {kNew, kSeparator, kNewSection, kEditSection};

// 1: an object of a flat tree, or of the page or image tree.
const MenuItemTemplate g_object[] = {kNew,       kOpen,  kInsert, kSeparator, kMarkForPublish,
                                     kSeparator, kDelete};

// 2: a query or a table, with its snippets.
const MenuItemTemplate g_querySnippets[] = {
    {kItem, ID_PRINT_MAIL_LIST, "&Print Mail List"},
    {kItem, ID_PRINT_TABLE, "Print &Table"},
    kInsertAdd,
    kInsertEdit,
    {kItem, ID_EXECUTE_QUERY, "Execute &Query"},
};
const MenuItemTemplate g_query[] = {kNew, kOpen, Popup("&Insert", g_querySnippets), kSeparator,
                                    kDelete};

// 3: a field of a query.
const MenuItemTemplate g_field[] = {
    {kItem, ID_TREE_INSERT, "Insert &Print"}, kInsertAdd, kInsertEdit};

// 4: nothing, or a parameter, selected in the query tree.
const MenuItemTemplate g_queryNone[] = {kNew};

// The multimedia tree's New commands, one a kind.
constexpr MenuItemTemplate kNewActiveX{kItem, ID_NEW_ACTIVEX, "New Active&X"};
constexpr MenuItemTemplate kNewJava{kItem, ID_NEW_JAVA, "New &Java"};
constexpr MenuItemTemplate kNewScript{kItem, ID_NEW_SCRIPT, "New Scrip&t"};
constexpr MenuItemTemplate kNewMedia{kItem, ID_NEW_MULTIMEDIA, "New M&ultiMedia"};

// 5: an object of the multimedia tree.
const MenuItemTemplate g_mediaObject[] = {kNewActiveX,     kNewJava,   kNewScript, kNewMedia,
                                          kSeparator,      kOpen,      kInsert,    kSeparator,
                                          kMarkForPublish, kSeparator, kDelete};

// 6: a section of the multimedia tree.
const MenuItemTemplate g_mediaSection[] = {kNewActiveX, kNewJava,    kNewScript,  kNewMedia,
                                           kSeparator,  kNewSection, kEditSection};

// 7: the advertising tree.
const MenuItemTemplate g_advertising[] = {
    kNew,
    {kItem, ID_NEW_ADVERTISER, "New Ad&vertiser"},
    {kItem, ID_NEW_AD, "New A&d"},
    {kItem, ID_NEW_ADSPACE, "New Ad S&pace"},
    kSeparator,
    kOpen,
    kInsert,
    kSeparator,
    kMarkForPublish,
    kSeparator,
    kDelete,
};

const MenuItemTemplate g_treeMenu[] = {
    Popup("Section", g_section),
    Popup("Object", g_object),
    Popup("Query", g_query),
    Popup("Field", g_field),
    Popup("Queries", g_queryNone),
    Popup("Media Object", g_mediaObject),
    Popup("Media Section", g_mediaSection),
    Popup("Advertising", g_advertising),
};

const MenuTemplate g_treeMenuTemplate = {g_treeMenu, static_cast<int>(std::size(g_treeMenu))};

constexpr DWORD kModal = DS_MODALFRAME | DS_SETFONT | WS_POPUP | WS_CAPTION | WS_SYSMENU;

const DialogItemTemplate g_newTypeItems[] = {
    {IDC_STATIC, "Static", "&New", WS_CHILD | WS_VISIBLE | SS_LEFT, 7, 7, 100, 8},
    {IDC_NEWTYPE_LIST, "ListBox", "",
     WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | WS_TABSTOP | LBS_NOTIFY, 7, 18, 100, 90},
    {IDOK, "Button", "OK", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 115, 18, 50, 14},
    {IDCANCEL, "Button", "Cancel", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 115, 36, 50,
     14},
};

const DialogTemplate g_treeMenuDialogs[] = {
    {IDD_NEWTYPE, kModal, "New", "MS Sans Serif", 8, 0, 0, 172, 115, g_newTypeItems,
     static_cast<int>(std::size(g_newTypeItems))},
};

} // namespace

void RegisterTreeMenu() {
    MenuResources::RegisterMenu(IDR_TREE_MENU, &g_treeMenuTemplate);
}

std::span<const DialogTemplate> TreeMenuDialogTemplates() {
    return g_treeMenuDialogs;
}
