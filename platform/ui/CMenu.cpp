#include "platform/ui/CMenu.h"

#include "platform/ui/CCmdUI.h"
#include "platform/ui/CWnd.h"
#include "platform/ui/MenuResources.h"
#include "platform/ui/WxText.h"

#include <wx/app.h>
#include <wx/menu.h>
#include <wx/window.h>

namespace {

// The window system's pop-up menu.
class WxMenuTracker : public MenuTracker {
public:
    UINT Track(const CMenu& menu, CPoint point, CWnd* pOwner) override {
        wxWindow* window = pOwner ? pOwner->GetSafeHwnd() : nullptr;
        if (!window || !wxTheApp)
            return 0;
        std::vector<UINT> commands;
        wxMenu popup;
        Fill(popup, menu, commands);
        const wxPoint at = window->ScreenToClient(wxPoint(point.x, point.y));
        const int chosen = window->GetPopupMenuSelectionFromUser(popup, at) - kFirstId;
        return chosen >= 0 && chosen < static_cast<int>(commands.size())
                   ? commands[static_cast<size_t>(chosen)]
                   : 0;
    }

private:
    // The window system takes ids below 0x7FFF only: an item's id is the index of its command
    // in the list plus this.
    static constexpr int kFirstId = 100;

    static void Fill(wxMenu& target, const CMenu& menu, std::vector<UINT>& commands) {
        for (const CMenu::Item& item : menu.Items()) {
            if (item.flags & MF_SEPARATOR) {
                target.AppendSeparator();
                continue;
            }
            wxString text = ToWx(item.text);
            if (item.popup) {
                auto* sub = new wxMenu;
                Fill(*sub, *item.popup, commands);
                wxMenuItem* entry = target.AppendSubMenu(sub, text);
                entry->Enable(!(item.flags & (MF_GRAYED | MF_DISABLED)));
                continue;
            }
            text.Replace("&", "&&");
            const int id = kFirstId + static_cast<int>(commands.size());
            commands.push_back(item.id);
            wxMenuItem* entry = (item.flags & MF_CHECKED) ? target.AppendCheckItem(id, text)
                                                          : target.Append(id, text);
            if (item.flags & MF_CHECKED)
                entry->Check(true);
            if (item.flags & (MF_GRAYED | MF_DISABLED))
                entry->Enable(false);
        }
    }
};

MenuTracker* g_tracker = nullptr;

MenuTracker& Tracker() {
    static WxMenuTracker wxTracker;
    return g_tracker ? *g_tracker : wxTracker;
}

} // namespace

MenuTracker* SetMenuTracker(MenuTracker* tracker) {
    MenuTracker* previous = g_tracker;
    g_tracker = tracker;
    return previous;
}

BOOL CMenu::CreatePopupMenu() {
    m_items.clear();
    m_created = TRUE;
    return TRUE;
}

BOOL CMenu::DestroyMenu() {
    const BOOL had = m_created;
    m_items.clear();
    m_created = FALSE;
    return had;
}

BOOL CMenu::AppendMenu(UINT nFlags, UINT_PTR nIDNewItem, LPCTSTR lpszNewItem) {
    if (!m_created)
        return FALSE;
    m_items.push_back(
        {static_cast<UINT>(nIDNewItem), nFlags, CString(lpszNewItem ? lpszNewItem : "")});
    return TRUE;
}

BOOL CMenu::LoadMenu(UINT nIDResource) {
    const MenuTemplate* resource = MenuResources::LookupMenu(nIDResource);
    if (!resource)
        return FALSE;
    CreatePopupMenu();
    Fill(resource->items, resource->count);
    return TRUE;
}

void CMenu::Fill(const MenuItemTemplate* items, int count) {
    for (int i = 0; i < count; ++i) {
        const MenuItemTemplate& item = items[i];
        if (!(item.flags & MF_POPUP)) {
            AppendMenu(item.flags, item.id, item.text);
            continue;
        }
        auto popup = std::make_shared<CMenu>();
        popup->CreatePopupMenu();
        popup->Fill(item.items, item.count);
        m_items.push_back({0, item.flags, CString(item.text ? item.text : ""), popup});
    }
}

