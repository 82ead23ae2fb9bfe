#pragma once
// A bitmap that a memory device context draws into: compatible with the screen, or monochrome.

#include "platform/ui/CGdiObject.h"

#include <memory>

class CDC;

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
    int GetBitmap(BITMAP* pBitMap) const;
    BOOL DeleteObject() override;
    void* GetSafeHandle() const override;

    // The window system's bitmap behind it (defined inside the ui layer only).
    struct Data;
    Data* GetData() const { return m_data.get(); }

private:
    std::unique_ptr<Data> m_data;
};
