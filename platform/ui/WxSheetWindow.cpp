#include "platform/ui/WxSheetWindow.h"

#include "platform/core/MessageBox.h"
#include "platform/ui/CPropertySheet.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/WinTypes.h"
#include "platform/ui/WindowMessages.h"
#include "platform/ui/WndBridge.h"
#include "platform/ui/WxWindowInfo.h"

#include <wx/button.h>
#include <wx/notebook.h>
#include <wx/panel.h>
#include <wx/settings.h>
#include <wx/simplebook.h>
#include <wx/sizer.h>
#include <wx/statline.h>

#include <algorithm>
#include <utility>

namespace {

// The desktop's face stands in for the template's, at the template's size, as for dialogs.
wxFont TemplateFont(const DialogTemplate* dialog) {
    wxFont font = wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT);
    if (dialog && dialog->pointSize > 0)
        font.SetPointSize(dialog->pointSize);
    return font;
}

// Dialog units between the pages and the sheet's edges and buttons, as the original sheets.
constexpr int kMargin = 7;

} // namespace

WxSheetWindow::WxSheetWindow(wxWindow* parent, const wxString& caption, bool wizard,
                             const DialogTemplate* firstPage)
    : wxDialog(parent, wxID_ANY, caption, wxDefaultPosition, wxDefaultSize,
               wxCAPTION | wxSYSTEM_MENU | wxCLOSE_BOX) {
    SetFont(TemplateFont(firstPage));
    EnsureInfo(this).kind = WindowKind::dialog;
    if (wizard)
        m_book = new wxSimplebook(this, wxID_ANY);
    else
        m_book = new wxNotebook(this, wxID_ANY);
    m_book->Bind(wxEVT_BOOKCTRL_PAGE_CHANGING, &WxSheetWindow::OnPageChanging, this);
    const int margin = ConvertDialogToPixels(wxSize(kMargin, 0)).x;
    auto* column = new wxBoxSizer(wxVERTICAL);
    column->Add(m_book, 1, wxEXPAND | wxALL, margin);
    if (wizard)
        column->Add(new wxStaticLine(this, wxID_ANY), 0, wxEXPAND | wxLEFT | wxRIGHT, margin);
    SetSizer(column);
    AddButtons(wizard);
    Bind(wxEVT_CHAR_HOOK, &WxSheetWindow::OnCharHook, this);
    Bind(wxEVT_CLOSE_WINDOW, &WxSheetWindow::OnClose, this);
    WndBridge::BindCommands(this);
}

void WxSheetWindow::AddButtons(bool wizard) {
    const wxSize size = ConvertDialogToPixels(wxSize(50, 14));
    const int gap = ConvertDialogToPixels(wxSize(4, 0)).x;
    auto* row = new wxBoxSizer(wxHORIZONTAL);
    auto add = [&](int id, const char* label) {
        auto* button =
            new wxButton(this, WxIdOf(static_cast<UINT>(id)), label, wxDefaultPosition, size);
        EnsureInfo(button).controlId = static_cast<UINT>(id);
        EnsureInfo(button).kind = WindowKind::native;
        row->Add(button, 0, wxLEFT, gap);
        return button;
    };
    if (wizard) {
        m_back = add(ID_WIZBACK, "< &Back");
        m_next = add(ID_WIZNEXT, "&Next >");
        m_finish = add(ID_WIZFINISH, "Finish");
        m_finish->Hide();
        row->AddSpacer(gap);
        add(IDCANCEL, "Cancel");
        m_next->SetDefault();
    } else {
        add(IDOK, "OK")->SetDefault();
        add(IDCANCEL, "Cancel");
    }
    const int margin = ConvertDialogToPixels(wxSize(kMargin, 0)).x;
    GetSizer()->Add(row, 0, wxALIGN_RIGHT | wxALL, margin);
}

void WxSheetWindow::InsertPlace(int index, const wxString& caption, const DialogTemplate* page) {
    auto* place = new wxPanel(m_book, wxID_ANY);
    place->SetFont(TemplateFont(page));
    if (page)
        place->SetMinSize(place->ConvertDialogToPixels(wxSize(page->cx, page->cy)));
    place->Bind(wxEVT_SIZE, [place](wxSizeEvent& event) {
        for (wxWindow* child : place->GetChildren())
            child->SetSize(place->GetClientSize());
        event.Skip();
    });
    const bool was = std::exchange(m_programChange, true);
    m_book->InsertPage(static_cast<size_t>(index), place, caption, false);
    m_programChange = was;
    m_book->InvalidateBestSize();
}

void WxSheetWindow::RemovePlace(int index) {
    const bool was = std::exchange(m_programChange, true);
    m_book->DeletePage(static_cast<size_t>(index));
    m_programChange = was;
    m_book->InvalidateBestSize();
}

