#include "platform/ui/CMenu.h"

#include "platform/ui/CCmdUI.h"
#include "platform/ui/CWnd.h"
#include "platform/ui/MenuResources.h"
#include "platform/ui/WxText.h"

#include <wx/app.h>
#include <wx/menu.h>
#include <wx/window.h>

#include <utility>

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
    // The window system takes ids below 0x7FFF only: an item's id is its place among the
    // commands plus this.
    static constexpr int kFirstId = 100;

    static void Fill(wxMenu& popup, const CMenu& menu, std::vector<UINT>& commands) {
        for (const CMenu::Item& item : menu.Items()) {
            if (item.flags & MF_SEPARATOR) {
                popup.AppendSeparator();
                continue;
            }
            // "&" marks the mnemonic, as in the menu bar.
            const wxString text = ToWx(item.text);
            if (item.popup) {
                auto* sub = new wxMenu;
                Fill(*sub, *item.popup, commands);
                popup.AppendSubMenu(sub, text);
                continue;
            }
            const int id = kFirstId + static_cast<int>(commands.size());
            commands.push_back(item.id);
            wxMenuItem* entry = (item.flags & MF_CHECKED) ? popup.AppendCheckItem(id, text)
                                                          : popup.Append(id, text);
            if (item.flags & MF_CHECKED)
                entry->Check(true);
            if (item.flags & (MF_GRAYED | MF_DISABLED))
                entry->Enable(false);
        }
    }
};

// The items of a menu resource's pop-up.
void AppendTemplateItems(CMenu& menu, const MenuItemTemplate* items, int count) {
    for (int i = 0; i < count; ++i) {
        const MenuItemTemplate& item = items[i];
        if (item.flags & MF_POPUP) {
            CMenu popup;
            popup.CreatePopupMenu();
            AppendTemplateItems(popup, item.items, item.count);
            menu.AppendPopup(popup, item.text);
        } else {
            menu.AppendMenu(item.flags, item.id, item.text);
        }
    }
}

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

CMenu::CMenu(const CMenu& other) : m_created(other.m_created), m_items(other.m_items) {
    for (Item& item : m_items) {
        if (item.popup)
            item.popup = std::make_shared<CMenu>(*item.popup);
    }
}

CMenu& CMenu::operator=(const CMenu& other) {
    if (this != &other) {
        CMenu copy(other);
        m_created = copy.m_created;
        m_items = std::move(copy.m_items);
    }
    return *this;
}

BOOL CMenu::CreatePopupMenu() {
    m_items.clear();
    m_created = TRUE;
    return TRUE;
}

BOOL CMenu::LoadMenu(UINT nIDResource) {
    const MenuTemplate* resource = MenuResources::LookupMenu(nIDResource);
    if (!resource)
        return FALSE;
    CreatePopupMenu();
    AppendTemplateItems(*this, resource->items, resource->count);
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
        {static_cast<UINT>(nIDNewItem), nFlags, CString(lpszNewItem ? lpszNewItem : ""), nullptr});
    return TRUE;
}

BOOL CMenu::AppendPopup(const CMenu& popup, LPCTSTR lpszNewItem) {
    if (!m_created)
        return FALSE;
    m_items.push_back(
        {0, MF_POPUP, CString(lpszNewItem ? lpszNewItem : ""), std::make_shared<CMenu>(popup)});
    return TRUE;
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
            if (const Item* found = item.popup->Find(nID, nFlags))
                return found;
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

int CMenu::GetMenuString(UINT nIDItem, CString& rString, UINT nFlags) const {
    const Item* item = Find(nIDItem, nFlags);
    rString = item ? item->text : CString();
    return rString.GetLength();
}

void CMenu::UpdateCommandUI(CCmdTarget* pTarget) {
    for (size_t index = 0; index < m_items.size(); ++index) {
        Item& item = m_items[index];
        if (item.popup) {
            item.popup->UpdateCommandUI(pTarget);
            continue;
        }
        if (item.flags & MF_SEPARATOR || item.id == 0)
            continue;
        CCmdUI state;
        state.m_pMenu = this;
        state.m_nID = item.id;
        state.m_nIndex = static_cast<UINT>(index);
        state.DoUpdate(pTarget, TRUE);
    }
}

BOOL CMenu::TrackPopupMenu(UINT nFlags, int x, int y, CWnd* pWnd, LPCRECT) {
    const UINT chosen = Tracker().Track(*this, CPoint(x, y), pWnd);
    if (nFlags & TPM_RETURNCMD)
        return static_cast<BOOL>(chosen);
    if (chosen && pWnd && !(nFlags & TPM_NONOTIFY))
        pWnd->SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<int>(chosen), 0), 0);
    return chosen != 0;
}
