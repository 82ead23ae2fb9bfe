#include "wintoolkit/image/SECImageBase.h"

#include "platform/ui/CWindowDC.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <utility>
#include <vector>

namespace {

struct DisplayFormat {
    int bitsPerPixel = 0;
    int planes = 0;
};

DisplayFormat& display() {
    static DisplayFormat format;
    return format;
}

const DisplayFormat& ReadDisplayFormat() {
    DisplayFormat& format = display();
    if (format.bitsPerPixel == 0) {
        const CWindowDC screen(nullptr);
        format.bitsPerPixel = screen.GetDeviceCaps(BITSPIXEL);
        format.planes = screen.GetDeviceCaps(PLANES);
    }
    return format;
}

// Reads exactly `count` bytes; FALSE at the end of the file or on a read error.
bool ReadExact(CFile* file, void* buffer, size_t count) {
    try {
        return file->Read(buffer, static_cast<UINT>(count)) == count;
    } catch (CException* error) {
        error->Delete();
        return false;
    }
}

bool WriteAll(CFile* file, const void* buffer, size_t count) {
    try {
        file->Write(buffer, static_cast<UINT>(count));
        return true;
    } catch (CException* error) {
        error->Delete();
        return false;
    }
}

// A block from calloc that is freed unless released to a new owner.
class Block {
public:
    explicit Block(size_t size) : m_data(static_cast<BYTE*>(std::calloc(size ? size : 1, 1))) {}
    ~Block() { std::free(m_data); }
    Block(const Block&) = delete;
    Block& operator=(const Block&) = delete;

    BYTE* get() const { return m_data; }
    BYTE* release() { return std::exchange(m_data, nullptr); }

private:
    BYTE* m_data;
};

WORD ColorsForBits(int bits) {
    switch (bits) {
    case 1:
        return 2;
    case 4:
        return 16;
    case 8:
        return 256;
    default:
        return 0;
    }
}

} // namespace

IMPLEMENT_DYNAMIC(SECImageBase, CObject)

SECImageBase::SECImageBase()
    : m_nBitsPerPixel(0), m_nSysBitsPerPixel(0), m_nSysPlanes(0), m_bIsPadded(FALSE),
      m_nRowBytes(0), m_nWidth(0), m_nHeight(0), m_wColors(0), m_wSysColors(0), m_pPalette(nullptr),
      m_pFile(nullptr), m_lpSrcBits(nullptr), m_nSrcBytes(0), m_lpBMI(nullptr), m_lpRGB(nullptr),
      m_bNeedsConversion(FALSE), m_nBitPos(0), m_nPixelCol(0), m_bMSBFirst(FALSE),
      m_bOwnsFile(false) {
    const DisplayFormat& format = ReadDisplayFormat();
    m_nBitsPerPixel = format.bitsPerPixel;
    m_nSysBitsPerPixel = format.bitsPerPixel <= 8 ? format.bitsPerPixel : 0;
    m_nSysPlanes = format.planes;
    if (format.bitsPerPixel == 8)
        m_wSysColors = 256;
    else if (format.bitsPerPixel >= 1 && format.bitsPerPixel <= 4)
        m_wSysColors = 16;
}

SECImageBase::~SECImageBase() {
    SetPixelBlock(nullptr, 0);
    SetHeaderBlock(nullptr);
    delete m_pPalette;
    if (m_bOwnsFile)
        delete m_pFile;
}

void SECImageBase::SetDisplayFormat(int nBitsPerPixel, int nPlanes) {
    display() = {nBitsPerPixel, nPlanes};
}

uint64_t SECImageBase::PackedRowBytes(int nBitsPerPixel, int nWidth) {
    if (nBitsPerPixel <= 0 || nWidth <= 0)
        return 0;
    return (static_cast<uint64_t>(nBitsPerPixel) * static_cast<uint64_t>(nWidth) + 7) / 8;
}

