#pragma once
// The program's resources as data: one table per resource type. RegisterResources makes them
// known to the layers that use them; the program calls it once at start-up.

#include "platform/ui/DialogTemplate.h"
#include "platform/ui/MenuResources.h"

#include <span>

// Registers every string (core string table), dialog template, cursor, bitmap, menu,
// accelerator table and tool bar (ui layer).
void RegisterResources();

// The dialog template of `id` in the resource table, or nullptr.
const DialogTemplate* FindDialogTemplate(UINT id);

// Registers the string table's texts (called by RegisterResources).
void RegisterStringTable();
// Registers the dialog templates (called by RegisterResources).
void RegisterDialogTemplates();
// Registers the cursors (called by RegisterResources).
void RegisterCursors();
// Registers bitmap 113, the splash window's picture (called by RegisterResources).
void RegisterSplashBitmap();
// Registers menu and accelerator table 128, the main window's (called by RegisterResources).
void RegisterMainMenu();
// The main menu's pop-up at `index` (File, Edit, View, Site, Tools, Help), for the editors'
// menus that share it.
MenuItemTemplate MainMenuPopup(int index);
// The menus and keys of the sixteen editor templates (called by RegisterResources).
void RegisterEditorMenus();
// Registers menu 139, the Site Viewer trees' context menu (called by RegisterResources).
void RegisterTreeMenu();
// The template of the framework New's chooser (registered with the others).
std::span<const DialogTemplate> TreeMenuDialogTemplates();
// Registers the tool bars 128, 138, 143, 253, 255 and their bitmaps (called by
// RegisterResources).
void RegisterToolBars();

// Registers the help strings, the dialogs of the preview, the help viewer, the About box, the
// credits and the legal notice, and their bitmaps (called by RegisterResources).
void RegisterHelpAndAboutResources();
// A control of those dialogs that the dialog's own class makes (a picture, a notice text, the
// credits' canvas): its place in the dialog's units; nullptr when there is none.
const DialogItemTemplate* FindOwnDialogItem(UINT dialogId, UINT itemId);

// The templates of the command property dialogs and the query wizard's pages (called by
// FindDialogTemplate and RegisterDialogTemplates).
const DialogTemplate* FindCommandDialogTemplate(UINT id);
void RegisterCommandDialogTemplates();
// The templates of the Site menu's run and import dialogs (registered with the others).
std::span<const DialogTemplate> SiteDialogTemplates();
// The templates of the editors' status forms (registered with the others).
std::span<const DialogTemplate> StatusFormTemplates();
// The pages of the New Site wizard (registered with the others).
std::span<const DialogTemplate> SiteWizardTemplates();
// The pages of the site and section settings sheets and of the preferences (registered with
// the others).
std::span<const DialogTemplate> SiteSheetTemplates();
// The templates of the ad, event, query and message forms (registered with the others).
std::span<const DialogTemplate> AdEventViewTemplates();
// The attribute forms of images, photos, styles and embedded objects (registered with the
// others).
std::span<const DialogTemplate> ImageViewTemplates();
// The text editor's dialogs and attribute forms (registered with the others), and its context
// menu 153 (called by RegisterResources).
std::span<const DialogTemplate> TextEditorTemplates();
void RegisterTextEditorMenu();
// The text editor's Insert menu, shared by its context menu and the text editors' menu bars.
MenuItemTemplate InsertMenuPopup();
