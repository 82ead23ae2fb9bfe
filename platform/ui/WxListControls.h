#pragma once
// The list, text and choice controls of dialog templates (private to the ui layer): combo
// boxes, list boxes and check lists, edit fields, up-down controls, radio buttons and picture
// statics, each sending its
// notifications to its parent as WM_COMMAND.

#include "platform/ui/DialogTemplate.h"

#include <wx/gdicmn.h>

class wxString;
class wxWindow;

// The control of `item` at `pos` and `size` (pixels), or nullptr when the item is of none of
// these kinds.
wxWindow* MakeListControl(const DialogItemTemplate& item, wxWindow* parent, const wxPoint& pos,
                          const wxSize& size);

// The painted list of a CCheckListBox (an owner-drawn list box of a template).
wxWindow* MakeCheckList(const DialogItemTemplate& item, wxWindow* parent, const wxPoint& pos,
                        const wxSize& size);

// Caps the text the user types into a text field (an edit field's, or an editable combo's) at
// `maxChars` characters (0: no cap). Text the program sets is never cut, as the window system
// would cut it: while it is longer than the cap, the cap waits until the user has shortened it.
void SetTextLimit(wxWindow* field, int maxChars);
// Writes an up-down control's position into its buddy, when it has one.
void WriteSpinBuddy(wxWindow* spin);
// Sets a text field's text, whole, without a change notification.
void SetFieldText(wxWindow* field, const wxString& text);