uint64_t SECImageBase::PaddedRowBytes(int nBitsPerPixel, int nWidth) {
    return (PackedRowBytes(nBitsPerPixel, nWidth) + 3) & ~uint64_t{3};
}

void SECImageBase::SetPixelBlock(BYTE* lpBits, size_t nBytes) {
    std::free(m_lpSrcBits);
    m_lpSrcBits = lpBits;
    m_nSrcBytes = lpBits ? nBytes : 0;
}

void SECImageBase::SetHeaderBlock(LPBITMAPINFOHEADER lpHeader) {
    std::free(m_lpBMI);
    m_lpBMI = lpHeader;
    m_lpRGB = lpHeader ? reinterpret_cast<RGBQUAD*>(lpHeader + 1) : nullptr;
}

void SECImageBase::UseFile(CFile* pFile, bool bOwned) {
    if (pFile == m_pFile) {
        m_bOwnsFile = m_bOwnsFile || bOwned;
        return;
    }
    if (m_bOwnsFile)
        delete m_pFile;
    m_pFile = pFile;
    m_bOwnsFile = bOwned;
}

void SECImageBase::Serialize(CArchive& ar) {
    ar.Flush();
    if (ar.IsStoring())
        WriteBMP(ar.GetFile());
    else
        ReadBMP(ar.GetFile());
}

BOOL SECImageBase::LoadFromPath(LPCTSTR lpszPath) {
    if (m_pFile) {
        if (!m_pFile->Open(lpszPath, CFile::modeRead))
            return FALSE;
    } else {
        UseFile(new CFile(lpszPath, CFile::modeRead), true);
    }
    const BOOL loaded = LoadFromFile(m_pFile);
    m_pFile->Abort();
    return loaded;
}

BOOL SECImageBase::LoadFromFile(CFile* pFile) {
    UseFile(pFile, false);
    FreeHeader();
    return ReadImage(pFile) && PrepareDIB();
}

BOOL SECImageBase::SaveToPath(LPCTSTR lpszPath) {
    const UINT mode = CFile::modeCreate | CFile::modeWrite;
    if (m_pFile) {
        if (!m_pFile->Open(lpszPath, mode))
            return FALSE;
    } else {
        UseFile(new CFile(lpszPath, mode), true);
    }
    BOOL saved = SaveToFile(m_pFile);
    try {
        m_pFile->Close();
    } catch (CException* error) {
        error->Delete();
        saved = FALSE;
    }
    return saved;
}

BOOL SECImageBase::SaveToFile(CFile* pFile) {
    UseFile(pFile, false);
    return BeforeWrite() && WriteImage(pFile) && AfterWrite();
}

BOOL SECImageBase::FreeHeader() {
    SetHeaderBlock(nullptr);
    return TRUE;
}

BOOL SECImageBase::PrepareDIB() {
    MakePalette();
    m_nRowBytes = (m_nWidth + 3) & ~3;
    PadRows();
    m_bNeedsConversion = m_nBitsPerPixel != m_nSysBitsPerPixel;
    if (m_lpBMI)
        return TRUE;
    auto* header =
        static_cast<LPBITMAPINFOHEADER>(std::calloc(1, sizeof(BITMAPINFOHEADER) + 4 * m_wColors));
    if (!header)
        return FALSE;
    header->biSize = sizeof(BITMAPINFOHEADER);
    header->biWidth = m_nWidth;
    header->biHeight = m_nHeight;
    header->biPlanes = static_cast<WORD>(m_nSysPlanes);
    header->biBitCount = static_cast<WORD>(m_nBitsPerPixel);
    header->biCompression = BI_RGB;
    header->biSizeImage = static_cast<DWORD>(m_nRowBytes) * static_cast<DWORD>(m_nHeight);
    SetHeaderBlock(header);
    return TRUE;
}

BOOL SECImageBase::BeforeWrite() {
    return TRUE;
}

BOOL SECImageBase::AfterWrite() {
    return TRUE;
}