wxWindow* WxSheetWindow::MakePageWindow(int index) {
    wxWindow* place = m_book->GetPage(static_cast<size_t>(index));
    auto* page = new wxPanel(place, wxID_ANY, wxPoint(0, 0), place->GetClientSize());
    EnsureInfo(page).kind = WindowKind::dialog;
    WndBridge::BindCommands(page);
    return page;
}

void WxSheetWindow::ShowPlace(int index) {
    if (m_tabClicked || index < 0 || static_cast<size_t>(index) >= m_book->GetPageCount())
        return;
    const bool was = std::exchange(m_programChange, true);
    m_book->ChangeSelection(static_cast<size_t>(index));
    m_programChange = was;
    // A page made after its place got its size is sized now; before that, the place's first
    // size sizes it.
    wxWindow* place = m_book->GetPage(static_cast<size_t>(index));
    const wxSize size = place->GetClientSize();
    if (size.x > 0 && size.y > 0) {
        for (wxWindow* child : place->GetChildren())
            child->SetSize(size);
    }
}

void WxSheetWindow::FitPages(bool centre) {
    const wxSize needed = GetSizer()->GetMinSize();
    const wxSize now = GetClientSize();
    // At first the sheet takes the size of its largest page; later pages only make it grow.
    const wxSize size =
        centre ? needed : wxSize(std::max(needed.x, now.x), std::max(needed.y, now.y));
    // The toolkit is told the size even when it is wx's default one, and may not shrink the
    // sheet below its pages.
    SetMinClientSize(needed);
    if (centre || size != now)
        SetClientSize(size);
    Layout();
    if (centre)
        CentreOnParent();
}

void WxSheetWindow::SetWizardButtons(DWORD flags) {
    if (!m_back)
        return;
    m_back->Enable((flags & PSWIZB_BACK) != 0);
    m_next->Enable((flags & PSWIZB_NEXT) != 0);
    const bool finish = (flags & (PSWIZB_FINISH | PSWIZB_DISABLEDFINISH)) != 0;
    // Finish takes the place of Next.
    m_next->Show(!finish);
    m_finish->Show(finish);
    m_finish->Enable((flags & PSWIZB_FINISH) != 0);
    (finish ? m_finish : m_next)->SetDefault();
    Layout();
}

int WxSheetWindow::DefaultCommand() const {
    if (!m_back)
        return IDOK;
    if (m_finish->IsShown())
        return m_finish->IsEnabled() ? ID_WIZFINISH : 0;
    return m_next->IsEnabled() ? ID_WIZNEXT : 0;
}

CPropertySheet* WxSheetWindow::Owner() {
    return dynamic_cast<CPropertySheet*>(CWnd::FromHandle(this));
}

void WxSheetWindow::SendCommand(int id) {
    if (CPropertySheet* sheet = Owner())
        sheet->SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
}

void WxSheetWindow::OnPageChanging(wxBookCtrlEvent& event) {
    if (event.GetEventObject() != m_book || m_programChange) {
        event.Skip();
        return;
    }
    CPropertySheet* sheet = Owner();
    if (!sheet)
        return;
    // The toolkit is switching tabs itself: the sheet's choice is shown once it is done, as it
    // shows the tab the user clicked even when the change is refused.
    const bool was = std::exchange(m_tabClicked, true);
    if (!sheet->OnTabChanging(event.GetSelection()))
        event.Veto();
    m_tabClicked = was;
    CallAfter([this] {
        if (CPropertySheet* owner = Owner(); owner && owner->GetActiveIndex() >= 0)
            ShowPlace(owner->GetActiveIndex());
    });
}

void WxSheetWindow::OnCharHook(wxKeyEvent& event) {
    const int key = event.GetKeyCode();
    const bool enter = key == WXK_RETURN || key == WXK_NUMPAD_ENTER;
    if (!enter && key != WXK_ESCAPE) {
        event.Skip();
        return;
    }
    // A control of the program's own that wants every key gets Enter and Escape itself.
    wxWindow* focus = FindFocus();
    const WindowInfo* info = InfoOf(focus);
    if (info && info->kind != WindowKind::native && info->kind != WindowKind::dialog) {
        const auto code = static_cast<UINT>(
            CWnd::FromHandle(focus)->SendMessage(WM_GETDLGCODE, enter ? VK_RETURN : VK_ESCAPE, 0));
        if (code & DLGC_WANTALLKEYS) {
            event.Skip();
            return;
        }
    }
    if (!enter)
        SendCommand(IDCANCEL);
    else if (const int id = DefaultCommand())
        SendCommand(id);
}

void WxSheetWindow::OnClose(wxCloseEvent& event) {
    if (!event.CanVeto() || !Owner()) {
        event.Skip();
        return;
    }
    event.Veto();
    SendCommand(IDCANCEL);
}
