#include "platform/core/MessageBox.h"
#include "platform/ui/CComboBox.h"
#include "platform/ui/CListBox.h"
#include "platform/ui/DialogTemplates.h"
#include "platform/ui/WindowStyles.h"
#include "res/Resource.h"
#include "res/Resources.h"

#include <iterator>

namespace {

const DialogItemTemplate g_progressItems[] = {
    {IDC_PROGDLG_PROGRESS, "msctls_progress32", "Progress1", WS_CHILD | WS_VISIBLE | WS_BORDER, 16,
     21, 154, 13},
    {IDC_PROGDLG_STATUS, "Static", "", WS_CHILD | WS_VISIBLE | WS_GROUP | SS_LEFT, 13, 7, 158, 8},
};

constexpr DWORD kCheck = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX;
constexpr DWORD kColorButton = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON;
constexpr DWORD kLabel = WS_CHILD | WS_VISIBLE | SS_LEFT;

const DialogItemTemplate g_siteViewerItems[] = {
    {IDC_SV_CAPTION, "Static", "Pages", kLabel, 4, 40, 150, 10},
    {IDC_SV_SITES, "ComboBox", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP | CBS_DROPDOWNLIST, 25, 6,
     130, 100},
};

const DialogItemTemplate g_prefEditorItems[] = {
    {IDC_PREF_WORKBOOK, "Button", "&Work Book Mode", kCheck, 10, 8, 100, 12},
    {IDC_PREF_ADDCOMMENTS, "Button", "&Add Comments", kCheck, 10, 24, 100, 12},
    {IDC_STATIC, "Button", "Colors", WS_CHILD | WS_VISIBLE | BS_GROUPBOX, 7, 42, 206, 92},
    {IDC_STATIC, "Static", "PlainText", kLabel, 16, 57, 60, 8},
    {IDC_PREF_TEXTCOLOR, "Button", "PlainText", kColorButton, 80, 55, 40, 12},
    {IDC_STATIC, "Static", "HTML Cmds", kLabel, 16, 72, 60, 8},
    {IDC_PREF_HTMLCOLOR, "Button", "HTML Cmds", kColorButton, 80, 70, 40, 12},
    {IDC_STATIC, "Static", "Marquill Cmds", kLabel, 16, 87, 60, 8},
    {IDC_PREF_VANTRELCOLOR, "Button", "Marquill Cmds", kColorButton, 80, 85, 40, 12},
    {IDC_STATIC, "Static", "Comments", kLabel, 16, 102, 60, 8},
    {IDC_PREF_COMMENTCOLOR, "Button", "Comments", kColorButton, 80, 100, 40, 12},
    {IDC_STATIC, "Static", "Cmd Brackets", kLabel, 16, 117, 60, 8},
    {IDC_PREF_BRACKETCOLOR, "Button", "Cmd Brackets", kColorButton, 80, 115, 40, 12},
};

// The Save As and "Select a Query/Table" dialogs of the editors.
constexpr DWORD kSaveAsEdit = WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP;
constexpr DWORD kSaveAsList = WS_CHILD | WS_VISIBLE | WS_TABSTOP | CBS_DROPDOWNLIST;
constexpr DWORD kDialogButton = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON;
constexpr DWORD kModalDialog = DS_MODALFRAME | DS_SETFONT | WS_POPUP | WS_CAPTION | WS_SYSMENU;

const DialogItemTemplate g_saveAsItems[] = {
    {IDC_STATIC, "Static", "Id:", kLabel, 7, 9, 34, 8},
    {IDC_SAVEAS_KEY, "Static", "", kLabel, 45, 9, 120, 8},
    {IDC_STATIC, "Static", "Title:", kLabel, 7, 26, 34, 8},
    {IDC_SAVEAS_TITLE, "Edit", "", kSaveAsEdit, 45, 24, 120, 12},
    {IDC_STATIC, "Static", "Site:", kLabel, 7, 47, 34, 8},
    {IDC_SAVEAS_SERVICE, "ComboBox", "", kSaveAsList, 45, 45, 120, 80},
    {IDC_SAVEAS_SECTION_LABEL, "Static", "Section:", kLabel, 7, 68, 30, 8},
    {IDC_SAVEAS_SECTION_BITMAP, "Static", "", WS_CHILD | WS_VISIBLE | 0x000E, 36, 67, 8, 8},
    {IDC_SAVEAS_SECTION, "ComboBox", "", kSaveAsList, 45, 66, 120, 80},
    {IDC_SAVEAS_FILENAME_LABEL, "Static", "File Name:", WS_CHILD | SS_LEFT, 7, 89, 36, 8},
    {IDC_SAVEAS_FILENAME, "Edit", "", WS_CHILD | WS_BORDER | WS_TABSTOP, 45, 87, 120, 12},
    {IDOK, "Button", "OK", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 175, 7, 50, 14},
    {IDCANCEL, "Button", "Cancel", kDialogButton, 175, 24, 50, 14},
};

const DialogItemTemplate g_queryBrowseItems[] = {
    {IDC_STATIC, "Button", "Type", WS_CHILD | WS_VISIBLE | BS_GROUPBOX, 7, 4, 112, 28},
    {IDC_QBROWSE_QUERY, "Button", "&Query",
     WS_CHILD | WS_VISIBLE | WS_GROUP | WS_TABSTOP | BS_AUTORADIOBUTTON, 15, 16, 45, 10},
    {IDC_QBROWSE_TABLE, "Button", "&Table", WS_CHILD | WS_VISIBLE | BS_AUTORADIOBUTTON, 65, 16, 45,
     10},
    {IDC_QBROWSE_LIST, "ListBox", "", WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | LBS_NOTIFY,
     7, 38, 112, 90},
    {IDOK, "Button", "OK", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 127, 7, 50, 14},
    {IDCANCEL, "Button", "Cancel", kDialogButton, 127, 24, 50, 14},
};

const DialogTemplate g_dialogs[] = {
    {IDD_PROGRESS, DS_MODALFRAME | DS_SETFONT | WS_POPUP | WS_VISIBLE | WS_CAPTION, "",
     "MS Sans Serif", 8, 0, 0, 186, 47, g_progressItems,
     static_cast<int>(std::size(g_progressItems))},
    {IDD_PREF_EDITOR, DS_SETFONT | WS_CHILD | WS_DISABLED | WS_CAPTION, "Editor", "MS Sans Serif",
     8, 0, 0, 220, 140, g_prefEditorItems, static_cast<int>(std::size(g_prefEditorItems))},
    {IDD_SAVEAS, kModalDialog, "Save As", "MS Sans Serif", 8, 0, 0, 232, 106, g_saveAsItems,
     static_cast<int>(std::size(g_saveAsItems))},
    {IDD_QUERY_BROWSE, kModalDialog, "Select a Query/Table", "MS Sans Serif", 8, 0, 0, 184, 135,
     g_queryBrowseItems, static_cast<int>(std::size(g_queryBrowseItems))},
    // The site browser's bar: the caption and the site combo box; the bar makes its tab row
    // and trees itself and places everything by its size.
    {IDD_SITE_VIEWER, DS_SETFONT | WS_CHILD, "Site Viewer", "MS Sans Serif", 8, 0, 0, 160, 250,
     g_siteViewerItems, static_cast<int>(std::size(g_siteViewerItems))},
};

// The tables kept in files of their own, each a group of dialogs.
using Table = std::span<const DialogTemplate> (*)();
const Table kTables[] = {
    &SiteDialogTemplates,
    &StatusFormTemplates,
    &SiteWizardTemplates,
    &TreeMenuDialogTemplates,
    &SiteSheetTemplates,
    &AdEventViewTemplates,
    &ImageViewTemplates,
    &TextEditorTemplates,
};

} // namespace

const DialogTemplate* FindDialogTemplate(UINT id) {
    for (const DialogTemplate& dialog : g_dialogs) {
        if (dialog.id == id)
            return &dialog;
    }
    for (Table table : kTables) {
        for (const DialogTemplate& dialog : table()) {
            if (dialog.id == id)
                return &dialog;
        }
    }
    return FindCommandDialogTemplate(id);
}

void RegisterDialogTemplates() {
    for (const DialogTemplate& dialog : g_dialogs)
        DialogTemplates::Register(dialog.id, &dialog);
    RegisterCommandDialogTemplates();
    for (Table table : kTables) {
        for (const DialogTemplate& dialog : table())
            DialogTemplates::Register(dialog.id, &dialog);
    }
}
