#pragma once
// The program's resources as data: one table per resource type. RegisterResources makes them
// known to the layers that use them; the program calls it once at start-up.

#include "platform/ui/DialogTemplate.h"

#include <span>

// Registers every string (core string table), dialog template, cursor and bitmap (ui layer).
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
// Registers bitmap 154, the strip of the object kinds' icons (called by RegisterResources).
void RegisterObjectIconsBitmap();
// The templates of the Site menu's run and import dialogs (registered with the others).
std::span<const DialogTemplate> SiteDialogTemplates();
