// The pages of the New Site wizard: the wizard's picture and a help text at the left, the
// page's fields at the right.
#include "platform/ui/WindowStyles.h"
#include "res/Resource.h"
#include "res/Resources.h"
#include "res/SiteWizardIds.h"

#include <iterator>

namespace {

constexpr DWORD kPage = DS_SETFONT | WS_CHILD | WS_DISABLED | WS_CAPTION;
constexpr DWORD kLabel = WS_CHILD | WS_VISIBLE | SS_LEFT;
constexpr DWORD kEdit = WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | 0x0080; // ES_AUTOHSCROLL
constexpr DWORD kPassword = kEdit | 0x0020;                                      // ES_PASSWORD
constexpr DWORD kReadOnly = kEdit | 0x0800;                                      // ES_READONLY
constexpr DWORD kButton = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON;
constexpr DWORD kRadio = WS_CHILD | WS_VISIBLE | BS_AUTORADIOBUTTON;
constexpr DWORD kBitmap = WS_CHILD | WS_VISIBLE | 0x000E; // SS_BITMAP

// The picture and the help text of a page.
#define MQ_SIDE(help)                                                                              \
    {IDC_SWIZ_PICTURE, "Static", "", kBitmap, 7, 7, 80, 50}, {                                     \
        IDC_STATIC, "Static", help, kLabel, 7, 62, 80, 84                                          \
    }
// A label over a field that spans the right side.
#define MQ_FIELD(label, y, id, style)                                                              \
    {IDC_STATIC, "Static", label, kLabel, 95, y, 198, 8}, {                                        \
        id, "Edit", "", style, 95, (y) + 10, 198, 12                                               \
    }
// A label over a field with a "..." button beside it.
#define MQ_BROWSED(label, y, id, button)                                                           \
    {IDC_STATIC, "Static", label, kLabel, 95, y, 198, 8},                                          \
        {id, "Edit", "", kEdit, 95, (y) + 10, 172, 12}, {                                          \
        button, "Button", "...", kButton, 271, (y) + 9, 22, 14                                     \
    }
#define MQ_ITEMS(items) items, static_cast<int>(std::size(items))

const DialogItemTemplate g_p1Items[] = {
    MQ_SIDE("Give your new site a name and the address of its webmaster. The name is the "
            "site's title in the Site Viewer."),
    MQ_FIELD("Site Name: the Marquill title for your site:", 10, IDC_SWIZ_NAME, kEdit),
    MQ_FIELD("Webmaster Email account:  the site's Webmaster address:", 40, IDC_SWIZ_WEBMASTER,
             kEdit),
};

const DialogItemTemplate g_p2Items[] = {
    MQ_SIDE("The development root is the folder that holds your development sites. The site's "
            "own files go into its subdirectory below it."),
    MQ_BROWSED("The development root:", 10, IDC_SWIZ_DEVROOT, IDC_SWIZ_DEVROOT_BROWSE),
    MQ_FIELD("(Optional) The subdirectory:", 40, IDC_SWIZ_DIRECTORY, kEdit),
};

const DialogItemTemplate g_p3Items[] = {
    MQ_SIDE("The client databases hold the data that your pages query: one for development "
            "and one for the production site. Both may be left as they are."),
    MQ_BROWSED("(Optional)  Your default development client database:", 10, IDC_SWIZ_CLIENTSDB,
               IDC_SWIZ_CLIENTSDB_BROWSE),
    MQ_BROWSED("(**Optional)  Your default production client database:", 40, IDC_SWIZ_CLIENTSPRODDB,
               IDC_SWIZ_CLIENTSPRODDB_BROWSE),
};

const DialogItemTemplate g_p4Items[] = {
    MQ_SIDE("The domain name is the host name of your production web site. Publish to it on "
            "this computer or network, or to a remote server by FTP."),
    MQ_FIELD("The Site's Domain Name:", 10, IDC_SWIZ_DOMAIN, kEdit),
    {IDC_STATIC, "Static", "How will you access your production site?", kLabel, 95, 42, 198, 8},
    {IDC_SWIZ_LOCAL, "Button", "&Local Connection", kRadio | WS_GROUP | WS_TABSTOP, 105, 55, 150,
     12},
    {IDC_SWIZ_REMOTE, "Button", "&Remote (FTP)", kRadio, 105, 69, 150, 12},
};

const DialogItemTemplate g_p5Items[] = {
    MQ_SIDE("The production site is reached through a folder: its root and the Marquill "
            "database that the production site uses."),
    MQ_BROWSED("The full path to the root of your production site:", 10, IDC_SWIZ_PRODPATH,
               IDC_SWIZ_PRODPATH_BROWSE),
    MQ_BROWSED("The production Marquill Database:", 40, IDC_SWIZ_PRODDB, IDC_SWIZ_PRODDB_BROWSE),
};

const DialogItemTemplate g_p6Items[] = {
    MQ_SIDE("The production site is reached by FTP: the server's address, the site's folder "
            "below the FTP root, and your account there."),
    MQ_FIELD("The Remote FTP Address:", 10, IDC_SWIZ_FTPADDRESS, kEdit),
    MQ_FIELD("The Site's relative root from the FTP root directory:", 36, IDC_SWIZ_FTPROOT, kEdit),
    MQ_FIELD("Your User ID:", 62, IDC_SWIZ_FTPUSER, kEdit),
    MQ_FIELD("Your Password:", 88, IDC_SWIZ_FTPPASSWORD, kPassword),
};

// A colour well's label and its button.
#define MQ_WELL(label, y, id)                                                                      \
    {IDC_STATIC, "Static", label, kLabel, 95, (y) + 2, 80, 8}, {                                   \
        id, "Button", label, kButton, 180, y, 50, 14                                               \
    }

const DialogItemTemplate g_p7Items[] = {
    MQ_SIDE("The colours of the site's default style. Click a colour to choose another."),
    MQ_WELL("Background Color", 10, IDC_SWIZ_BACKCOLOR),
    MQ_WELL("Normal Text", 30, IDC_SWIZ_TEXTCOLOR),
    MQ_WELL("Link", 50, IDC_SWIZ_LINKCOLOR),
    MQ_WELL("Active Link", 70, IDC_SWIZ_ALINKCOLOR),
    MQ_WELL("Used Link", 90, IDC_SWIZ_VLINKCOLOR),
};

const DialogItemTemplate g_p8Items[] = {
    MQ_SIDE("Every site starts with a main section that holds its home page. A section can "
            "have a subdirectory of its own below the site's."),
    MQ_FIELD("The Section Name: for Site Viewer:", 10, IDC_SWIZ_SECTIONNAME, kEdit),
    MQ_FIELD("The Section Title:  for HTML documents:", 36, IDC_SWIZ_SECTIONTITLE, kEdit),
    MQ_FIELD("Relative Path:", 62, IDC_SWIZ_RELPATH, kReadOnly),
    MQ_FIELD("Sub-Directory (if any) for this section:", 88, IDC_SWIZ_SECTIONDIR, kEdit),
};

// Untitled, so that the wizard keeps its caption "Site" on every page.
#define MQ_PAGE(id, items)                                                                         \
    { id, kPage, "", "MS Sans Serif", 8, 0, 0, 300, 150, MQ_ITEMS(items) }

const DialogTemplate g_pages[] = {
    MQ_PAGE(IDD_SITEWIZ_P1, g_p1Items), MQ_PAGE(IDD_SITEWIZ_P2, g_p2Items),
    MQ_PAGE(IDD_SITEWIZ_P3, g_p3Items), MQ_PAGE(IDD_SITEWIZ_P4, g_p4Items),
    MQ_PAGE(IDD_SITEWIZ_P5, g_p5Items), MQ_PAGE(IDD_SITEWIZ_P6, g_p6Items),
    MQ_PAGE(IDD_SITEWIZ_P7, g_p7Items), MQ_PAGE(IDD_SITEWIZ_P8, g_p8Items),
};

#undef MQ_PAGE
#undef MQ_WELL
#undef MQ_ITEMS
#undef MQ_BROWSED
#undef MQ_FIELD
#undef MQ_SIDE

} // namespace

std::span<const DialogTemplate> SiteWizardTemplates() {
    return g_pages;
}