void SECImageBase::PadRows() {
    const uint64_t packed = PackedRowBytes(m_nBitsPerPixel, m_nWidth);
    const uint64_t padded = PaddedRowBytes(m_nBitsPerPixel, m_nWidth);
    if (padded == packed)
        m_bIsPadded = TRUE; // the packed rows are already in the padded layout
    if (m_bIsPadded || !m_lpSrcBits || padded * m_nHeight > m_nSrcBytes)
        return;
    // From the last row down: each row moves to a place at or after its own.
    std::vector<BYTE> scratch(packed);
    for (int row = m_nHeight - 1; row >= 1; --row) {
        std::memcpy(scratch.data(), m_lpSrcBits + row * packed, packed);
        std::memcpy(m_lpSrcBits + row * padded, scratch.data(), packed);
        std::memset(m_lpSrcBits + row * padded + packed, 0, padded - packed);
    }
    if (m_nHeight > 0)
        std::memset(m_lpSrcBits + packed, 0, padded - packed);
    m_bIsPadded = TRUE;
}

void SECImageBase::UnpadRows() {
    const uint64_t packed = PackedRowBytes(m_nBitsPerPixel, m_nWidth);
    const uint64_t padded = PaddedRowBytes(m_nBitsPerPixel, m_nWidth);
    if (padded == packed)
        m_bIsPadded = FALSE;
    if (!m_bIsPadded || !m_lpSrcBits)
        return;
    std::vector<BYTE> scratch(packed);
    for (int row = 1; row < m_nHeight; ++row) {
        std::memcpy(scratch.data(), m_lpSrcBits + row * padded, packed);
        std::memcpy(m_lpSrcBits + row * packed, scratch.data(), packed);
    }
    m_bIsPadded = FALSE;
}

void SECImageBase::FlipRows() {
    if (!m_bIsPadded)
        PadRows();
    const uint64_t padded = PaddedRowBytes(m_nBitsPerPixel, m_nWidth);
    if (!m_lpSrcBits || padded * m_nHeight > m_nSrcBytes)
        return;
    std::vector<BYTE> scratch(padded);
    for (int top = 0, bottom = m_nHeight - 1; top < bottom; ++top, --bottom) {
        BYTE* upper = m_lpSrcBits + top * padded;
        BYTE* lower = m_lpSrcBits + bottom * padded;
        std::memcpy(scratch.data(), upper, padded);
        std::memcpy(upper, lower, padded);
        std::memcpy(lower, scratch.data(), padded);
    }
}

void SECImageBase::MakePalette() {
    if (m_nBitsPerPixel == 24 || !m_lpBMI)
        return;
    const WORD colors = GetColorCount();
    const int entries = static_cast<int>(std::max<DWORD>(m_lpBMI->biClrUsed, colors));
    if (entries <= 0 || entries > 256)
        return;
    std::vector<BYTE> block(sizeof(LOGPALETTE) + entries * sizeof(PALETTEENTRY), 0);
    auto* logical = reinterpret_cast<LOGPALETTE*>(block.data());
    logical->palVersion = 0x300;
    logical->palNumEntries = static_cast<WORD>(entries);
    for (int i = 0; i < entries && i < m_wColors; ++i) {
        logical->palPalEntry[i].peRed = m_lpRGB[i].rgbRed;
        logical->palPalEntry[i].peGreen = m_lpRGB[i].rgbGreen;
        logical->palPalEntry[i].peBlue = m_lpRGB[i].rgbBlue;
    }
    delete m_pPalette;
    m_pPalette = new CPalette;
    m_pPalette->CreatePalette(logical);
}

WORD SECImageBase::GetColorCount() const {
    return m_lpBMI ? ColorsForBits(m_lpBMI->biBitCount) : 0;
}

