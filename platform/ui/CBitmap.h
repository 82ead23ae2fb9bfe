#pragma once
// A bitmap that a memory device context draws into: compatible with the screen, or monochrome.

#include "platform/ui/CGdiObject.h"

#include <memory>

class CDC;
struct BITMAPINFOHEADER;

struct BITMAP {
    LONG bmType;
    LONG bmWidth;
    LONG bmHeight;
    LONG bmWidthBytes;
    WORD bmPlanes;
    WORD bmBitsPixel;
    LPVOID bmBits;
};

class CBitmap : public CGdiObject {
public:
    CBitmap();
    ~CBitmap() override;

    // A colour bitmap of the device's depth; FALSE without a window system or for an empty
    // size.
    BOOL CreateCompatibleBitmap(CDC* pDC, int nWidth, int nHeight);
    // A monochrome bitmap (nBitcount 1; rows of 1-bit pixels, most significant bit first,
    // each row a multiple of 16 bits; black when lpBits is null) or a colour one.
    BOOL CreateBitmap(int nWidth, int nHeight, UINT nPlanes, UINT nBitcount, const void* lpBits);
    // A colour bitmap from a device-independent one of 1, 4, 8 or 24 bits a pixel (rows
    // bottom-up, padded to 4 bytes, the colour table after the header); FALSE for any other.
    BOOL CreateFromDIB(const BITMAPINFOHEADER* pHeader, const void* lpBits);
    // The bitmap resource of that name or number (BitmapResources.h).
    BOOL LoadBitmap(LPCTSTR lpszResourceName);
    BOOL LoadBitmap(UINT nIDResource);
    int GetBitmap(BITMAP* pBitMap) const;
    BOOL DeleteObject() override;
    void* GetSafeHandle() const override;

    // The window system's bitmap behind it (defined inside the ui layer only).
    struct Data;
    Data* GetData() const { return m_data.get(); }

private:
    std::unique_ptr<Data> m_data;
};