CMenu* CMenu::GetSubMenu(int nPos) const {
    if (nPos < 0 || nPos >= static_cast<int>(m_items.size()))
        return nullptr;
    return m_items[static_cast<size_t>(nPos)].popup.get();
}

const CMenu::Item* CMenu::Find(UINT nID, UINT nFlags) const {
    if (nFlags & MF_BYPOSITION)
        return nID < m_items.size() ? &m_items[nID] : nullptr;
    for (const Item& item : m_items) {
        if (item.popup) {
            if (const Item* inner = item.popup->Find(nID, nFlags))
                return inner;
        } else if (!(item.flags & MF_SEPARATOR) && item.id == nID) {
            return &item;
        }
    }
    return nullptr;
}

CMenu::Item* CMenu::Find(UINT nID, UINT nFlags) {
    return const_cast<Item*>(static_cast<const CMenu*>(this)->Find(nID, nFlags));
}

UINT CMenu::CheckMenuItem(UINT nIDCheckItem, UINT nCheck) {
    Item* item = Find(nIDCheckItem, nCheck);
    if (!item)
        return static_cast<UINT>(-1);
    const UINT before = item->flags & MF_CHECKED;
    item->flags = (item->flags & ~MF_CHECKED) | (nCheck & MF_CHECKED);
    return before;
}

UINT CMenu::EnableMenuItem(UINT nIDEnableItem, UINT nEnable) {
    Item* item = Find(nIDEnableItem, nEnable);
    if (!item)
        return static_cast<UINT>(-1);
    const UINT before = item->flags & (MF_GRAYED | MF_DISABLED);
    item->flags =
        (item->flags & ~(MF_GRAYED | MF_DISABLED)) | (nEnable & (MF_GRAYED | MF_DISABLED));
    return before;
}

UINT CMenu::GetMenuState(UINT nID, UINT nFlags) const {
    const Item* item = Find(nID, nFlags);
    return item ? item->flags & (MF_CHECKED | MF_GRAYED | MF_DISABLED | MF_SEPARATOR)
                : static_cast<UINT>(-1);
}

int CMenu::GetMenuItemCount() const {
    return m_created ? static_cast<int>(m_items.size()) : -1;
}

UINT CMenu::GetMenuItemID(int nPos) const {
    if (nPos < 0 || nPos >= static_cast<int>(m_items.size()))
        return static_cast<UINT>(-1);
    const Item& item = m_items[static_cast<size_t>(nPos)];
    if (item.popup)
        return static_cast<UINT>(-1);
    return (item.flags & MF_SEPARATOR) ? 0 : item.id;
}

void CMenu::UpdateCommandUI(CCmdTarget* pTarget) {
    for (size_t index = 0; index < m_items.size(); ++index) {
        Item& item = m_items[index];
        if (item.popup) {
            item.popup->UpdateCommandUI(pTarget);
            continue;
        }
        if (item.flags & MF_SEPARATOR)
            continue;
        CCmdUI state;
        state.m_nID = item.id;
        state.m_nIndex = static_cast<UINT>(index);
        state.m_pMenu = this;
        state.DoUpdate(pTarget, TRUE);
    }
}

int CMenu::GetMenuString(UINT nIDItem, CString& rString, UINT nFlags) const {
    const Item* item = Find(nIDItem, nFlags);
    rString = item ? item->text : CString();
    return rString.GetLength();
}

BOOL CMenu::TrackPopupMenu(UINT nFlags, int x, int y, CWnd* pWnd, LPCRECT) {
    const UINT chosen = Tracker().Track(*this, CPoint(x, y), pWnd);
    if (nFlags & TPM_RETURNCMD)
        return static_cast<BOOL>(chosen);
    if (chosen && pWnd && !(nFlags & TPM_NONOTIFY))
        pWnd->SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<int>(chosen), 0), 0);
    return chosen != 0;
}