// Every field of the headers is checked against what the file holds before anything is
// allocated for the pixels, so a damaged or hostile file gives FALSE.
BOOL SECImageBase::ReadBMP(CFile* pFile) {
    if (!pFile)
        return FALSE;
    uint64_t remaining = 0;
    try {
        remaining = pFile->GetLength() - std::min(pFile->GetPosition(), pFile->GetLength());
    } catch (CException* error) {
        error->Delete();
        return FALSE;
    }
    BITMAPFILEHEADER fileHeader{};
    if (!ReadExact(pFile, &fileHeader, sizeof fileHeader) || fileHeader.bfType != DIB_HEADER_MARKER)
        return FALSE;
    const uint64_t offset = fileHeader.bfOffBits;
    if (offset < sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER) || offset > remaining)
        return FALSE;
    const size_t infoBytes = static_cast<size_t>(offset - sizeof(BITMAPFILEHEADER));
    std::vector<BYTE> info(infoBytes);
    if (!ReadExact(pFile, info.data(), infoBytes))
        return FALSE;
    BITMAPINFOHEADER header{};
    std::memcpy(&header, info.data(), sizeof header);
    const WORD colors = ColorsForBits(header.biBitCount);
    const bool knownBits = colors != 0 || header.biBitCount == 24;
    if (header.biSize < sizeof header || header.biSize > infoBytes || header.biWidth <= 0 ||
        header.biHeight <= 0 || header.biPlanes != 1 || !knownBits ||
        header.biCompression != BI_RGB || (colors && header.biClrUsed > colors))
        return FALSE;
    const uint64_t tableEntries = colors ? (header.biClrUsed ? header.biClrUsed : colors) : 0;
    if (header.biSize + 4 * tableEntries > infoBytes)
        return FALSE;
    const uint64_t pixelBytes =
        PaddedRowBytes(header.biBitCount, header.biWidth) * static_cast<uint64_t>(header.biHeight);
    if (pixelBytes > kMaxPixelBytes || pixelBytes > remaining - offset)
        return FALSE;

    Block headerBlock(sizeof header + 4 * colors);
    Block pixels(pixelBytes);
    if (!headerBlock.get() || !pixels.get() || !ReadExact(pFile, pixels.get(), pixelBytes))
        return FALSE;
    // The colour table follows the file's own header, whatever its size; ours is 40 bytes.
    std::memcpy(headerBlock.get() + sizeof header, info.data() + header.biSize, 4 * tableEntries);
    header.biSize = sizeof header;
    if (!colors)
        header.biClrUsed = 0;
    std::memcpy(headerBlock.get(), &header, sizeof header);
    SetHeaderBlock(reinterpret_cast<LPBITMAPINFOHEADER>(headerBlock.release()));
    SetPixelBlock(pixels.release(), pixelBytes);
    m_bIsPadded = TRUE;
    m_nWidth = header.biWidth;
    m_nHeight = header.biHeight;
    m_nBitsPerPixel = header.biBitCount;
    m_wColors = colors;
    return TRUE;
}

BOOL SECImageBase::WriteBMP(CFile* pFile) {
    if (!pFile || !m_lpBMI || !m_lpSrcBits)
        return FALSE;
    PadRows();
    const uint64_t padded = PaddedRowBytes(m_nBitsPerPixel, m_nWidth);
    const uint64_t pixelBytes = padded * static_cast<uint64_t>(m_nHeight);
    const DWORD tableBytes = 4u * m_wColors;
    BITMAPFILEHEADER fileHeader{};
    fileHeader.bfType = DIB_HEADER_MARKER;
    fileHeader.bfOffBits = m_lpBMI->biSize + tableBytes + sizeof fileHeader;
    fileHeader.bfSize = static_cast<DWORD>(fileHeader.bfOffBits + pixelBytes);
    BITMAPINFOHEADER header = *m_lpBMI;
    header.biSizeImage = 0;
    return WriteAll(pFile, &fileHeader, sizeof fileHeader) &&
           WriteAll(pFile, &header, sizeof header) && WriteAll(pFile, m_lpRGB, tableBytes) &&
           WriteAll(pFile, m_lpSrcBits, std::min<uint64_t>(pixelBytes, m_nSrcBytes));
}
