#pragma once
// A list of pages of the Generate Pages dialog (the pages offered, and the pages to generate):
// it owns one named key per line, in line order, and shows "<No Pages>" (with no key behind
// it) when it has none.

#include "db/QZKeyCombo.h"
#include "db/QZNameAndKeyList.h"
#include "platform/ui/CListBox.h"

class QZGeneratePickListBox : public CListBox {
public:
    QZGeneratePickListBox() = default;
    ~QZGeneratePickListBox() override;

    // The pages the pick mode's stored query gives for the key (none for a mode out of
    // range), shown. Engine errors pass on, with the list left empty.
    void FillList(int mode, const QZKeyCombo& key);
    void ShowItems();
    void ClearList();
    // New items (owned by the caller), one per selected line in line order, typed as pages.
    QZNameAndKeyList* GetSelectedItems() const;
    // Appends and selects each item not already listed by key; takes the list and frees it.
    void AddItems(QZNameAndKeyList* list);
    // Removes the selected lines, then selects the line where the last one was (or the last).
    void RemoveSelected();
    void SelectAll();
    // The first item, removed with its line (the caller owns it); nullptr when there is none.
    QZNameAndKey* TakeFirst();
    // The number of items (lines with a page behind them).
    int GetItemCount() const { return m_pList ? m_pList->GetCount() : 0; }
    const QZNameAndKeyList* GetList() const { return m_pList; }

protected:
    void OnDestroy() override;

private:
    BOOL Contains(const QZKeyCombo& key) const;

    QZNameAndKeyList* m_pList = nullptr;
};
