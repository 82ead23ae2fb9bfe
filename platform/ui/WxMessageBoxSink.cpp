#include "platform/ui/WxMessageBoxSink.h"

#include "platform/ui/CWnd.h"
#include "platform/ui/WxText.h"

#include <wx/app.h>
#include <wx/msgdlg.h>

#include <cstdio>

namespace {

// How one button set of the original maps onto a wx message dialog: wx offers OK/Cancel and
// Yes/No/Cancel, relabelled where the original's buttons differ; each wx answer maps back.
struct ButtonSet {
    long style;
    const char* labels[3]; // yes/ok, no, cancel; nullptr keeps wx's own label
    int onYesOrOk;
    int onNo;
    int onCancel; // also the answer when the box is closed without a button
};

const ButtonSet& ButtonsOf(UINT type) {
    static const ButtonSet sets[] = {
        {wxOK, {}, IDOK, IDOK, IDOK},
        {wxOK | wxCANCEL, {}, IDOK, IDOK, IDCANCEL},
        {wxYES_NO | wxCANCEL, {"&Abort", "&Retry", "&Ignore"}, IDABORT, IDRETRY, IDIGNORE},
        {wxYES_NO | wxCANCEL, {}, IDYES, IDNO, IDCANCEL},
        // No cancel button: a box closed without an answer says No, the safe answer.
        {wxYES_NO, {}, IDYES, IDNO, IDNO},
        {wxOK | wxCANCEL, {"&Retry", nullptr, nullptr}, IDRETRY, IDRETRY, IDCANCEL},
    };
    const UINT kind = type & MB_TYPEMASK;
    return sets[kind < std::size(sets) ? kind : MB_OK];
}

long IconStyle(UINT type) {
    switch (type & MB_ICONMASK) {
    case MB_ICONHAND:
        return wxICON_ERROR;
    case MB_ICONQUESTION:
        return wxICON_QUESTION;
    case MB_ICONEXCLAMATION:
        return wxICON_WARNING;
    case MB_ICONASTERISK:
        return wxICON_INFORMATION;
    default:
        return wxICON_NONE;
    }
}

// The second and third buttons in the original's order are No and Cancel (OK/Cancel boxes:
// Cancel).
long DefaultButtonStyle(const ButtonSet& buttons, UINT type) {
    switch (type & MB_DEFMASK) {
    case MB_DEFBUTTON2:
        return (buttons.style & wxYES_NO) ? wxNO_DEFAULT : wxCANCEL_DEFAULT;
    case MB_DEFBUTTON3:
        return (buttons.style & wxCANCEL) ? wxCANCEL_DEFAULT : 0;
    default:
        return 0;
    }
}

wxString Label(const char* label, const wxString& standard) {
    return label ? ToWx(label) : standard;
}

void Relabel(wxMessageDialog& dialog, const ButtonSet& buttons) {
    if (!buttons.labels[0])
        return;
    if (buttons.style & wxYES_NO)
        dialog.SetYesNoCancelLabels(Label(buttons.labels[0], dialog.GetYesLabel()),
                                    Label(buttons.labels[1], dialog.GetNoLabel()),
                                    Label(buttons.labels[2], dialog.GetCancelLabel()));
    else
        dialog.SetOKCancelLabels(Label(buttons.labels[0], dialog.GetOKLabel()),
                                 Label(buttons.labels[2], dialog.GetCancelLabel()));
}

} // namespace

// The help id serves F1 help in the original; these dialogs offer none.
int WxMessageBoxSink::Show(const CString& text, UINT type, UINT) {
    // Before the window system runs (or after it ended) no dialog can be shown: the text goes
    // to standard error and the box answers with its default button.
    if (!wxTheApp) {
        std::fprintf(stderr, "%s\n", static_cast<LPCTSTR>(text));
        return DefaultMessageBoxAnswer(type);
    }
    const ButtonSet& buttons = ButtonsOf(type);
    CWnd* owner = CWnd::GetSafeOwner(nullptr);
    wxMessageDialog dialog(owner ? owner->GetSafeHwnd() : nullptr, ToWx(text), ToWx(m_caption),
                           buttons.style | IconStyle(type) | DefaultButtonStyle(buttons, type));
    Relabel(dialog, buttons);
    switch (dialog.ShowModal()) {
    case wxID_OK:
    case wxID_YES:
        return buttons.onYesOrOk;
    case wxID_NO:
        return buttons.onNo;
    default:
        return buttons.onCancel;
    }
}
