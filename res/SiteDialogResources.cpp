// The dialogs of the Site menu's runs and imports: Generate Pages, Publish Objects, Import
// Site, Import Images, Component Install and Insert Component.
#include "platform/core/MessageBox.h"
#include "platform/ui/CComboBox.h"
#include "platform/ui/CListBox.h"
#include "platform/ui/WindowStyles.h"
#include "res/Resource.h"
#include "res/Resources.h"

#include <iterator>

namespace {

constexpr DWORD kModal = DS_MODALFRAME | DS_SETFONT | WS_POPUP | WS_CAPTION | WS_SYSMENU;
constexpr DWORD kText = WS_CHILD | WS_VISIBLE | SS_LEFT;
constexpr DWORD kButton = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON;
constexpr DWORD kDefault = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON;
constexpr DWORD kEdit = WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP;
constexpr DWORD kDropList = WS_CHILD | WS_VISIBLE | WS_TABSTOP | CBS_DROPDOWNLIST;
constexpr DWORD kPickList =
    WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | LBS_NOTIFY | LBS_EXTENDEDSEL;
constexpr DWORD kCheckList = WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | LBS_NOTIFY |
                             LBS_OWNERDRAWFIXED | LBS_HASSTRINGS;
constexpr DWORD kRadio = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTORADIOBUTTON;

const DialogItemTemplate g_generateItems[] = {
    {IDC_GEN_MODE, "ComboBox", "", kDropList, 7, 7, 150, 120},
    {IDC_GEN_OBJECT, "ComboBox", "", kDropList | WS_DISABLED, 167, 7, 156, 120},
    {IDC_STATIC, "Static", "Select Pages From Here", kText, 7, 26, 130, 8},
    {IDC_GEN_SOURCE, "ListBox", "", kPickList, 7, 36, 130, 120},
    {IDC_GEN_SELECT_SOURCE, "Button", "Select All", kButton, 7, 158, 130, 14},
    {IDC_STATIC, "Static", "to Add to", kText, 147, 60, 36, 8},
    {IDC_GEN_ADD, "Button", ">>>", kButton, 143, 74, 38, 14},
    {IDC_GEN_REMOVE, "Button", "<<<", kButton, 143, 94, 38, 14},
    {IDC_STATIC, "Static", "List of Pages to Generate", kText, 187, 26, 136, 8},
    {IDC_GEN_TARGET, "ListBox", "", kPickList, 187, 36, 136, 120},
    {IDC_GEN_SELECT_TARGET, "Button", "Select All", kButton, 187, 158, 136, 14},
    {IDC_GEN_GENERATE, "Button", "&Generate", kDefault, 7, 180, 60, 14},
    {IDCANCEL, "Button", "Cancel", kButton, 263, 180, 60, 14},
};

const DialogItemTemplate g_publishItems[] = {
    {IDC_PUB_LIST, "ListBox", "", kCheckList, 7, 7, 220, 160},
    {IDC_PUB_MARKALL, "Button", "&Mark All in Site", kButton, 235, 7, 70, 14},
    {IDC_PUB_CHECKALL, "Button", "Select &All", kButton, 235, 27, 70, 14},
    {IDC_PUB_UNCHECKALL, "Button", "&Deselect All", kButton, 235, 44, 70, 14},
    {IDC_PUB_PUBLISH, "Button", "&Publish", kDefault, 235, 136, 70, 14},
    {IDCANCEL, "Button", "&Cancel", kButton, 235, 153, 70, 14},
};

const DialogItemTemplate g_importSiteItems[] = {
    {IDC_STATIC, "Static",
     "Limitations:  Any files that cannot be served up through http requests will not be "
     "copied down to your local system.  This includes file types such as:  .map (image "
     "maps), and  .class (java applet classes).",
     kText, 7, 7, 276, 26},
    {IDC_STATIC, "Static", "These files will need to be copied by another means, such as ftp.",
     kText, 7, 35, 276, 8},
    {IDC_STATIC, "Static",
     "The structure of a Marquill site allows 3 directory levels below the site's root.  "
     "Deeper sites need to be broken up into smaller parts and imported one by one.",
     kText, 7, 47, 276, 18},
    {IDC_ISITE_RETRIEVE, "Button", "Retrieve site from remote HTTP server.",
     WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX, 7, 70, 200, 10},
    {IDC_ISITE_ADDRESS_LABEL, "Static", "HTTP Address: (fully qualified)", kText | WS_DISABLED, 17,
     84, 200, 8},
    {IDC_ISITE_ADDRESS, "Edit", "", kEdit | WS_DISABLED, 17, 94, 266, 12},
    {IDC_ISITE_ADDRESS_NOTE, "Static",
     "This must be a fully qualified http address complete with root document.",
     kText | WS_DISABLED, 17, 108, 266, 8},
    {IDC_ISITE_REMOTE_NOTE, "Static",
     "The remote site will first be copied to the location specified below.  The import "
     "process will then create a new Marquill site using the root directory as the site name.  "
     "(Caution:  image maps are not copied at this time.)",
     kText | WS_DISABLED, 17, 120, 266, 26},
    {IDC_ISITE_LOCATION, "Edit", "", kEdit, 7, 152, 256, 12},
    {IDC_ISITE_BROWSE, "Button", "...", kButton, 267, 151, 16, 14},
    {IDC_ISITE_LOCAL_NOTE, "Static",
     "The root directory of the site to import.  The import process will  create a new "
     "Marquill site using the root directory as the site name.",
     kText, 7, 167, 276, 18},
    {IDC_STATIC, "Button", "Directory Depth", WS_CHILD | WS_VISIBLE | BS_GROUPBOX, 7, 188, 276, 26},
    {IDC_ISITE_DEPTH0, "Button", "&Current Level Only", kRadio | WS_GROUP, 13, 199, 80, 10},
    {IDC_ISITE_DEPTH1, "Button", "Plus &One Level Lower", kRadio, 98, 199, 88, 10},
    {IDC_ISITE_DEPTH2, "Button", "Plus &Two Levels Lower", kRadio, 190, 199, 90, 10},
    {IDOK, "Button", "Import Site", kDefault, 170, 220, 55, 14},
    {IDCANCEL, "Button", "Cancel", kButton, 228, 220, 55, 14},
};

const DialogItemTemplate g_importImagesItems[] = {
    {IDC_STATIC, "Static", "Site:", kText, 7, 9, 40, 8},
    {IDC_IIMG_SERVICE, "ComboBox", "", kDropList, 50, 7, 150, 100},
    {IDC_STATIC, "Static", "Section:", kText, 7, 27, 40, 8},
    {IDC_IIMG_SECTION, "ComboBox", "", kDropList, 50, 25, 150, 100},
    {IDC_STATIC, "Static", "Development Path:", kText, 7, 45, 80, 8},
    {IDC_IIMG_DEVPATH, "Static", "", kText, 7, 55, 253, 8},
    {IDC_STATIC, "Static", "Image Directory:", kText, 7, 71, 60, 8},
    {IDC_IIMG_DIRECTORY, "Edit", "", kEdit, 70, 69, 130, 12},
    {IDC_STATIC, "Static", "FileName(s):", kText, 7, 89, 60, 8},
    {IDC_IIMG_FILENAMES, "Edit", "", kEdit, 70, 87, 170, 12},
    {IDC_IIMG_BROWSE, "Button", "...", kButton, 244, 86, 16, 14},
    {IDOK, "Button", "OK", kDefault, 150, 108, 50, 14},
    {IDCANCEL, "Button", "Cancel", kButton, 210, 108, 50, 14},
};

const DialogItemTemplate g_componentInstallItems[] = {
    {IDC_STATIC, "Static", "Point to the database for the component you wish to install:", kText, 7,
     7, 230, 8},
    {IDC_COMP_FILE, "Edit", "", kEdit, 7, 19, 210, 12},
    {IDC_COMP_BROWSE, "Button", "...", kButton, 221, 18, 16, 14},
    {IDOK, "Button", "Install", kDefault, 127, 40, 50, 14},
    {IDCANCEL, "Button", "Cancel", kButton, 187, 40, 50, 14},
};

const DialogItemTemplate g_componentInsertItems[] = {
    {IDC_STATIC, "Static", "Component:", kText, 7, 9, 45, 8},
    {IDC_COMP_COMBO, "ComboBox", "", kDropList, 55, 7, 182, 100},
    {IDC_COMP_INSTALL_NEW, "Button", "Install New Component", kButton, 137, 25, 100, 14},
    {IDC_STATIC, "Static", "Directory to install client database portion of this component:", kText,
     7, 45, 230, 8},
    {IDC_COMP_FILE, "Edit", "", kEdit, 7, 57, 210, 12},
    {IDC_COMP_BROWSE, "Button", "...", kButton, 221, 56, 16, 14},
    {IDOK, "Button", "OK", kDefault, 127, 78, 50, 14},
    {IDCANCEL, "Button", "Cancel", kButton, 187, 78, 50, 14},
};

template <size_t N>
constexpr DialogTemplate Dialog(UINT id, const char* caption, short cx, short cy,
                                const DialogItemTemplate (&items)[N]) {
    return {id, kModal, caption, "MS Sans Serif", 8, 0, 0, cx, cy, items, static_cast<int>(N)};
}

const DialogTemplate g_siteDialogs[] = {
    Dialog(IDD_GENERATE, "Generate Pages", 330, 201, g_generateItems),
    Dialog(IDD_PUBLISH, "Publish Objects", 312, 174, g_publishItems),
    Dialog(IDD_IMPORT_SITE, "Import Site", 290, 241, g_importSiteItems),
    Dialog(IDD_IMPORT_IMAGES, "Import Images", 267, 129, g_importImagesItems),
    Dialog(IDD_COMPONENT_INSTALL, "Component Install", 244, 61, g_componentInstallItems),
    Dialog(IDD_COMPONENT_INSERT, "Insert Component", 244, 99, g_componentInsertItems),
};

} // namespace

std::span<const DialogTemplate> SiteDialogTemplates() {
    return g_siteDialogs;
}
