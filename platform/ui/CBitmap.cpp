#include "platform/ui/CBitmap.h"

#include "platform/ui/BitmapInfo.h"
#include "platform/ui/BitmapResources.h"
#include "platform/ui/CDC.h"
#include "platform/ui/WinTypes.h"
#include "platform/ui/WxGdiData.h"

#include <wx/app.h>
#include <wx/image.h>

#include <algorithm>

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

BOOL CBitmap::CreateFromDIB(const BITMAPINFOHEADER* pHeader, const void* lpBits) {
    if (m_data || !wxTheApp || !pHeader || !lpBits)
        return FALSE;
    const int bits = pHeader->biBitCount;
    const int width = pHeader->biWidth, height = pHeader->biHeight;
    if ((bits != 1 && bits != 4 && bits != 8 && bits != 24) || width <= 0 || height <= 0 ||
        pHeader->biCompression != BI_RGB)
        return FALSE;
    const auto* table =
        reinterpret_cast<const RGBQUAD*>(reinterpret_cast<const BYTE*>(pHeader) + pHeader->biSize);
    const int colors =
        bits <= 8 ? (pHeader->biClrUsed ? static_cast<int>(pHeader->biClrUsed) : 1 << bits) : 0;
    const auto* rows = static_cast<const BYTE*>(lpBits);
    const size_t rowBytes = ((static_cast<size_t>(bits) * width + 31) / 32) * 4;
    wxImage image(width, height);
    for (int y = 0; y < height; ++y) {
        const BYTE* row = rows + (height - 1 - y) * rowBytes;
        for (int x = 0; x < width; ++x) {
            if (bits == 24) {
                image.SetRGB(x, y, row[3 * x + 2], row[3 * x + 1], row[3 * x]);
                continue;
            }
            int index = 0;
            if (bits == 8)
                index = row[x];
            else if (bits == 4)
                index = x % 2 == 0 ? row[x / 2] >> 4 : row[x / 2] & 0x0F;
            else
                index = (row[x / 8] >> (7 - x % 8)) & 1;
            if (index < colors)
                image.SetRGB(x, y, table[index].rgbRed, table[index].rgbGreen,
                             table[index].rgbBlue);
            else
                image.SetRGB(x, y, 0, 0, 0);
        }
    }
    m_data = std::make_unique<Data>();
    m_data->bitmap = wxBitmap(image, 24);
    return TRUE;
}

BOOL CBitmap::LoadBitmap(LPCTSTR lpszResourceName) {
    size_t size = 0;
    const BYTE* dib = FindBitmapResource(lpszResourceName, &size);
    if (!dib || size < sizeof(BITMAPINFOHEADER))
        return FALSE;
    const auto* header = reinterpret_cast<const BITMAPINFOHEADER*>(dib);
    const int colors =
        header->biBitCount <= 8
            ? (header->biClrUsed ? static_cast<int>(header->biClrUsed) : 1 << header->biBitCount)
            : 0;
    const size_t offset = header->biSize + 4 * static_cast<size_t>(colors);
    const size_t rowBytes =
        ((static_cast<size_t>(header->biBitCount) * std::max<LONG>(header->biWidth, 0) + 31) / 32) *
        4;
    if (offset + rowBytes * std::max<LONG>(header->biHeight, 0) > size)
        return FALSE;
    return CreateFromDIB(header, dib + offset);
}

BOOL CBitmap::LoadBitmap(UINT nIDResource) {
    return LoadBitmap(MAKEINTRESOURCE(nIDResource));
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
