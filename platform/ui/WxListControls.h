#pragma once
// The list, text and choice controls of dialog templates (private to the ui layer): combo
// boxes, list boxes, edit fields, radio buttons and picture statics, each sending its
// notifications to its parent as WM_COMMAND.

#include "platform/ui/DialogTemplate.h"

#include <wx/gdicmn.h>

class wxWindow;

// The control of `item` at `pos` and `size` (pixels), or nullptr when the item is of none of
// these kinds.
wxWindow* MakeListControl(const DialogItemTemplate& item, wxWindow* parent, const wxPoint& pos,
                          const wxSize& size);
