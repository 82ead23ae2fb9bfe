#include "platform/ui/CCheckListBox.h"

#include "platform/ui/CDC.h"
#include "platform/ui/WxListControls.h"
#include "platform/ui/WxText.h"
#include "platform/ui/WxWindowInfo.h"

#include <wx/dc.h>
#include <wx/renderer.h>
#include <wx/settings.h>
#include <wx/vlbox.h>

#include <vector>

IMPLEMENT_DYNAMIC(CCheckListBox, CWnd)

namespace {

// A context lent to DrawItem for the paint of one line.
class LineDC : public CDC {
public:
    explicit LineDC(wxDC& dc) { AttachWx(&dc, false); }
    ~LineDC() override { DetachWx(); }
};

// The painted list: its lines, the check box of each, and DrawItem for the rest.
class WxCheckList : public wxVListBox {
public:
    struct Line {
        wxString text;
        bool checked = false;
        uintptr_t data = 0;
    };

    WxCheckList(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size)
        : wxVListBox(parent, id, pos, size, wxBORDER_SUNKEN) {
        m_box = wxRendererNative::Get().GetCheckBoxSize(this);
        Bind(wxEVT_LEFT_DOWN, &WxCheckList::OnLeftDown, this);
        Bind(wxEVT_CHAR, &WxCheckList::OnChar, this);
    }

    std::vector<Line> lines;

    void Changed() {
        SetItemCount(lines.size());
        RefreshAll();
    }
    int BoxWidth() const { return m_box.x + 4; }
    int LineHeight() const {
        const int text = GetCharHeight() + 2;
        return std::max(text, m_box.y + 2);
    }

protected:
    wxCoord OnMeasureItem(size_t n) const override {
        MEASUREITEMSTRUCT measure{ODT_LISTBOX,
                                  ControlIdOf(this),
                                  static_cast<UINT>(n),
                                  0,
                                  static_cast<UINT>(LineHeight()),
                                  n < lines.size() ? lines[n].data : 0};
        if (auto* owner =
                dynamic_cast<CCheckListBox*>(CWnd::FromHandle(const_cast<WxCheckList*>(this))))
            owner->MeasureItem(&measure);
        return static_cast<wxCoord>(measure.itemHeight);
    }
    void OnDrawBackground(wxDC& dc, const wxRect& rect, size_t) const override {
        dc.SetBrush(wxBrush(GetBackgroundColour()));
        dc.SetPen(*wxTRANSPARENT_PEN);
        dc.DrawRectangle(rect);
    }
    void OnDrawItem(wxDC& dc, const wxRect& rect, size_t n) const override {
        if (n >= lines.size())
            return;
        auto* self = const_cast<WxCheckList*>(this);
        const wxRect box(rect.x + 2, rect.y + (rect.height - m_box.y) / 2, m_box.x, m_box.y);
        int flags = lines[n].checked ? static_cast<int>(wxCONTROL_CHECKED) : 0;
        if (!IsEnabled())
            flags |= wxCONTROL_DISABLED;
        wxRendererNative::Get().DrawCheckBox(self, dc, box, flags);
        auto* owner = dynamic_cast<CCheckListBox*>(CWnd::FromHandle(self));
        if (!owner)
            return;
        LineDC lineDc(dc);
        DRAWITEMSTRUCT draw{};
        draw.CtlType = ODT_LISTBOX;
        draw.CtlID = ControlIdOf(this);
        draw.itemID = static_cast<UINT>(n);
        draw.itemAction = ODA_DRAWENTIRE;
        if (IsSelected(n))
            draw.itemState |= ODS_SELECTED;
        if (!IsEnabled())
            draw.itemState |= ODS_DISABLED;
        if (IsCurrent(n) && HasFocus())
            draw.itemState |= ODS_FOCUS;
        draw.hwndItem = self;
        draw.hDC = lineDc.GetSafeHdc();
        draw.rcItem = {rect.x + BoxWidth(), rect.y, rect.GetRight() + 1, rect.GetBottom() + 1};
        draw.itemData = lines[n].data;
        owner->DrawItem(&draw);
    }

private:
    void Toggle(int line) {
        if (line < 0 || static_cast<size_t>(line) >= lines.size())
            return;
        lines[line].checked = !lines[line].checked;
        RefreshRow(line);
    }
    void OnLeftDown(wxMouseEvent& event) {
        event.Skip();
        const int line = VirtualHitTest(event.GetPosition().y);
        if (line != wxNOT_FOUND && event.GetPosition().x < BoxWidth())
            Toggle(line);
    }
    void OnChar(wxKeyEvent& event) {
        if (event.GetKeyCode() == WXK_SPACE && GetSelection() != wxNOT_FOUND)
            Toggle(GetSelection());
        else
            event.Skip();
    }

