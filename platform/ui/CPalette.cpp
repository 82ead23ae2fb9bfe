#include "platform/ui/CPalette.h"

#include <algorithm>
#include <climits>

BOOL CPalette::CreatePalette(const LOGPALETTE* lpLogPalette) {
    if (m_created || !lpLogPalette || lpLogPalette->palNumEntries == 0)
        return FALSE;
    m_entries.assign(lpLogPalette->palPalEntry,
                     lpLogPalette->palPalEntry + lpLogPalette->palNumEntries);
    m_created = true;
    return TRUE;
}

BOOL CPalette::DeleteObject() {
    if (!m_created)
        return FALSE;
    m_entries.clear();
    m_created = false;
    return TRUE;
}

void* CPalette::GetSafeHandle() const {
    return m_created ? const_cast<CPalette*>(this) : nullptr;
}

UINT CPalette::GetPaletteEntries(UINT nStartIndex, UINT nEntries,
                                 LPPALETTEENTRY lpPaletteColors) const {
    if (nStartIndex >= m_entries.size() || !lpPaletteColors)
        return 0;
    const UINT count = std::min<UINT>(nEntries, static_cast<UINT>(m_entries.size()) - nStartIndex);
    std::copy_n(m_entries.begin() + nStartIndex, count, lpPaletteColors);
    return count;
}

UINT CPalette::SetPaletteEntries(UINT nStartIndex, UINT nEntries,
                                 const PALETTEENTRY* lpPaletteColors) {
    if (nStartIndex >= m_entries.size() || !lpPaletteColors)
        return 0;
    const UINT count = std::min<UINT>(nEntries, static_cast<UINT>(m_entries.size()) - nStartIndex);
    std::copy_n(lpPaletteColors, count, m_entries.begin() + nStartIndex);
    return count;
}

UINT CPalette::GetNearestPaletteIndex(COLORREF crColor) const {
    UINT nearest = 0;
    int best = INT_MAX;
    for (UINT i = 0; i < m_entries.size(); ++i) {
        const int dr = m_entries[i].peRed - GetRValue(crColor);
        const int dg = m_entries[i].peGreen - GetGValue(crColor);
        const int db = m_entries[i].peBlue - GetBValue(crColor);
        const int distance = dr * dr + dg * dg + db * db;
        if (distance < best) {
            best = distance;
            nearest = i;
        }
    }
    return nearest;
}

COLORREF CPalette::GetEntryColor(UINT nIndex) const {
    if (nIndex >= m_entries.size())
        return RGB(0, 0, 0);
    const PALETTEENTRY& entry = m_entries[nIndex];
    return RGB(entry.peRed, entry.peGreen, entry.peBlue);
}
