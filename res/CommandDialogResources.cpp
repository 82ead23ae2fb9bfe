// The dialog templates of the command property dialogs and of the query wizard's pages.
#include "platform/core/MessageBox.h"
#include "platform/ui/CCheckListBox.h"
#include "platform/ui/CComboBox.h"
#include "platform/ui/CListBox.h"
#include "platform/ui/CScrollBar.h"
#include "platform/ui/CSpinButtonCtrl.h"
#include "platform/ui/DialogTemplates.h"
#include "platform/ui/WindowStyles.h"
#include "res/Resource.h"
#include "res/Resources.h"

#include <iterator>

namespace {

constexpr DWORD kLabel = WS_CHILD | WS_VISIBLE | SS_LEFT;
constexpr DWORD kList = WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST;
constexpr DWORD kEdit = WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | 0x0080; // ES_AUTOHSCROLL
constexpr DWORD kMultiLine = WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | WS_VSCROLL | 0x0004 |
                             0x0040 | 0x1000; // ES_MULTILINE, ES_AUTOVSCROLL, ES_WANTRETURN
constexpr DWORD kSpin =
    WS_CHILD | WS_VISIBLE | UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_AUTOBUDDY | UDS_ARROWKEYS;
constexpr DWORD kCheck = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX;
constexpr DWORD kRadio = WS_CHILD | WS_VISIBLE | BS_AUTORADIOBUTTON;
constexpr DWORD kCheckList = WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | WS_VSCROLL |
                             LBS_NOTIFY | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS;
constexpr DWORD kBitmap = WS_CHILD | WS_VISIBLE | 0x000E; // SS_BITMAP
constexpr DWORD kOk = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON;
constexpr DWORD kButton = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON;
constexpr DWORD kModal = DS_MODALFRAME | DS_SETFONT | WS_POPUP | WS_CAPTION | WS_SYSMENU;
constexpr DWORD kPage = DS_SETFONT | WS_CHILD | WS_DISABLED | WS_CAPTION;

#define MQ_ITEMS(items) items, static_cast<int>(std::size(items))

// Two numbers a row, each field with its spin after it; the toolkit's spins are wide.
#define MQ_NUMBER(label, x, y, edit, spin)                                                         \
    {IDC_STATIC, "Static", label, kLabel, x, (y) + 2, 38, 8},                                      \
        {edit, "Edit", "", kEdit, (x) + 40, y, 30, 12}, {                                          \
        spin, "msctls_updown32", "", kSpin, (x) + 72, y, 10, 12                                    \
    }

const DialogItemTemplate g_imageItems[] = {
    {IDC_STATIC, "Static", "Section:", kLabel, 7, 9, 40, 8},
    {IDC_PROPS_SECTION, "ComboBox", "", kList, 47, 7, 180, 100},
    {IDC_STATIC, "Static", "Image:", kLabel, 7, 26, 40, 8},
    {IDC_PROPS_OBJECT, "ComboBox", "", kList, 47, 24, 180, 100},
    MQ_NUMBER("HSpace:", 7, 46, IDC_PROPS_HSPACE, IDC_PROPS_HSPACE_SPIN),
    MQ_NUMBER("VSpace:", 125, 46, IDC_PROPS_VSPACE, IDC_PROPS_VSPACE_SPIN),
    MQ_NUMBER("Width:", 7, 68, IDC_PROPS_WIDTH, IDC_PROPS_WIDTH_SPIN),
    MQ_NUMBER("Height:", 125, 68, IDC_PROPS_HEIGHT, IDC_PROPS_HEIGHT_SPIN),
    MQ_NUMBER("Border:", 7, 90, IDC_PROPS_BORDER, IDC_PROPS_BORDER_SPIN),
    {IDC_PROPS_USEMAP, "Button", "Use Image Map", kCheck | WS_DISABLED, 125, 90, 90, 12},
    {IDC_STATIC, "Static", "Alignment:", kLabel, 7, 114, 40, 8},
    {IDC_PROPS_ALIGN, "ComboBox", "", kList, 47, 112, 70, 80},
    {IDC_STATIC, "Static", "Other:", kLabel, 7, 132, 40, 8},
    {IDC_PROPS_OTHER, "Edit", "", kEdit, 47, 130, 180, 12},
    {IDOK, "Button", "OK", kOk, 240, 7, 50, 14},
    {IDCANCEL, "Button", "Cancel", kButton, 240, 24, 50, 14},
};

const DialogItemTemplate g_intLinkItems[] = {
    {IDC_STATIC, "Static", "Section:", kLabel, 7, 9, 40, 8},
    {IDC_PROPS_SECTION, "ComboBox", "", kList, 50, 7, 140, 100},
    {IDC_STATIC, "Static", "Page:", kLabel, 7, 26, 40, 8},
    {IDC_PROPS_OBJECT, "ComboBox", "", kList, 50, 24, 140, 100},
    {IDC_STATIC, "Static", "Anchor:", kLabel, 7, 43, 40, 8},
    {IDC_PROPS_ANCHOR, "Edit", "", kEdit, 50, 41, 140, 12},
    {IDC_STATIC, "Static", "Other:", kLabel, 7, 60, 40, 8},
    {IDC_PROPS_OTHER, "Edit", "", kEdit, 50, 58, 140, 12},
    {IDOK, "Button", "OK", kOk, 200, 7, 50, 14},
    {IDCANCEL, "Button", "Cancel", kButton, 200, 24, 50, 14},
};

// An object list and, visible or not, a text under it.
#define MQ_LIST_AND_TEXT(name, listLabel, textLabel, textStyle)                                    \
    const DialogItemTemplate name[] = {                                                            \
        {IDC_STATIC, "Static", listLabel, kLabel, 7, 9, 45, 8},                                    \
        {IDC_PROPS_OBJECT, "ComboBox", "", kList, 55, 7, 135, 100},                                \
        {IDC_STATIC, "Static", textLabel, (textStyle) & ~WS_BORDER & ~WS_TABSTOP, 7, 26, 45, 8},   \
        {IDC_PROPS_OTHER, "Edit", "", textStyle, 55, 24, 135, 12},                                 \
        {IDOK, "Button", "OK", kOk, 200, 7, 50, 14},                                               \
        {IDCANCEL, "Button", "Cancel", kButton, 200, 24, 50, 14},                                  \
    }

MQ_LIST_AND_TEXT(g_formItems, "Form:", "Other:", kEdit);
MQ_LIST_AND_TEXT(g_queryItems, "Query:", "Parameters:", kEdit);
MQ_LIST_AND_TEXT(g_mediaItems, "MultiMedia:", "Other:", kEdit & ~WS_VISIBLE);
MQ_LIST_AND_TEXT(g_macroItems, "Macro:", "Other:", kEdit);
MQ_LIST_AND_TEXT(g_actionItems, "Action:", "Other:", kEdit);

const DialogItemTemplate g_scriptItems[] = {
    {IDC_STATIC, "Static", "Script:", kLabel, 7, 9, 45, 8},
    {IDC_PROPS_OBJECT, "ComboBox", "", kList, 55, 7, 135, 100},
    {IDOK, "Button", "OK", kOk, 200, 7, 50, 14},
    {IDCANCEL, "Button", "Cancel", kButton, 200, 24, 50, 14},
};

// An embedded object's list, its spacing and size, the ActiveX object's border, alignment.
#define MQ_EMBEDDED_ITEMS(listLabel)                                                               \
    {IDC_STATIC, "Static", listLabel, kLabel, 7, 9, 40, 8},                                        \
        {IDC_PROPS_OBJECT, "ComboBox", "", kList, 47, 7, 180, 100},                                \
        MQ_NUMBER("HSpace:", 7, 29, IDC_PROPS_HSPACE, IDC_PROPS_HSPACE_SPIN),                      \
        MQ_NUMBER("VSpace:", 125, 29, IDC_PROPS_VSPACE, IDC_PROPS_VSPACE_SPIN),                    \
        MQ_NUMBER("Width:", 7, 51, IDC_PROPS_WIDTH, IDC_PROPS_WIDTH_SPIN),                         \
        MQ_NUMBER("Height:", 125, 51, IDC_PROPS_HEIGHT, IDC_PROPS_HEIGHT_SPIN)

const DialogItemTemplate g_activeXItems[] = {
    MQ_EMBEDDED_ITEMS("ActiveX:"),
    MQ_NUMBER("Border:", 7, 73, IDC_PROPS_BORDER, IDC_PROPS_BORDER_SPIN),
    {IDC_STATIC, "Static", "Alignment:", kLabel, 7, 97, 40, 8},
    {IDC_PROPS_ALIGN, "ComboBox", "", kList, 47, 95, 70, 80},
    {IDOK, "Button", "OK", kOk, 240, 7, 50, 14},
    {IDCANCEL, "Button", "Cancel", kButton, 240, 24, 50, 14},
};

const DialogItemTemplate g_javaItems[] = {
    MQ_EMBEDDED_ITEMS("Java:"),
    {IDC_STATIC, "Static", "Alignment:", kLabel, 7, 75, 40, 8},
    {IDC_PROPS_ALIGN, "ComboBox", "", kList, 47, 73, 70, 80},
    {IDOK, "Button", "OK", kOk, 240, 7, 50, 14},
    {IDCANCEL, "Button", "Cancel", kButton, 240, 24, 50, 14},
};

// The query wizard's pages: the bitmap at the top left, the controls beside it.
const DialogItemTemplate g_wizardP1Items[] = {
    {IDB_QUERYWIZ, "Static", "", kBitmap, 7, 7, 60, 110},
    {IDC_STATIC, "Static", "Query:", kLabel, 75, 9, 170, 8},
    {IDC_QWIZ_QUERY, "ComboBox", "", kList, 75, 20, 170, 100},
    {IDC_STATIC, "Static", "What would you like to do with this query?", kLabel, 75, 45, 170, 8},
    {IDC_QWIZ_PRINT, "Button", "&Print It", kRadio | WS_GROUP | WS_TABSTOP, 85, 58, 120, 12},
    {IDC_QWIZ_ADDROWS, "Button", "&Add Rows To It", kRadio, 85, 72, 120, 12},
    {IDC_QWIZ_EDITROWS, "Button", "&Edit Rows", kRadio, 85, 86, 120, 12},
};

const DialogItemTemplate g_wizardP2Items[] = {
    {IDB_QUERYWIZ, "Static", "", kBitmap, 7, 7, 60, 110},
    {IDC_STATIC, "Static", "Parameters Values", kLabel, 75, 9, 170, 8},
    {IDC_QWIZ_PARAMETERS, "Edit", "", kMultiLine, 75, 20, 170, 95},
};

const DialogItemTemplate g_wizardP3Items[] = {
    {IDB_QUERYWIZ, "Static", "", kBitmap, 7, 7, 60, 110},
    {IDC_STATIC, "Static", "Which fields do you wish to use?", kLabel, 75, 9, 170, 8},
    {IDC_QWIZ_FIELDS, "ListBox", "", kCheckList, 75, 20, 170, 95},
};

const DialogItemTemplate g_wizardP4Items[] = {
    {IDB_QUERYWIZ, "Static", "", kBitmap, 7, 7, 60, 110},
    {IDC_QWIZ_ROWCOUNT, "Button", "Include a Row Count", kCheck, 75, 20, 170, 12},
    {IDC_QWIZ_NOROWS, "Button", "Handle the case of No Rows", kCheck, 75, 36, 170, 12},
};

const DialogItemTemplate g_wizardP5Items[] = {
    {IDB_QUERYWIZ, "Static", "", kBitmap, 7, 7, 60, 110},
    {IDC_QWIZ_FIRSTROW_ONLY, "Button", "Execute for the first row only", kCheck, 75, 20, 170, 12},
    {IDC_QWIZ_SPECIAL, "Edit", "", kMultiLine, 75, 36, 170, 79},
};

const DialogItemTemplate g_wizardP6Items[] = {
    {IDB_QUERYWIZ, "Static", "", kBitmap, 7, 7, 60, 110},
    {IDC_STATIC, "Static", "When this field changes:", kLabel, 75, 9, 170, 8},
    {IDC_QWIZ_FIELDS, "ListBox", "", kCheckList, 75, 20, 170, 45},
    {IDC_STATIC, "Static", "Do this:", kLabel, 75, 70, 170, 8},
    {IDC_QWIZ_ACTION, "Edit", "", kMultiLine, 75, 81, 170, 34},
};

const DialogItemTemplate g_wizardP7Items[] = {
    {IDB_QUERYWIZ, "Static", "", kBitmap, 7, 7, 60, 110},
    {IDC_QWIZ_SUBMIT, "Button", "Include Submit Button", kCheck, 75, 20, 170, 12},
    {IDC_QWIZ_SUBMIT_CAPTION, "Edit", "", kEdit, 85, 33, 100, 12},
    {IDC_QWIZ_RESET, "Button", "Include Reset Button", kCheck, 75, 55, 170, 12},
    {IDC_QWIZ_RESET_CAPTION, "Edit", "", kEdit, 85, 68, 100, 12},
};

const DialogTemplate g_commandDialogs[] = {
    {IDD_IMAGE_PROPS, kModal, "Image Command", "MS Sans Serif", 8, 0, 0, 297, 150,
     MQ_ITEMS(g_imageItems)},
    {IDD_MACRO_PROPS, kModal, "Macro Command", "MS Sans Serif", 8, 0, 0, 257, 46,
     MQ_ITEMS(g_macroItems)},
    {IDD_INTLINK_PROPS, kModal, "Internal Link Command", "MS Sans Serif", 8, 0, 0, 257, 78,
     MQ_ITEMS(g_intLinkItems)},
    {IDD_FORM_PROPS, kModal, "Form  Command", "MS Sans Serif", 8, 0, 0, 257, 46,
     MQ_ITEMS(g_formItems)},
    {IDD_SCRIPT_PROPS, kModal, "Script Command", "MS Sans Serif", 8, 0, 0, 257, 46,
     MQ_ITEMS(g_scriptItems)},
    {IDD_ACTIVEX_PROPS, kModal, "ActiveX Command", "MS Sans Serif", 8, 0, 0, 297, 115,
     MQ_ITEMS(g_activeXItems)},
    {IDD_JAVA_PROPS, kModal, "Java Command", "MS Sans Serif", 8, 0, 0, 297, 93,
     MQ_ITEMS(g_javaItems)},
    {IDD_MEDIA_PROPS, kModal, "Media Command", "MS Sans Serif", 8, 0, 0, 257, 46,
     MQ_ITEMS(g_mediaItems)},
    {IDD_QUERY_PROPS, kModal, "Query Command", "MS Sans Serif", 8, 0, 0, 257, 46,
     MQ_ITEMS(g_queryItems)},
    {IDD_ACTION_PROPS, kModal, "Action Command", "MS Sans Serif", 8, 0, 0, 257, 46,
     MQ_ITEMS(g_actionItems)},
    {IDD_QUERYWIZ_P1, kPage, "Query Command", "MS Sans Serif", 8, 0, 0, 252, 122,
     MQ_ITEMS(g_wizardP1Items)},
    {IDD_QUERYWIZ_P2, kPage, "Query Arguments/Parameters", "MS Sans Serif", 8, 0, 0, 252, 122,
     MQ_ITEMS(g_wizardP2Items)},
    {IDD_QUERYWIZ_P3, kPage, "Query Fields", "MS Sans Serif", 8, 0, 0, 252, 122,
     MQ_ITEMS(g_wizardP3Items)},
    {IDD_QUERYWIZ_P4, kPage, "Query Special Cases", "MS Sans Serif", 8, 0, 0, 252, 122,
     MQ_ITEMS(g_wizardP4Items)},
    {IDD_QUERYWIZ_P5, kPage, "Query Special Handling", "MS Sans Serif", 8, 0, 0, 252, 122,
     MQ_ITEMS(g_wizardP5Items)},
    {IDD_QUERYWIZ_P6, kPage, "Query Group By", "MS Sans Serif", 8, 0, 0, 252, 122,
     MQ_ITEMS(g_wizardP6Items)},
    {IDD_QUERYWIZ_P7, kPage, "Query Submit Button", "MS Sans Serif", 8, 0, 0, 252, 122,
     MQ_ITEMS(g_wizardP7Items)},
};

#undef MQ_ITEMS
#undef MQ_NUMBER
#undef MQ_EMBEDDED_ITEMS

} // namespace

const DialogTemplate* FindCommandDialogTemplate(UINT id) {
    for (const DialogTemplate& dialog : g_commandDialogs) {
        if (dialog.id == id)
            return &dialog;
    }
    return nullptr;
}

void RegisterCommandDialogTemplates() {
    for (const DialogTemplate& dialog : g_commandDialogs)
        DialogTemplates::Register(dialog.id, &dialog);
}
