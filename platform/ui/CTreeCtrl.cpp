#include "platform/ui/CTreeCtrl.h"

#include "platform/ui/WindowStyles.h"
#include "platform/ui/WxChildControl.h"
#include "platform/ui/WxImageStrip.h"
#include "platform/ui/WxText.h"
#include "platform/ui/WxWindowInfo.h"

#include <wx/textctrl.h>
#include <wx/treectrl.h>

#include <memory>

namespace {

// The number an item carries.
class ItemData : public wxTreeItemData {
public:
    explicit ItemData(uintptr_t value) : data(value) {}
    uintptr_t data;
};

wxTreeItemId IdOf(HTREEITEM item) {
    return wxTreeItemId(item);
}

UINT VirtualKeyOf(int code) {
    switch (code) {
    case WXK_DELETE:
        return 0x2E;
    case WXK_F5:
        return 0x74;
    case WXK_BACK:
        return 0x08;
    case WXK_RETURN:
        return 0x0D;
    default:
        return code > 0 && code < 256 ? static_cast<UINT>(code) : 0;
    }
}

} // namespace

// The window system's tree, passing the user's actions to the owner's handlers.
struct CTreeCtrl::Impl : public wxTreeCtrl {
    Impl(CTreeCtrl& owner, wxWindow* parent, int id, const wxPoint& pos, const wxSize& size)
        : wxTreeCtrl(parent, id, pos, size,
                     wxTR_HIDE_ROOT | wxTR_HAS_BUTTONS | wxTR_LINES_AT_ROOT | wxTR_EDIT_LABELS |
                         wxTR_SINGLE | wxBORDER_SUNKEN),
          tree(owner) {
        AddRoot("");
        Bind(wxEVT_TREE_SEL_CHANGED, [this](wxTreeEvent& event) {
            if (!quiet)
                tree.OnSelChanged(event.GetItem().GetID());
        });
        Bind(wxEVT_TREE_ITEM_EXPANDING, [this](wxTreeEvent& e) { Expanding(e, TRUE); });
        Bind(wxEVT_TREE_ITEM_COLLAPSING, [this](wxTreeEvent& e) { Expanding(e, FALSE); });
        Bind(wxEVT_TREE_ITEM_EXPANDED, [this](wxTreeEvent& e) { Expanded(e, TRUE); });
        Bind(wxEVT_TREE_ITEM_COLLAPSED, [this](wxTreeEvent& e) { Expanded(e, FALSE); });
        Bind(wxEVT_TREE_BEGIN_LABEL_EDIT, &Impl::BeginEdit, this);
        Bind(wxEVT_TREE_END_LABEL_EDIT, &Impl::EndEdit, this);
        Bind(wxEVT_TREE_ITEM_ACTIVATED, [this](wxTreeEvent& event) {
            if (!tree.OnDoubleClick(event.GetItem().GetID()))
                event.Skip();
        });
        Bind(wxEVT_KEY_DOWN, [this](wxKeyEvent& event) {
            tree.OnTreeKeyDown(VirtualKeyOf(event.GetKeyCode()));
            event.Skip();
        });
        Bind(wxEVT_CONTEXT_MENU, &Impl::ContextMenu, this);
        Bind(wxEVT_TREE_BEGIN_DRAG, [this](wxTreeEvent& event) {
            // Not allowed: the tree starts no drag of its own. The owner's drag runs its loop
            // here, within the pointer's event, as the window system wants a drag to start.
            const wxTreeItemId item = event.GetItem();
            if (!item.IsOk())
                return;
            SelectItem(item);
            tree.OnBeginDrag(item.GetID());
        });
    }
    void ContextMenu(wxContextMenuEvent& event) {
        wxPoint screen = event.GetPosition();
        wxTreeItemId item = GetSelection();
        if (screen == wxDefaultPosition) {
            // From the keyboard: at the selected item, or the tree's corner.
            wxRect rect;
            const wxPoint at = item.IsOk() && GetBoundingRect(item, rect, true)
                                   ? rect.GetBottomLeft()
                                   : wxPoint(0, 0);
            screen = ClientToScreen(at);
        } else {
            int flags = 0;
            const wxTreeItemId hit = HitTest(ScreenToClient(screen), flags);
            if (hit.IsOk() && (flags & wxTREE_HITTEST_ONITEM) && hit != item) {
                SelectItem(hit);
                item = hit;
            }
        }
        tree.OnContextMenu(item.IsOk() ? item.GetID() : nullptr, CPoint(screen.x, screen.y));
    }
    ~Impl() override {
        if (tree.m_pImpl == this)
            tree.m_pImpl = nullptr;
    }
    void Expanding(wxTreeEvent& event, BOOL expand) {
        if (!quiet && !tree.OnItemExpanding(event.GetItem().GetID(), expand))
            event.Veto();
    }
    void Expanded(wxTreeEvent& event, BOOL expanded) {
        if (!quiet)
            tree.OnItemExpanded(event.GetItem().GetID(), expanded);
    }
    void BeginEdit(wxTreeEvent& event) {
        CString text = FromWx(GetItemText(event.GetItem()));
        if (!tree.OnBeginLabelEdit(event.GetItem().GetID(), text)) {
            event.Veto();
            return;
        }
        SetItemText(event.GetItem(), ToWx(text));
    }
    void EndEdit(wxTreeEvent& event) {
        // The label is never taken as typed: the owner decides what shows, once the edit field
        // is gone.
        event.Veto();
        const bool cancelled = event.IsEditCancelled();
        const CString text = FromWx(event.GetLabel());
        CallAfter([this, cancelled, text] { tree.OnEndLabelEdit(cancelled ? nullptr : &text); });
    }

