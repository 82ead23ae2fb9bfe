#include "shell/QZTreeItem.h"

QZTreeItem::QZTreeItem(Kind kind, const CString& label, int image, QZNameAndKey* entry,
                       QZTreeItem* parent)
    : m_kind(kind), m_label(label), m_nImage(image), m_nSelectedImage(image), m_pEntry(entry),
      m_pParent(parent) {}

QZTreeItem* QZTreeItem::Append(Kind kind, const CString& label, int image, QZNameAndKey* entry) {
    m_children.push_back(std::make_unique<QZTreeItem>(kind, label, image, entry, this));
    return m_children.back().get();
}

QZKeyCombo QZTreeItem::GetKey() const {
    return m_pEntry != nullptr ? m_pEntry->m_Key : QZKeyCombo(0, 0);
}
