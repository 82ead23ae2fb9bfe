#pragma once
// Building the controls of a dialog template inside a window (private to the ui layer): a
// dialog's own window, or a plain child that shows a template's contents.

#include "platform/ui/DialogTemplate.h"

class wxWindow;

// Adds the control of `item`, its position and size in `dialog`'s dialog units; false when it
// is of a kind this layer cannot make.
bool AddDialogItem(wxWindow* dialog, const DialogItemTemplate& item);
