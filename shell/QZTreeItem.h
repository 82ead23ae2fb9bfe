#pragma once
// One item of a site browser tree as its model keeps it: the label and images shown, the list
// entry it stands for (owned by the model's lists), a number (a query field's size), whether
// it is expanded, and its children. The window shows the same items under a hidden root.

#include "db/QZNameAndKey.h"
#include "platform/core/CString.h"

#include <memory>
#include <vector>

class QZTreeItem {
public:
    enum Kind { object, section, query, table, parameter, field, placeholder };

    QZTreeItem(Kind kind, const CString& label, int image, QZNameAndKey* entry, QZTreeItem* parent);

    // A new last child, whose selected image is its image.
    QZTreeItem* Append(Kind kind, const CString& label, int image, QZNameAndKey* entry = nullptr);
    void DeleteChildren() { m_children.clear(); }
    void SetImage(int image) { m_nImage = m_nSelectedImage = image; }
    // The n-th child, or null.
    QZTreeItem* Child(size_t n) const {
        return n < m_children.size() ? m_children[n].get() : nullptr;
    }
    size_t ChildCount() const { return m_children.size(); }
    // The key of the entry; the empty key 0:0 for an item without one.
    QZKeyCombo GetKey() const;

    Kind m_kind;
    CString m_label;
    int m_nImage;
    int m_nSelectedImage;
    QZNameAndKey* m_pEntry;
    LONG m_lData = 0;
    BOOL m_bExpanded = FALSE;
    QZTreeItem* m_pParent;
    std::vector<std::unique_ptr<QZTreeItem>> m_children;
};
