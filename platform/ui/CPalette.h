#pragma once
// A logical palette: a table of colours that palette-index colours (PALETTEINDEX) refer to
// while it is selected into a device context. Displays here have no hardware palette, so a
// palette is only its table.

#include "platform/core/COLORREF.h"
#include "platform/ui/CGdiObject.h"

#include <vector>

struct PALETTEENTRY {
    BYTE peRed;
    BYTE peGreen;
    BYTE peBlue;
    BYTE peFlags;
};
using LPPALETTEENTRY = PALETTEENTRY*;

// A palette's description; palNumEntries entries follow in the same block.
struct LOGPALETTE {
    WORD palVersion;
    WORD palNumEntries;
    PALETTEENTRY palPalEntry[1];
};
using LPLOGPALETTE = LOGPALETTE*;

// Palette entry flags, kept with the entries.
constexpr BYTE PC_RESERVED = 0x01;
constexpr BYTE PC_EXPLICIT = 0x02;
constexpr BYTE PC_NOCOLLAPSE = 0x04;

class CPalette : public CGdiObject {
public:
    CPalette() = default;

    // Takes the entries of the description; FALSE when the palette is already made or the
    // description is null or empty.
    BOOL CreatePalette(const LOGPALETTE* lpLogPalette);
    BOOL DeleteObject() override;
    void* GetSafeHandle() const override;

    int GetEntryCount() const { return static_cast<int>(m_entries.size()); }
    // Copy up to nEntries from nStartIndex; return how many were copied.
    UINT GetPaletteEntries(UINT nStartIndex, UINT nEntries, LPPALETTEENTRY lpPaletteColors) const;
    UINT SetPaletteEntries(UINT nStartIndex, UINT nEntries, const PALETTEENTRY* lpPaletteColors);
    // The index of the entry nearest to the colour (0 for an empty palette).
    UINT GetNearestPaletteIndex(COLORREF crColor) const;
    // The colour of an entry; black for an index the palette does not have.
    COLORREF GetEntryColor(UINT nIndex) const;

private:
    std::vector<PALETTEENTRY> m_entries;
    bool m_created = false;
};
