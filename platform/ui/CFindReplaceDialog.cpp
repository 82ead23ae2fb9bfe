#include "platform/ui/CFindReplaceDialog.h"

#include "platform/ui/CWnd.h"
#include "platform/ui/WxText.h"

#include <wx/fdrepdlg.h>
#include <wx/toplevel.h>

namespace {

wxFindReplaceData& DataOf(void* data) {
    return *static_cast<wxFindReplaceData*>(data);
}

DWORD ToFlags(int wxFlags) {
    DWORD flags = 0;
    if (wxFlags & wxFR_DOWN)
        flags |= FR_DOWN;
    if (wxFlags & wxFR_WHOLEWORD)
        flags |= FR_WHOLEWORD;
    if (wxFlags & wxFR_MATCHCASE)
        flags |= FR_MATCHCASE;
    return flags;
}

} // namespace

CFindReplaceDialog::~CFindReplaceDialog() {
    if (wxFindReplaceDialog* dialog = m_pDialog) {
        Detach(dialog);
        dialog->Destroy();
    }
    delete static_cast<wxFindReplaceData*>(m_pData);
}

BOOL CFindReplaceDialog::Create(BOOL findOnly, const CString& find, const CString& replacement,
                                DWORD flags, CWnd* parent, CFindReplaceHandler* handler) {
    wxWindow* window = parent ? parent->GetSafeHwnd() : nullptr;
    if (m_pDialog || window == nullptr)
        return FALSE;
    // The data a closed dialog used goes with the next one: the closed window may still be
    // waiting to be destroyed.
    if (m_pData)
        delete static_cast<wxFindReplaceData*>(m_pData);
    auto* data = new wxFindReplaceData;
    int wxFlags = 0;
    if (flags & FR_DOWN)
        wxFlags |= wxFR_DOWN;
    if (flags & FR_WHOLEWORD)
        wxFlags |= wxFR_WHOLEWORD;
    if (flags & FR_MATCHCASE)
        wxFlags |= wxFR_MATCHCASE;
    data->SetFlags(wxFlags);
    data->SetFindString(ToWx(find));
    data->SetReplaceString(ToWx(replacement));
    int style = (flags & FR_HIDEUPDOWN) ? wxFR_NOUPDOWN : 0;
    if (!findOnly)
        style |= wxFR_REPLACEDIALOG;
    auto* dialog = new wxFindReplaceDialog(wxGetTopLevelParent(window), data,
                                           findOnly ? "Find" : "Replace", style);
    m_pDialog = dialog;
    m_pData = data;
    m_pHandler = handler;
    m_bFindOnly = findOnly;
    dialog->Bind(wxEVT_FIND, &CFindReplaceDialog::OnEvent, this);
    dialog->Bind(wxEVT_FIND_NEXT, &CFindReplaceDialog::OnEvent, this);
    dialog->Bind(wxEVT_FIND_REPLACE, &CFindReplaceDialog::OnEvent, this);
    dialog->Bind(wxEVT_FIND_REPLACE_ALL, &CFindReplaceDialog::OnEvent, this);
    dialog->Bind(wxEVT_FIND_CLOSE, &CFindReplaceDialog::OnEvent, this);
    dialog->Bind(wxEVT_DESTROY, &CFindReplaceDialog::OnDestroyed, this);
    return TRUE;
}

void CFindReplaceDialog::Show() {
    if (!m_pDialog)
        return;
    m_pDialog->Show();
    m_pDialog->Raise();
}

void CFindReplaceDialog::Close() {
    if (!m_pDialog)
        return;
    wxFindDialogEvent event(wxEVT_FIND_CLOSE, m_pDialog->GetId());
    event.SetEventObject(m_pDialog);
    OnEvent(event);
}

CRect CFindReplaceDialog::GetWindowRect() const {
    if (!m_pDialog)
        return CRect();
    const wxRect r = m_pDialog->GetScreenRect();
    return CRect(r.GetLeft(), r.GetTop(), r.GetLeft() + r.GetWidth(), r.GetTop() + r.GetHeight());
}

void CFindReplaceDialog::MoveWindow(const CRect& rect) {
    if (m_pDialog)
        m_pDialog->SetSize(rect.left, rect.top, rect.Width(), rect.Height());
}

CString CFindReplaceDialog::GetFindString() const {
    return m_pData ? FromWx(DataOf(m_pData).GetFindString()) : CString();
}

CString CFindReplaceDialog::GetReplaceString() const {
    return m_pData ? FromWx(DataOf(m_pData).GetReplaceString()) : CString();
}

DWORD CFindReplaceDialog::GetFlags() const {
    return m_pData ? ToFlags(DataOf(m_pData).GetFlags()) : 0;
}

void CFindReplaceDialog::OnEvent(wxFindDialogEvent& event) {
    const wxEventType type = event.GetEventType();
    const CString find = FromWx(event.GetFindString());
    const DWORD flags = ToFlags(event.GetFlags());
    const BOOL down = (flags & FR_DOWN) != 0;
    const BOOL matchCase = (flags & FR_MATCHCASE) != 0;
    const BOOL wholeWord = (flags & FR_WHOLEWORD) != 0;
    CFindReplaceHandler* handler = m_pHandler;
    if (type == wxEVT_FIND_CLOSE) {
        wxFindReplaceDialog* dialog = m_pDialog;
        Forget();
        if (handler)
            handler->OnDialogClosing();
        if (dialog) {
            Detach(dialog);
            dialog->Destroy();
        }
        return;
    }
    if (!handler)
        return;
    if (type == wxEVT_FIND || type == wxEVT_FIND_NEXT)
        handler->OnFindNext(find, down, matchCase, wholeWord);
    else if (type == wxEVT_FIND_REPLACE)
        handler->OnReplace(find, down, matchCase, wholeWord, FromWx(event.GetReplaceString()));
    else if (type == wxEVT_FIND_REPLACE_ALL)
        handler->OnReplaceAll(find, FromWx(event.GetReplaceString()), matchCase, wholeWord);
}

// The window went with its owner (the main window closing): nothing is left to close.
void CFindReplaceDialog::OnDestroyed(wxWindowDestroyEvent& event) {
    event.Skip();
    if (event.GetEventObject() == m_pDialog)
        Forget();
}

// The window may be destroyed after this object: it must not call back.
void CFindReplaceDialog::Detach(wxFindReplaceDialog* dialog) {
    dialog->Unbind(wxEVT_FIND, &CFindReplaceDialog::OnEvent, this);
    dialog->Unbind(wxEVT_FIND_NEXT, &CFindReplaceDialog::OnEvent, this);
    dialog->Unbind(wxEVT_FIND_REPLACE, &CFindReplaceDialog::OnEvent, this);
    dialog->Unbind(wxEVT_FIND_REPLACE_ALL, &CFindReplaceDialog::OnEvent, this);
    dialog->Unbind(wxEVT_FIND_CLOSE, &CFindReplaceDialog::OnEvent, this);
    dialog->Unbind(wxEVT_DESTROY, &CFindReplaceDialog::OnDestroyed, this);
}

void CFindReplaceDialog::Forget() {
    m_pDialog = nullptr;
    m_pHandler = nullptr;
}
