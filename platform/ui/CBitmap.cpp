#include "platform/ui/CBitmap.h"

#include "platform/ui/CDC.h"
#include "platform/ui/WxGdiData.h"

#include <wx/app.h>
#include <wx/image.h>

CBitmap::CBitmap() = default;

CBitmap::~CBitmap() {
    DeleteObject();
}

BOOL CBitmap::CreateCompatibleBitmap(CDC*, int nWidth, int nHeight) {
    if (m_data || !wxTheApp || nWidth <= 0 || nHeight <= 0)
        return FALSE;
    m_data = std::make_unique<Data>();
    m_data->bitmap = wxBitmap(nWidth, nHeight, 24);
    if (!m_data->bitmap.IsOk()) {
        m_data.reset();
        return FALSE;
    }
    return TRUE;
}

BOOL CBitmap::CreateBitmap(int nWidth, int nHeight, UINT, UINT nBitcount, const void* lpBits) {
    if (m_data || !wxTheApp || nWidth <= 0 || nHeight <= 0)
        return FALSE;
    wxImage image(nWidth, nHeight, true); // black
    if (nBitcount == 1 && lpBits) {
        const auto* bits = static_cast<const BYTE*>(lpBits);
        const int rowBytes = ((nWidth + 15) / 16) * 2;
        for (int y = 0; y < nHeight; ++y) {
            for (int x = 0; x < nWidth; ++x) {
                if (bits[y * rowBytes + x / 8] & (0x80 >> (x % 8)))
                    image.SetRGB(x, y, 255, 255, 255);
            }
        }
    }
    m_data = std::make_unique<Data>();
    m_data->bitmap = wxBitmap(image, 24);
    m_data->monochrome = nBitcount == 1;
    return TRUE;
}

int CBitmap::GetBitmap(BITMAP* pBitMap) const {
    if (!m_data || !pBitMap)
        return 0;
    const int bits = m_data->monochrome ? 1 : 24;
    const LONG width = m_data->bitmap.GetWidth();
    *pBitMap = BITMAP{0,
                      width,
                      m_data->bitmap.GetHeight(),
                      ((width * bits + 15) / 16) * 2,
                      1,
                      static_cast<WORD>(bits),
                      nullptr};
    return static_cast<int>(sizeof(BITMAP));
}

BOOL CBitmap::DeleteObject() {
    if (!m_data)
        return FALSE;
    // A bitmap still selected into a context leaves it first.
    if (m_data->selectedInto)
        m_data->selectedInto->SelectObject(static_cast<CBitmap*>(nullptr));
    m_data.reset();
    return TRUE;
}

void* CBitmap::GetSafeHandle() const {
    return m_data ? const_cast<CBitmap*>(this) : nullptr;
}