    wxSize m_box;
};

WxCheckList* ListOf(const CCheckListBox* list) {
    return dynamic_cast<WxCheckList*>(list->GetSafeHwnd());
}

WxCheckList::Line* LineOf(const CCheckListBox* list, int index) {
    WxCheckList* window = ListOf(list);
    if (!window || index < 0 || static_cast<size_t>(index) >= window->lines.size())
        return nullptr;
    return &window->lines[static_cast<size_t>(index)];
}

} // namespace

wxWindow* MakeCheckList(const DialogItemTemplate& item, wxWindow* parent, const wxPoint& pos,
                        const wxSize& size) {
    return new WxCheckList(parent, WxIdOf(item.id), pos, size);
}

int CCheckListBox::AddString(LPCTSTR text) {
    WxCheckList* list = ListOf(this);
    if (!list)
        return -1;
    list->lines.push_back({ToWx(text), false, 0});
    list->Changed();
    return static_cast<int>(list->lines.size()) - 1;
}

void CCheckListBox::ResetContent() {
    if (WxCheckList* list = ListOf(this)) {
        list->lines.clear();
        list->Changed();
    }
}

int CCheckListBox::GetCount() const {
    const WxCheckList* list = ListOf(this);
    return list ? static_cast<int>(list->lines.size()) : -1;
}

int CCheckListBox::GetText(int index, CString& text) const {
    const WxCheckList::Line* line = LineOf(this, index);
    if (!line)
        return -1;
    text = FromWx(line->text);
    return text.GetLength();
}

int CCheckListBox::GetCheck(int index) const {
    const WxCheckList::Line* line = LineOf(this, index);
    return line ? (line->checked ? 1 : 0) : -1;
}

void CCheckListBox::SetCheck(int index, int check) {
    if (WxCheckList::Line* line = LineOf(this, index)) {
        line->checked = check != 0;
        ListOf(this)->RefreshRow(static_cast<size_t>(index));
    }
}

uintptr_t CCheckListBox::GetItemData(int index) const {
    const WxCheckList::Line* line = LineOf(this, index);
    return line ? line->data : 0;
}

int CCheckListBox::SetItemData(int index, uintptr_t data) {
    WxCheckList::Line* line = LineOf(this, index);
    if (!line)
        return -1;
    line->data = data;
    ListOf(this)->RefreshRow(static_cast<size_t>(index));
    return 0;
}

int CCheckListBox::GetCurSel() const {
    const WxCheckList* list = ListOf(this);
    return list ? list->GetSelection() : -1;
}

int CCheckListBox::SetCurSel(int index) {
    WxCheckList* list = ListOf(this);
    if (!list || !LineOf(this, index))
        return -1;
    list->SetSelection(index);
    return index;
}

int CCheckListBox::GetItemHeight() const {
    const WxCheckList* list = ListOf(this);
    return list ? list->LineHeight() : 0;
}

void CCheckListBox::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) {
    // Without a subclass's painting, the line's text.
    CString text;
    CDC* dc = CDC::FromHandle(lpDrawItemStruct->hDC);
    if (GetText(static_cast<int>(lpDrawItemStruct->itemID), text) >= 0 && dc)
        dc->TextOut(lpDrawItemStruct->rcItem.left, lpDrawItemStruct->rcItem.top, text);
}

void CCheckListBox::MeasureItem(LPMEASUREITEMSTRUCT) {}
