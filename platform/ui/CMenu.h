#pragma once
// A pop-up menu: items with command ids, texts, check marks, separators and nested pop-ups,
// shown at a point with TrackPopupMenu; the chosen item's command goes to the owner window as
// WM_COMMAND. A menu resource loads as a menu whose items are its pop-ups.
//
// Showing goes through one replaceable tracker, as message boxes go through their sink: the
// window system's pop-up menu in the program, a scripted chooser in tests.

#include "platform/core/CRect.h"
#include "platform/core/CString.h"
#include "platform/ui/WinTypes.h"

#include <memory>
#include <vector>

class CCmdTarget;
class CWnd;

constexpr UINT MF_STRING = 0x0000;
constexpr UINT MF_ENABLED = 0x0000;
constexpr UINT MF_UNCHECKED = 0x0000;
constexpr UINT MF_BYCOMMAND = 0x0000;
constexpr UINT MF_GRAYED = 0x0001;
constexpr UINT MF_DISABLED = 0x0002;
constexpr UINT MF_CHECKED = 0x0008;
constexpr UINT MF_BYPOSITION = 0x0400;
constexpr UINT MF_SEPARATOR = 0x0800;

constexpr UINT TPM_LEFTALIGN = 0x0000;
constexpr UINT TPM_RIGHTBUTTON = 0x0002;
constexpr UINT TPM_NONOTIFY = 0x0080;
constexpr UINT TPM_RETURNCMD = 0x0100;

class CMenu {
public:
    struct Item {
        UINT id;
        UINT flags;
        CString text;
        // The items of a pop-up item; null for a command or a separator.
        std::shared_ptr<CMenu> popup;
    };

    CMenu() = default;
    // A copy holds copies of the pop-ups too.
    CMenu(const CMenu& other);
    CMenu& operator=(const CMenu& other);

    BOOL CreatePopupMenu();
    // The menu resource of the id: one pop-up item for each of its menus. FALSE when there is
    // no such resource.
    BOOL LoadMenu(UINT nIDResource);
    BOOL DestroyMenu();
    BOOL AppendMenu(UINT nFlags, UINT_PTR nIDNewItem = 0, LPCTSTR lpszNewItem = nullptr);
    // A pop-up item showing a copy of `popup`.
    BOOL AppendPopup(const CMenu& popup, LPCTSTR lpszNewItem);
    // The pop-up at the position, or null when the item there is none.
    CMenu* GetSubMenu(int nPos) const;
    // By command, both look into the pop-ups as well. Both return the item's state before, or
    // (UINT)-1 when there is no such item.
    UINT CheckMenuItem(UINT nIDCheckItem, UINT nCheck);
    UINT EnableMenuItem(UINT nIDEnableItem, UINT nEnable);
    UINT GetMenuState(UINT nID, UINT nFlags) const;
    int GetMenuItemCount() const;
    UINT GetMenuItemID(int nPos) const;
    int GetMenuString(UINT nIDItem, CString& rString, UINT nFlags) const;
    // Shows the menu at a screen point; the chosen command goes to pWnd as WM_COMMAND (or is
    // returned with TPM_RETURNCMD). Returns TRUE (or the command) when one was chosen.
    BOOL TrackPopupMenu(UINT nFlags, int x, int y, CWnd* pWnd, LPCRECT lpRect = nullptr);

    const std::vector<Item>& Items() const { return m_items; }
    // Asks each command item's update along the target's route, as a menu about to show is
    // asked, the pop-ups' items too: an item no handler of the route takes is greyed.
    void UpdateCommandUI(CCmdTarget* pTarget);

private:
    const Item* Find(UINT nID, UINT nFlags) const;
    Item* Find(UINT nID, UINT nFlags);

    BOOL m_created = FALSE;
    std::vector<Item> m_items;
};

// Shows a pop-up menu and returns the chosen command, or 0 when none was chosen.
class MenuTracker {
public:
    virtual ~MenuTracker() = default;
    virtual UINT Track(const CMenu& menu, CPoint point, CWnd* pOwner) = 0;
};

// Installs `tracker` (not owned) and returns the one it replaces; nullptr restores the window
// system's menus.
MenuTracker* SetMenuTracker(MenuTracker* tracker);
