#include "platform/ui/CMenu.h"

#include "platform/ui/CWnd.h"
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
        // The window system takes ids below 0x7FFF only: an item's id is its index plus this.
        constexpr int kFirstId = 100;
        const std::vector<CMenu::Item>& items = menu.Items();
        wxMenu popup;
        for (size_t index = 0; index < items.size(); ++index) {
            const CMenu::Item& item = items[index];
            const int id = kFirstId + static_cast<int>(index);
            if (item.flags & MF_SEPARATOR) {
                popup.AppendSeparator();
                continue;
            }
            wxString text = ToWx(item.text);
            text.Replace("&", "&&");
            wxMenuItem* entry = (item.flags & MF_CHECKED) ? popup.AppendCheckItem(id, text)
                                                          : popup.Append(id, text);
            if (item.flags & MF_CHECKED)
                entry->Check(true);
            if (item.flags & (MF_GRAYED | MF_DISABLED))
                entry->Enable(false);
        }
        const wxPoint at = window->ScreenToClient(wxPoint(point.x, point.y));
        const int chosen = window->GetPopupMenuSelectionFromUser(popup, at) - kFirstId;
        return chosen >= 0 && chosen < static_cast<int>(items.size())
                   ? items[static_cast<size_t>(chosen)].id
                   : 0;
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

const CMenu::Item* CMenu::Find(UINT nID, UINT nFlags) const {
    if (nFlags & MF_BYPOSITION)
        return nID < m_items.size() ? &m_items[nID] : nullptr;
    for (const Item& item : m_items) {
        if (!(item.flags & MF_SEPARATOR) && item.id == nID)
            return &item;
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
    return (item.flags & MF_SEPARATOR) ? 0 : item.id;
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
