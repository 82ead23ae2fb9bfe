#include "shell/QZImageSize.h"

#include "platform/core/CException.h"
#include "platform/core/CFile.h"
#include "wintoolkit/image/SECJpeg.h"

#include <cstring>

namespace {

constexpr UINT kHeaderBytes = 12;
// Up to the logical screen's height: signature, version, width and height.
constexpr UINT kGifSizeBytes = 10;

// A dot after the name's first character, and "jpg" after the last one.
BOOL HasJpgExtension(const CString& path) {
    const CString name = path.Mid(path.ReverseFind('/') + 1);
    const int dot = name.ReverseFind('.');
    return dot > 0 && name.Mid(dot + 1).CompareNoCase("jpg") == 0;
}

void ReadJpegSize(const CString& path, QZImageSize& size) {
    try {
        SECJpeg jpeg;
        if (jpeg.LoadFromPath(path)) {
            size.width = jpeg.GetWidth();
            size.height = jpeg.GetHeight();
        }
    } catch (CException* e) {
        // A damaged or unreadable picture keeps no size.
        e->Delete();
    }
}

} // namespace

QZImageSize MeasureImageFile(const CString& path) {
    QZImageSize size;
    CFile file;
    if (!file.Open(path, CFile::modeRead | CFile::typeBinary))
        return size;
    size.opened = TRUE;
    unsigned char header[kHeaderBytes] = {};
    UINT read = 0;
    try {
        size.fileSize = static_cast<LONG>(file.GetLength());
        read = file.Read(header, kHeaderBytes);
    } catch (CException* e) {
        e->Delete();
    }
    file.Close();
    const BOOL gif = read >= 3 && std::memcmp(header, "GIF", 3) == 0;
    if (gif && read >= kGifSizeBytes) {
        // Unsigned little-endian: the bytes are read as unsigned char.
        size.width = header[6] + 256 * header[7];
        size.height = header[8] + 256 * header[9];
        size.measured = TRUE;
    } else if (!gif && HasJpgExtension(path)) {
        ReadJpegSize(path, size);
        size.measured = TRUE;
    }
    return size;
}
