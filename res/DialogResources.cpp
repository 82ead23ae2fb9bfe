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

const DialogTemplate g_dialogs[] = {
    {IDD_PROGRESS, DS_MODALFRAME | DS_SETFONT | WS_POPUP | WS_VISIBLE | WS_CAPTION, "",
     "MS Sans Serif", 8, 0, 0, 186, 47, g_progressItems,
     static_cast<int>(std::size(g_progressItems))},
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
