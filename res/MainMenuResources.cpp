// Menu 128 and accelerator table 128: the main window's menu bar and keys.

#include "platform/ui/CMenu.h"
#include "platform/ui/CommandIds.h"
#include "platform/ui/MenuResources.h"
#include "platform/ui/WindowMessages.h"
#include "res/Resource.h"
#include "res/Resources.h"

#include <iterator>

namespace {

constexpr UINT kItem = 0; // MF_STRING
constexpr MenuItemTemplate kSeparator{MF_SEPARATOR, 0, nullptr};

const MenuItemTemplate g_newMenu[] = {
    {kItem, ID_FILE_NEW, "&New Page\tCtrl+N"},
    {kItem, ID_NEW_MACRO, "New M&acro"},
    {kItem, ID_NEW_IMAGE, "New &Image"},
    {kItem, ID_NEW_FORM, "New &Form"},
    {kItem, ID_NEW_EMAIL, "New E&mail"},
    {kItem, ID_NEW_QUERY, "New &Query"},
    {kItem, ID_NEW_STYLE, "New &Style"},
    {kItem, ID_NEW_SCRIPT, "New Scrip&t"},
    {kItem, ID_NEW_EVENT, "New Scheduled &Event"},
    kSeparator,
    {kItem, ID_NEW_ACTIVEX, "New Active&X"},
    {kItem, ID_NEW_MULTIMEDIA, "New M&ultiMedia"},
    {kItem, ID_NEW_JAVA, "New &Java"},
    kSeparator,
    {kItem, ID_NEW_ADVERTISER, "New Ad&vertiser"},
    {kItem, ID_NEW_AD, "New A&d"},
    {kItem, ID_NEW_ADSPACE, "New Ad S&pace"},
};

const MenuItemTemplate g_fileMenu[] = {
    {MF_POPUP, 0, "&New", g_newMenu, static_cast<int>(std::size(g_newMenu))},
    {kItem, ID_FILE_OPEN, "Open...\tCtrl+O"},
    {kItem, ID_SAVE_ALL, "Save Al&l"},
    kSeparator,
    {kItem, ID_FILE_PRINT_SETUP, "P&rint Setup..."},
    kSeparator,
    {kItem, ID_APP_EXIT, "E&xit"},
};

const MenuItemTemplate g_editMenu[] = {
    {kItem, ID_EDIT_COPY, "&Copy\tCtrl+C"},
    {kItem, ID_EDIT_SELECT_ALL, "Select A&ll\tCtrl+A"},
    kSeparator,
    {kItem, ID_EDIT_FIND, "&Find...\tCtrl+F"},
    {kItem, ID_EDIT_REPEAT, "F&ind Next\tF3"},
};

const MenuItemTemplate g_viewMenu[] = {
    {kItem, ID_VIEW_TOOLBAR, "&Toolbar"},
    {kItem, IDR_COMMANDBAR, "&Command Bar"},
    {kItem, IDR_HTMLBAR, "&HTML Bar"},
    {kItem, IDR_ACTIONBAR, "&Action Bar"},
    {kItem, IDR_FORMBAR, "&Form"},
    {kItem, ID_VIEW_STATUS_BAR, "&Status Bar"},
    kSeparator,
    {kItem, ID_VIEW_SITEVIEWER, "Site&Viewer"},
    {kItem, ID_VIEW_OUTPUT, "&Output"},
    {kItem, ID_VIEW_HELPVIEWER, "He&lp Viewer"},
    {kItem, ID_CENTER_HELPVIEWER, "Center &Help Viewer"},
};

const MenuItemTemplate g_siteMenu[] = {
    {kItem, ID_NEW_SITE, "Ne&w Site"},
    {kItem, ID_EDIT_SITE, "&Edit Site"},
    {kItem, ID_NEW_SECTION, "New Secti&on"},
    {kItem, ID_EDIT_SECTION, "Edit Sec&tion"},
    kSeparator,
    {kItem, ID_GENERATE_PAGES, "&Generate Pages"},
    {kItem, ID_PUBLISH_OBJECTS, "Pu&blish Objects"},
    kSeparator,
    {kItem, ID_INSTALL_COMPONENT, "Install Co&mponent"},
    {kItem, ID_INSERT_COMPONENT, "&Component"},
    {kItem, ID_IMPORT_IMAGES, "&Import Images"},
    {kItem, ID_IMPORT_SITE, "Import Site"},
};

const MenuItemTemplate g_toolsMenu[] = {
    {kItem, ID_OPTIONS, "O&ptions"},
};

const MenuItemTemplate g_helpMenu[] = {
    {kItem, ID_HELP_FINDER, "&Help Topics"},
    kSeparator,
    {kItem, ID_HELP_QUICK_START, "&Quick Start"},
    {kItem, ID_HELP_TUTORIAL, "&Tutorial"},
    {kItem, ID_HELP_COMMAND_REFERENCE, "&Command Reference"},
    kSeparator,
    {kItem, ID_HELP_CHECK_UPDATES, "Check for &Updates"},
    kSeparator,
    {kItem, ID_APP_ABOUT, "&About Marquill..."},
};

template <size_t N>
constexpr MenuItemTemplate Popup(const char* text, const MenuItemTemplate (&items)[N]) {
    return {MF_POPUP, 0, text, items, static_cast<int>(N)};
}

const MenuItemTemplate g_mainMenu[] = {
    Popup("&File", g_fileMenu), Popup("&Edit", g_editMenu),   Popup("&View", g_viewMenu),
    Popup("&Site", g_siteMenu), Popup("&Tools", g_toolsMenu), Popup("&Help", g_helpMenu),
};

const MenuTemplate g_mainMenuTemplate = {g_mainMenu, static_cast<int>(std::size(g_mainMenu))};

constexpr BYTE kCtrl = FVIRTKEY | FCONTROL;
// F3 among the function keys.
constexpr WORD kF3 = VK_F1 + 2;

const ACCEL g_mainAccelerators[] = {
    {kCtrl, 'N', ID_FILE_NEW},  {kCtrl, 'O', ID_FILE_OPEN},
    {kCtrl, 'C', ID_EDIT_COPY}, {kCtrl, 'A', ID_EDIT_SELECT_ALL},
    {kCtrl, 'F', ID_EDIT_FIND}, {FVIRTKEY, kF3, ID_EDIT_REPEAT},
    {FVIRTKEY, VK_F1, ID_HELP}, {FVIRTKEY | FSHIFT, VK_F1, ID_CONTEXT_HELP},
};

const AcceleratorTemplate g_mainAcceleratorTable = {
    g_mainAccelerators, static_cast<int>(std::size(g_mainAccelerators))};

} // namespace

MenuItemTemplate MainMenuPopup(int index) {
    return g_mainMenu[index];
}

void RegisterMainMenu() {
    MenuResources::RegisterMenu(IDR_MAINFRAME, &g_mainMenuTemplate);
    MenuResources::RegisterAccelerators(IDR_MAINFRAME, &g_mainAcceleratorTable);
}