    CTreeCtrl& tree;
    std::unique_ptr<wxImageList> images;
    int quiet = 0;
};

namespace {

// Programmatic changes tell the owner nothing.
class Quiet {
public:
    explicit Quiet(CTreeCtrl::Impl* impl) : m_impl(impl) { ++m_impl->quiet; }
    ~Quiet() { --m_impl->quiet; }
    Quiet(const Quiet&) = delete;
    Quiet& operator=(const Quiet&) = delete;

private:
    CTreeCtrl::Impl* m_impl;
};

} // namespace

CTreeCtrl::CTreeCtrl() = default;

CTreeCtrl::~CTreeCtrl() = default;

BOOL CTreeCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    Impl* control = MakeChildControl<Impl>(*this, dwStyle, rect, pParentWnd, nID);
    if (!control)
        return FALSE;
    m_pImpl = control;
    return Attach(m_pImpl);
}

BOOL CTreeCtrl::SetImages(UINT nBitmapId, int cx, COLORREF mask) {
    if (!m_pImpl)
        return FALSE;
    m_pImpl->images.reset(MakeImageStrip(nBitmapId, cx, mask));
    m_pImpl->SetImageList(m_pImpl->images.get());
    return m_pImpl->images->GetImageCount() > 0;
}

HTREEITEM CTreeCtrl::InsertItem(const CString& text, int nImage, int nSelectedImage,
                                HTREEITEM parent, uintptr_t data) {
    if (!m_pImpl)
        return nullptr;
    Quiet quiet(m_pImpl);
    const wxTreeItemId under = parent ? IdOf(parent) : m_pImpl->GetRootItem();
    return m_pImpl->AppendItem(under, ToWx(text), nImage, nSelectedImage, new ItemData(data))
        .GetID();
}

void CTreeCtrl::DeleteAllItems() {
    if (!m_pImpl)
        return;
    Quiet quiet(m_pImpl);
    m_pImpl->DeleteChildren(m_pImpl->GetRootItem());
}

void CTreeCtrl::DeleteChildren(HTREEITEM item) {
    if (!m_pImpl || !item)
        return;
    Quiet quiet(m_pImpl);
    m_pImpl->DeleteChildren(IdOf(item));
}

HTREEITEM CTreeCtrl::GetChildItem(HTREEITEM item) const {
    if (!m_pImpl)
        return nullptr;
    wxTreeItemIdValue cookie;
    const wxTreeItemId under = item ? IdOf(item) : m_pImpl->GetRootItem();
    return m_pImpl->GetFirstChild(under, cookie).GetID();
}

