#include "shell/QZWindowPlacement.h"

#include "platform/core/MessageBox.h"
#include "platform/ui/CWnd.h"
#include "res/Resource.h"
#include "shell/WindowPlacementText.h"
#include "wintoolkit/registry/SECRegistry.h"

namespace {

constexpr const char* kNoUserKey = "Couldn't access the registry at HKEY_CURRENT_USER.";
constexpr const char* kNoRestore =
    "Couldn't access the registry. Unable to restore window defaults.";
constexpr const char* kNoSave = "Couldn't access the registry. Unable to Save window defaults.";

CString SettingsKey() {
    CString key;
    key.LoadString(IDS_SETTINGS_KEY);
    return key;
}

} // namespace

BOOL LoadWindowPlacement(CWnd* frame, LPCTSTR valueName, WINDOWPLACEMENT* placement,
                         int defaultShow, int* showCmd) {
    WINDOWPLACEMENT current;
    CString application;
    if (!frame->GetWindowPlacement(&current) || !application.LoadString(IDS_APPLICATION))
        return FALSE;
    SECRegistry registry;
    CString text;
    if (!registry.Connect(HKEY_CURRENT_USER))
        AfxMessageBox(kNoUserKey);
    else if (!registry.Open(SettingsKey(), KEY_ALL_ACCESS))
        AfxMessageBox(kNoRestore);
    else
        registry.GetStringValue(valueName, text);
    if (!ParseWindowPlacement(text, placement)) {
        *placement = current;
        placement->showCmd = static_cast<UINT>(defaultShow);
    }
    placement->ptMaxPosition = current.ptMinPosition;
    frame->SetWindowPlacement(placement);
    *showCmd = static_cast<int>(placement->showCmd);
    return TRUE;
}

void SaveWindowPlacement(CWnd* frame, LPCTSTR valueName) {
    SECRegistry registry;
    if (!registry.Connect(HKEY_CURRENT_USER) || !registry.Open(SettingsKey(), KEY_ALL_ACCESS)) {
        AfxMessageBox(kNoSave);
        return;
    }
    WINDOWPLACEMENT placement;
    if (frame->GetWindowPlacement(&placement))
        registry.SetStringValue(valueName, FormatWindowPlacement(placement));
}
