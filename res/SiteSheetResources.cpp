// The pages of the site and section settings sheets and of the preferences: Site, Production,
// Section, General, Confirmations and User. The sheets' Status page is the editors' status form
// and the preferences' Editor page is kept with the other dialogs.
#include "platform/ui/CComboBox.h"
#include "platform/ui/WindowStyles.h"
#include "res/Resource.h"
#include "res/Resources.h"

namespace {

constexpr DWORD kPage = DS_SETFONT | WS_CHILD | WS_DISABLED | WS_CAPTION;
constexpr DWORD kText = WS_CHILD | WS_VISIBLE | SS_LEFT;
constexpr DWORD kGroup = WS_CHILD | WS_VISIBLE | BS_GROUPBOX;
constexpr DWORD kEdit = WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP;
constexpr DWORD kPassword = kEdit | 0x0020; // ES_PASSWORD
constexpr DWORD kButton = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON;
constexpr DWORD kCheck = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX;
constexpr DWORD kRadio = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTORADIOBUTTON;
constexpr DWORD kDropList = WS_CHILD | WS_VISIBLE | WS_TABSTOP | CBS_DROPDOWNLIST;
constexpr DWORD kDropDown = WS_CHILD | WS_VISIBLE | WS_TABSTOP | CBS_DROPDOWN;
constexpr DWORD kPicture = WS_CHILD | WS_VISIBLE | 0x000E; // SS_BITMAP

const DialogItemTemplate g_serviceItems[] = {
    {IDC_STATIC, "Static", "Id:", kText, 7, 9, 60, 8},
    {IDC_SVC_KEY, "Static", "", kText, 72, 9, 150, 8},
    {IDC_STATIC, "Static", "Title:", kText, 7, 27, 60, 8},
    {IDC_SVC_TITLE, "Edit", "", kEdit, 72, 25, 150, 12},
    {IDC_SVC_STYLE_LABEL, "Static", "Style:", kText, 7, 47, 60, 8},
    {IDC_SVC_STYLE, "ComboBox", "", kDropList, 72, 45, 150, 100},
    {IDC_STATIC, "Static", "Webmaster:", kText, 7, 67, 60, 8},
    {IDC_SVC_WEBMASTER, "Edit", "", kEdit, 72, 65, 150, 12},
    {IDC_STATIC, "Static", "Dev Root:", kText, 7, 86, 60, 8},
    {IDC_SVC_DEVROOT, "Edit", "", kEdit, 72, 84, 150, 12},
    {IDC_SVC_DEVROOT_BROWSE, "Button", "...", kButton, 226, 84, 20, 14},
    {IDC_STATIC, "Static", "Directory:", kText, 7, 105, 60, 8},
    {IDC_SVC_DIRECTORY, "Edit", "", kEdit, 72, 103, 150, 12},
    {IDC_STATIC, "Static", "Client's Dev DB:", kText, 7, 124, 60, 8},
    {IDC_SVC_CLIENTS_DB, "Edit", "", kEdit, 72, 122, 150, 12},
    {IDC_SVC_CLIENTS_DB_BROWSE, "Button", "...", kButton, 226, 122, 20, 14},
    {IDC_STATIC, "Static", "Client's Prod DB:", kText, 7, 143, 60, 8},
    {IDC_SVC_CLIENTS_PROD_DB, "Edit", "", kEdit, 72, 141, 150, 12},
    {IDC_SVC_CLIENTS_PROD_DB_BROWSE, "Button", "...", kButton, 226, 141, 20, 14},
};

const DialogItemTemplate g_servicePubItems[] = {
    {IDC_STATIC, "Static", "Domain Name:", kText, 7, 9, 60, 8},
    {IDC_PUB_DOMAIN, "Edit", "", kEdit, 72, 7, 150, 12},
    {IDC_PUB_LOCAL, "Button", "Local", kRadio | WS_GROUP, 7, 25, 60, 10},
    {IDC_PUB_REMOTE, "Button", "Remote (FTP)", kRadio, 72, 25, 80, 10},
    {IDC_PUB_LOCAL_GROUP, "Button", "Local", kGroup, 7, 39, 236, 44},
    {IDC_PUB_DOMAIN_ROOT_LABEL, "Static", "Domain Root:", kText, 13, 52, 55, 8},
    {IDC_PUB_DOMAIN_ROOT, "Edit", "", kEdit, 72, 50, 146, 12},
    {IDC_PUB_DOMAIN_ROOT_BROWSE, "Button", "...", kButton, 222, 50, 20, 14},
    {IDC_PUB_DATABASE_LABEL, "Static", "MQ Database:", kText, 13, 68, 55, 8},
    {IDC_PUB_DATABASE, "Edit", "", kEdit, 72, 66, 146, 12},
    {IDC_PUB_DATABASE_BROWSE, "Button", "...", kButton, 222, 66, 20, 14},
    {IDC_PUB_FTP_GROUP, "Button", "FTP", kGroup, 7, 89, 236, 76},
    {IDC_PUB_FTP_ADDRESS_LABEL, "Static", "Address:", kText, 13, 102, 55, 8},
    {IDC_PUB_FTP_ADDRESS, "Edit", "", kEdit, 72, 100, 146, 12},
    {IDC_PUB_FTP_ROOT_LABEL, "Static", "Relative Root:", kText, 13, 118, 55, 8},
    {IDC_PUB_FTP_ROOT, "Edit", "", kEdit, 72, 116, 146, 12},
    {IDC_PUB_FTP_USER_LABEL, "Static", "User:", kText, 13, 134, 55, 8},
    {IDC_PUB_FTP_USER, "Edit", "", kEdit, 72, 132, 146, 12},
    {IDC_PUB_FTP_PASSWORD_LABEL, "Static", "Password:", kText, 13, 150, 55, 8},
    {IDC_PUB_FTP_PASSWORD, "Edit", "", kPassword, 72, 148, 146, 12},
};

const DialogItemTemplate g_sectionItems[] = {
    {IDC_STATIC, "Static", "Id:", kText, 7, 9, 60, 8},
    {IDC_SECT_KEY, "Static", "", kText, 72, 9, 150, 8},
    {IDC_STATIC, "Static", "Name:", kText, 7, 27, 60, 8},
    {IDC_SECT_NAME, "Edit", "", kEdit, 72, 25, 150, 12},
    {IDC_STATIC, "Static", "Title:", kText, 7, 47, 60, 8},
    {IDC_SECT_TITLE, "Edit", "", kEdit, 72, 45, 150, 12},
    {IDC_STATIC, "Static", "Site:", kText, 7, 67, 60, 8},
    {IDC_SECT_SERVICE, "ComboBox", "", kDropList, 72, 65, 150, 100},
    {IDC_STATIC, "Static", "Def Style:", kText, 7, 88, 60, 8},
    {IDC_SECT_STYLE, "ComboBox", "", kDropList, 72, 86, 150, 100},
    {IDC_STATIC, "Static", "Def Page:", kText, 7, 109, 60, 8},
    {IDC_SECT_PAGE, "ComboBox", "", kDropList, 72, 107, 150, 100},
    {IDC_STATIC, "Static", "Relative Path:", kText, 7, 129, 60, 8},
    {IDC_SECT_RELATIVE_PATH, "Static", "", kText, 72, 129, 150, 8},
    {IDC_STATIC, "Static", "Directory:", kText, 7, 147, 60, 8},
    {IDC_SECT_DIRECTORY, "Edit", "", kEdit, 72, 145, 150, 12},
    {IDC_SECT_SECURE_CGI, "Button", "Secure CGI", kCheck, 72, 165, 100, 10},
    {IDC_SECT_CGI_WARNING, "Static",
     "Warning:  You may need to reconfigure the CGI mapping on your web server.",
     kText | WS_DISABLED, 72, 179, 170, 18},
};

const DialogItemTemplate g_prefGeneralItems[] = {
    {IDC_PREF_USE_WIZARDS, "Button", "Use Wizards", kCheck, 10, 10, 150, 10},
    {IDC_PREF_VERBOSE, "Button", "Verbose Messages", kCheck, 10, 26, 150, 10},
    {IDC_PREF_HELP_REMOTE, "Button", "Access Help Remotely", kCheck, 10, 42, 150, 10},
};

const DialogItemTemplate g_prefConfirmItems[] = {
    {IDC_PREF_CONFIRM_SAVE, "Button", "Confirm Save on Window Close", kCheck, 10, 10, 180, 10},
    {IDC_PREF_CONFIRM_DELETE, "Button", "Confirm Deletes", kCheck, 10, 26, 180, 10},
};

const DialogItemTemplate g_prefUserItems[] = {
    {IDC_STATIC, "Static", "Current User:", kText, 7, 10, 70, 8},
    {IDC_PREF_USER_COMBO, "ComboBox", "", kDropDown, 80, 8, 130, 100},
    {IDC_STATIC, "Static", "Database:", kText, 7, 32, 70, 8},
    {IDC_STATIC, "Static", "", kPicture, 60, 30, 16, 16},
    {IDC_PREF_DATABASE, "Edit", "", kEdit, 80, 30, 112, 12},
    {IDC_PREF_DATABASE_BROWSE, "Button", "...", kButton, 196, 30, 20, 14},
    {IDC_PREF_CGI_MODE, "Button", "Use Marquill Interactive in CGI mode", kRadio | WS_GROUP, 7, 48,
     200, 10},
    {IDC_PREF_WINCGI_MODE, "Button", "Use Marquill Interactive in WIN-CGI mode", kRadio, 7, 62, 200,
     10},
    {IDC_STATIC, "Static", "Relative Path to CGI:", kText, 7, 86, 70, 8},
    {IDC_PREF_CGI_PATH, "Edit", "", kEdit, 80, 84, 130, 12},
    {IDC_STATIC, "Static",
     "Note:  If you change the CGI mode, don't forget to check your server's mapping for the new "
     "mode and set this new mapping above.",
     kText, 7, 104, 206, 26},
    {IDC_PREF_ALWAYS_PROMPT, "Button", "Always Prompt At Startup",
     WS_CHILD | WS_TABSTOP | BS_AUTOCHECKBOX, 7, 134, 150, 10},
};

template <size_t N>
constexpr DialogTemplate Page(UINT id, const char* caption, short cx, short cy,
                              const DialogItemTemplate (&items)[N]) {
    return {id, kPage, caption, "MS Sans Serif", 8, 0, 0, cx, cy, items, static_cast<int>(N)};
}

const DialogTemplate g_sheetPages[] = {
    Page(IDD_SERVICE_PAGE, "Site", 250, 162, g_serviceItems),
    Page(IDD_SERVICE_PUB_PAGE, "Production", 250, 172, g_servicePubItems),
    Page(IDD_SECTION_PAGE, "Section", 250, 200, g_sectionItems),
    Page(IDD_PREF_GENERAL, "General", 220, 140, g_prefGeneralItems),
    Page(IDD_PREF_CONFIRM, "Confirmations", 220, 140, g_prefConfirmItems),
    Page(IDD_PREF_USER, "User", 220, 150, g_prefUserItems),
};

} // namespace

std::span<const DialogTemplate> SiteSheetTemplates() {
    return g_sheetPages;
}
