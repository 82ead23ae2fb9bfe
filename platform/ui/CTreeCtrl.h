#pragma once
// A tree of labelled items with images from a strip of a bitmap resource, under a hidden root.
// What the user does (selecting, expanding, editing a label, a double click, a key, a right
// click, dragging an item) reaches the virtual handlers; what the program does tells nobody.

#include "platform/core/COLORREF.h"
#include "platform/core/CPoint.h"
#include "platform/core/CString.h"
#include "platform/ui/CWnd.h"

#include <cstdint>

using HTREEITEM = void*;
constexpr HTREEITEM TVI_ROOT = nullptr;

class CTreeCtrl : public CWnd {
public:
    CTreeCtrl();
    ~CTreeCtrl() override;

    // The tree as a child of the parent; FALSE without a parent window.
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    // The item images: the bitmap resource cut into images `cx` pixels wide, `mask` shown
    // through.
    BOOL SetImages(UINT nBitmapId, int cx, COLORREF mask);

    // A new last child of `parent` (TVI_ROOT for a top item) carrying `data`.
    HTREEITEM InsertItem(const CString& text, int nImage, int nSelectedImage, HTREEITEM parent,
                         uintptr_t data);
    void DeleteAllItems();
    void DeleteChildren(HTREEITEM item);
    // Top items or children, in order; null past the last.
    HTREEITEM GetChildItem(HTREEITEM item) const;
    HTREEITEM GetNextSiblingItem(HTREEITEM item) const;
    uintptr_t GetItemData(HTREEITEM item) const;
    CString GetItemText(HTREEITEM item) const;
    void SetItemImage(HTREEITEM item, int nImage, int nSelectedImage);
    BOOL Expand(HTREEITEM item, BOOL expand);
    BOOL IsExpanded(HTREEITEM item) const;
    HTREEITEM GetSelectedItem() const;
    void SelectItem(HTREEITEM item);
    // Starts editing the label, as a slow second click does.
    void EditLabel(HTREEITEM item);
    // The text in the label's edit field while one is open; setting it as the user types.
    BOOL SetEditText(const CString& text);
    // Ends the open edit, taking its text or cancelling it.
    void EndEditLabel(BOOL cancel);
    // A double click on the item, as the user makes it.
    void DoubleClickItem(HTREEITEM item);
    // A click on the item's expand button, as the user makes it.
    void ToggleItem(HTREEITEM item);
    // A key pressed while the tree has the focus.
    void PressKey(UINT nChar);
    // A right click on the item (null: beside the items), as the user makes it: the item is
    // selected, then the context menu is asked for at the item.
    void RightClickItem(HTREEITEM item);
    // The user starting to drag the item out of the tree.
    void DragItem(HTREEITEM item);

    struct Impl;

protected:
    virtual void OnSelChanged(HTREEITEM item) { (void)item; }
    // FALSE refuses the change.
    virtual BOOL OnItemExpanding(HTREEITEM item, BOOL expand) {
        (void)item;
        (void)expand;
        return TRUE;
    }
    virtual void OnItemExpanded(HTREEITEM item, BOOL expanded) {
        (void)item;
        (void)expanded;
    }
    // FALSE refuses the edit; the text is what the edit field starts from.
    virtual BOOL OnBeginLabelEdit(HTREEITEM item, CString& text) {
        (void)item;
        (void)text;
        return TRUE;
    }
    // After the edit field closed: the new text, or null when the edit was cancelled. The
    // label is not changed by the edit itself.
    virtual void OnEndLabelEdit(const CString* text) { (void)text; }
    // TRUE when handled; otherwise the item expands or collapses.
    virtual BOOL OnDoubleClick(HTREEITEM item) {
        (void)item;
        return FALSE;
    }
    // A key going down while the tree (not a label's edit field) has the focus.
    virtual void OnTreeKeyDown(UINT nChar) { (void)nChar; }
    // The context menu asked for at a screen point; the item under the pointer (if any) has
    // been selected.
    virtual void OnContextMenu(HTREEITEM item, CPoint screen) {
        (void)item;
        (void)screen;
    }
    // A drag gesture began on the item, now selected.
    virtual void OnBeginDrag(HTREEITEM item) { (void)item; }

private:
    Impl* m_pImpl = nullptr;
    friend struct Impl;
};