HTREEITEM CTreeCtrl::GetNextSiblingItem(HTREEITEM item) const {
    return m_pImpl && item ? m_pImpl->GetNextSibling(IdOf(item)).GetID() : nullptr;
}

uintptr_t CTreeCtrl::GetItemData(HTREEITEM item) const {
    if (!m_pImpl || !item)
        return 0;
    auto* data = static_cast<ItemData*>(m_pImpl->GetItemData(IdOf(item)));
    return data ? data->data : 0;
}

CString CTreeCtrl::GetItemText(HTREEITEM item) const {
    return m_pImpl && item ? FromWx(m_pImpl->GetItemText(IdOf(item))) : CString();
}

void CTreeCtrl::SetItemImage(HTREEITEM item, int nImage, int nSelectedImage) {
    if (!m_pImpl || !item)
        return;
    m_pImpl->SetItemImage(IdOf(item), nImage);
    m_pImpl->SetItemImage(IdOf(item), nSelectedImage, wxTreeItemIcon_Selected);
}

BOOL CTreeCtrl::Expand(HTREEITEM item, BOOL expand) {
    if (!m_pImpl || !item)
        return FALSE;
    Quiet quiet(m_pImpl);
    expand ? m_pImpl->Expand(IdOf(item)) : m_pImpl->Collapse(IdOf(item));
    return TRUE;
}

BOOL CTreeCtrl::IsExpanded(HTREEITEM item) const {
    return m_pImpl && item && m_pImpl->IsExpanded(IdOf(item));
}

HTREEITEM CTreeCtrl::GetSelectedItem() const {
    return m_pImpl ? m_pImpl->GetSelection().GetID() : nullptr;
}

void CTreeCtrl::SelectItem(HTREEITEM item) {
    if (!m_pImpl)
        return;
    Quiet quiet(m_pImpl);
    if (item)
        m_pImpl->SelectItem(IdOf(item));
    else
        m_pImpl->UnselectAll();
}

void CTreeCtrl::EditLabel(HTREEITEM item) {
    if (m_pImpl && item)
        m_pImpl->EditLabel(IdOf(item));
}

BOOL CTreeCtrl::SetEditText(const CString& text) {
    wxTextCtrl* edit = m_pImpl ? m_pImpl->GetEditControl() : nullptr;
    if (!edit)
        return FALSE;
    edit->SetValue(ToWx(text));
    return TRUE;
}

void CTreeCtrl::EndEditLabel(BOOL cancel) {
    if (m_pImpl && m_pImpl->GetEditControl())
        m_pImpl->EndEditLabel(m_pImpl->GetSelection(), cancel != FALSE);
}

void CTreeCtrl::DoubleClickItem(HTREEITEM item) {
    if (!m_pImpl || !item)
        return;
    wxTreeEvent event(wxEVT_TREE_ITEM_ACTIVATED, m_pImpl, IdOf(item));
    if (!m_pImpl->GetEventHandler()->ProcessEvent(event))
        m_pImpl->Toggle(IdOf(item));
}

void CTreeCtrl::ToggleItem(HTREEITEM item) {
    if (m_pImpl && item)
        m_pImpl->Toggle(IdOf(item));
}

void CTreeCtrl::PressKey(UINT nChar) {
    OnTreeKeyDown(nChar);
}

void CTreeCtrl::RightClickItem(HTREEITEM item) {
    if (!m_pImpl)
        return;
    wxPoint at(0, 0);
    wxRect rect;
    if (item && m_pImpl->GetBoundingRect(IdOf(item), rect, true))
        at = rect.GetPosition() + wxPoint(2, 2);
    else if (item == nullptr)
        at = wxPoint(m_pImpl->GetClientSize().x - 2, m_pImpl->GetClientSize().y - 2);
    wxContextMenuEvent event(wxEVT_CONTEXT_MENU, m_pImpl->GetId(), m_pImpl->ClientToScreen(at));
    event.SetEventObject(m_pImpl);
    m_pImpl->GetEventHandler()->ProcessEvent(event);
}

void CTreeCtrl::DragItem(HTREEITEM item) {
    if (!m_pImpl || !item)
        return;
    m_pImpl->SelectItem(IdOf(item));
    OnBeginDrag(item);
}
