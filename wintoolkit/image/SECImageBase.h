#pragma once
// One picture as a device-independent bitmap: a BITMAPINFOHEADER with its colour table, the
// pixel rows (bottom-up, each padded to a multiple of 4 bytes between operations, colour
// samples in blue, green, red order) and a palette for palette displays. Reads and writes BMP
// itself and leaves other formats to derived classes (ReadImage, WriteImage).

#include "platform/core/CFile.h"
#include "platform/ui/BitmapInfo.h"
#include "platform/ui/CPalette.h"

class SECImageBase : public CObject {
    DECLARE_DYNAMIC(SECImageBase)
public:
    SECImageBase();
    ~SECImageBase() override;
    SECImageBase(const SECImageBase&) = delete;
    SECImageBase& operator=(const SECImageBase&) = delete;

    // Loading reads a BMP from the archive's file; storing writes one.
    void Serialize(CArchive& ar) override;

    // Opens the path for reading (with the image's own file object, or a new CFile, whose
    // exception passes to the caller when the path cannot be opened), loads it and closes it.
    virtual BOOL LoadFromPath(LPCTSTR lpszPath);
    virtual BOOL LoadFromFile(CFile* pFile);
    virtual BOOL SaveToPath(LPCTSTR lpszPath);
    virtual BOOL SaveToFile(CFile* pFile);
    virtual BOOL FreeHeader();
    // Palette, padded rows and a header for what was read.
    virtual BOOL PrepareDIB();
    virtual BOOL BeforeWrite();
    virtual BOOL AfterWrite();
    virtual BOOL WriteImage(CFile* pFile) = 0;
    virtual BOOL ReadImage(CFile* pFile) = 0;

    int GetWidth() const { return m_nWidth; }
    int GetHeight() const { return m_nHeight; }
    void PadRows();
    void UnpadRows();
    // Turns bottom-up rows into top-down ones and back (padding them first).
    void FlipRows();
    void MakePalette();
    // 2, 16 or 256 by the header's bit count; 0 for more bits.
    WORD GetColorCount() const;
    BOOL ReadBMP(CFile* pFile);

    // The display's bits per pixel and planes, read from the screen the first time an image is
    // made; setting them stands in for another display (0 reads the screen again).
    static void SetDisplayFormat(int nBitsPerPixel, int nPlanes);
    // The largest pixel block a picture may take; larger ones are refused when read.
    static constexpr uint64_t kMaxPixelBytes = 256u << 20;

    // Bytes of one row: packed, and padded to a multiple of 4 (0 when too large).
    static uint64_t PackedRowBytes(int nBitsPerPixel, int nWidth);
    static uint64_t PaddedRowBytes(int nBitsPerPixel, int nWidth);

    int m_nBitsPerPixel;
    int m_nSysBitsPerPixel;
    int m_nSysPlanes;
    BOOL m_bIsPadded;
    int m_nRowBytes;
    int m_nWidth;
    int m_nHeight;
    WORD m_wColors;
    WORD m_wSysColors;
    CPalette* m_pPalette;
    CFile* m_pFile;
    BYTE* m_lpSrcBits;
    size_t m_nSrcBytes;
    LPBITMAPINFOHEADER m_lpBMI;
    RGBQUAD* m_lpRGB;
    BOOL m_bNeedsConversion;
    int m_nBitPos;
    int m_nPixelCol;
    BOOL m_bMSBFirst;

protected:
    // Takes new blocks for the pixels and the header (with its colour table); the old ones
    // are freed.
    void SetPixelBlock(BYTE* lpBits, size_t nBytes);
    void SetHeaderBlock(LPBITMAPINFOHEADER lpHeader);
    // Makes `pFile` the image's file object; the image deletes only the ones it made itself.
    void UseFile(CFile* pFile, bool bOwned);
    BOOL WriteBMP(CFile* pFile);

private:
    bool m_bOwnsFile;
};
