#pragma once
// The window of a CDialog (private to the ui layer): a wx dialog laid out from a dialog
// template, whose Enter, Escape and close go to the CDialog that owns it.

#include "platform/ui/DialogTemplate.h"

#include <wx/dialog.h>

class CDialog;

class WxDialogWindow : public wxDialog {
public:
    // The dialog of `dialog` with all its controls, not yet shown; nullptr when a control is of
    // a kind this layer cannot make.
    static WxDialogWindow* Build(const DialogTemplate& dialog, wxWindow* parent);

private:
    explicit WxDialogWindow(const DialogTemplate& dialog, wxWindow* parent);
    bool AddItem(const DialogItemTemplate& item);
    CDialog* Owner();
    void OnCharHook(wxKeyEvent& event);
    void OnClose(wxCloseEvent& event);
};
