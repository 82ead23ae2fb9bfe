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

const DialogTemplate g_dialogs[] = {
    {IDD_PROGRESS, DS_MODALFRAME | DS_SETFONT | WS_POPUP | WS_VISIBLE | WS_CAPTION, "",
     "MS Sans Serif", 8, 0, 0, 186, 47, g_progressItems,
     static_cast<int>(std::size(g_progressItems))},
    {IDD_PREF_EDITOR, DS_SETFONT | WS_CHILD | WS_DISABLED | WS_CAPTION, "Editor", "MS Sans Serif",
     8, 0, 0, 220, 140, g_prefEditorItems, static_cast<int>(std::size(g_prefEditorItems))},
    // The site browser's bar; its controls come with the site browser.
    {IDD_SITE_VIEWER, DS_SETFONT | WS_CHILD, "Site Viewer", "MS Sans Serif", 8, 0, 0, 160, 250,
     nullptr, 0},
};

} // namespace

const DialogTemplate* FindDialogTemplate(UINT id) {
    for (const DialogTemplate& dialog : g_dialogs) {
        if (dialog.id == id)
            return &dialog;
    }
    return nullptr;
}

void RegisterDialogTemplates() {
    for (const DialogTemplate& dialog : g_dialogs)
        DialogTemplates::Register(dialog.id, &dialog);
}
