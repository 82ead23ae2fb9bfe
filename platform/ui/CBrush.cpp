#include "platform/ui/CBrush.h"

BOOL CBrush::CreateSolidBrush(COLORREF crColor) {
    if (m_created)
        return FALSE;
    m_color = crColor;
    m_hollow = false;
    m_created = true;
    return TRUE;
}

BOOL CBrush::CreateHollowBrush() {
    if (m_created)
        return FALSE;
    m_hollow = true;
    m_created = true;
    return TRUE;
}

BOOL CBrush::DeleteObject() {
    const bool had = m_created;
    m_created = false;
    return had;
}

void* CBrush::GetSafeHandle() const {
    return m_created ? const_cast<CBrush*>(this) : nullptr;
}
