#include "platform/ui/CPen.h"

#include <algorithm>

BOOL CPen::CreatePen(int nPenStyle, int nWidth, COLORREF crColor) {
    if (m_created)
        return FALSE;
    m_style = nPenStyle;
    m_width = std::max(nWidth, 1);
    m_color = crColor;
    m_created = true;
    return TRUE;
}

BOOL CPen::DeleteObject() {
    const bool had = m_created;
    m_created = false;
    return had;
}

void* CPen::GetSafeHandle() const {
    return m_created ? const_cast<CPen*>(this) : nullptr;
}
