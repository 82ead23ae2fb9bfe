#include "wintoolkit/image/SECJpeg.h"

#include "wintoolkit/image/JpegManagers.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace {

// What a decode needs and gives, in plain data only: the decoding function jumps back over no
// C++ object when the library fails.
struct DecodeJob {
    CFile* file;
    bool quantize;
    WORD displayColors;
    bool headerKnown;
    int width;
    int height;
    int bitsPerPixel;
    WORD colors;
    LPBITMAPINFOHEADER header;
    BYTE* pixels;
    size_t pixelBytes;
};

struct EncodeJob {
    CFile* file;
    int width;
    int height;
    int bitsPerPixel;
    const BYTE* rows; // top-down, packed
    const RGBQUAD* colorTable;
    bool msbFirst;
    BYTE* scratch; // 3 × width bytes
};

// Writes the decoded scan line `line` of `job` into its packed place in the pixel block,
// in blue, green, red order.
void StoreLine(DecodeJob& job, const JSAMPLE* line, int components, JDIMENSION row) {
    const auto width = static_cast<size_t>(job.width);
    if (job.bitsPerPixel == 8) {
        std::memcpy(job.pixels + row * width, line, width);
        return;
    }
    BYTE* out = job.pixels + row * width * 3;
    if (components == 1) {
        for (size_t x = 0; x < width; ++x)
            out[3 * x] = out[3 * x + 1] = out[3 * x + 2] = line[x];
    } else {
        std::memcpy(out, line, width * 3); // decoded straight into blue, green, red
    }
}

// Fills the colour table from the quantizer's colour map (its components are in the output's
// blue, green, red order, or one grey map).
void StoreColorMap(DecodeJob& job, const jpeg_decompress_struct& codec) {
    auto* table = reinterpret_cast<RGBQUAD*>(job.header + 1);
    for (int i = 0; i < codec.actual_number_of_colors && i < job.colors; ++i) {
        const bool grey = codec.out_color_components == 1;
        table[i].rgbBlue = codec.colormap[0][i];
        table[i].rgbGreen = codec.colormap[grey ? 0 : 1][i];
        table[i].rgbRed = codec.colormap[grey ? 0 : 2][i];
    }
}

// Allocates the header and pixel blocks for the job's size; false for a picture too large to
// hold (sizes are reckoned in 64 bits) or when memory cannot be had.
bool AllocateBlocks(DecodeJob& job) {
    job.bitsPerPixel = job.quantize ? 8 : 24;
    job.colors = job.displayColors >= 1 && job.displayColors < 256 ? 256 : job.displayColors;
    const uint64_t rowBytes = SECImageBase::PaddedRowBytes(job.bitsPerPixel, job.width);
    const uint64_t pixelBytes = rowBytes * static_cast<uint64_t>(job.height);
    if (pixelBytes == 0 || pixelBytes > SECImageBase::kMaxPixelBytes)
        return false;
    job.header = static_cast<LPBITMAPINFOHEADER>(
        std::calloc(1, sizeof(BITMAPINFOHEADER) + 4 * size_t{job.colors}));
    job.pixels = static_cast<BYTE*>(std::calloc(pixelBytes, 1));
    if (!job.header || !job.pixels)
        return false;
    job.pixelBytes = pixelBytes;
    job.header->biSize = sizeof(BITMAPINFOHEADER);
    job.header->biWidth = job.width;
    job.header->biHeight = job.height;
    job.header->biPlanes = 1;
    job.header->biBitCount = static_cast<WORD>(job.bitsPerPixel);
    return true;
}

// Decodes the whole picture into the job's blocks, rows top-down and packed. Holds nothing
// that needs destroying: a fatal library error destroys the codec and jumps back here.
bool Decode(DecodeJob& job) {
    jpeg_decompress_struct codec;
    JpegErrorManager errors;
    JpegUseErrorManager(reinterpret_cast<j_common_ptr>(&codec), &errors);
    if (setjmp(errors.jump))
        return false;
    jpeg_create_decompress(&codec);
    JpegUseFileSource(&codec, job.file);
    jpeg_read_header(&codec, TRUE);
    job.width = static_cast<int>(codec.image_width);
    job.height = static_cast<int>(codec.image_height);
    job.headerKnown = true;
    // Grey pictures stay grey; colour ones decode straight into blue, green, red. Four-colour
    // (printing) pictures are not read.
    if (codec.num_components == 3)
        codec.out_color_space = JCS_EXT_BGR;
    if ((codec.num_components != 1 && codec.num_components != 3) || !AllocateBlocks(job)) {
        jpeg_destroy_decompress(&codec);
        return false;
    }
    if (job.quantize) {
        codec.quantize_colors = TRUE;
        codec.desired_number_of_colors = 256;
    }
    jpeg_start_decompress(&codec);
    const int components = codec.output_components;
    JSAMPARRAY line = (*codec.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&codec),
                                                 JPOOL_IMAGE, codec.output_width * components, 1);
    while (codec.output_scanline < codec.output_height) {
        const JDIMENSION row = codec.output_scanline;
        jpeg_read_scanlines(&codec, line, 1);
        StoreLine(job, line[0], components, row);
    }
    if (codec.quantize_colors)
        StoreColorMap(job, codec);
    jpeg_finish_decompress(&codec);
    jpeg_destroy_decompress(&codec);
    return true;
}

// Expands one stored row (of any bit depth) into blue, green, red samples.
void ExpandRow(EncodeJob& job, const BYTE* row) {
    BYTE* out = job.scratch;
    for (int x = 0; x < job.width; ++x, out += 3) {
        if (job.bitsPerPixel == 24) {
            std::memcpy(out, row + 3 * x, 3);
            continue;
        }
        int index = 0;
        if (job.bitsPerPixel == 8) {
            index = row[x];
        } else if (job.bitsPerPixel == 4) {
            index = (x % 2 == 0) ? row[x / 2] >> 4 : row[x / 2] & 0x0F;
        } else {
            const int bit = job.msbFirst ? 7 - x % 8 : x % 8;
            index = (row[x / 8] >> bit) & 1;
        }
        out[0] = job.colorTable[index].rgbBlue;
        out[1] = job.colorTable[index].rgbGreen;
        out[2] = job.colorTable[index].rgbRed;
    }
}

bool Encode(EncodeJob& job) {
    jpeg_compress_struct codec;
    JpegErrorManager errors;
    JpegUseErrorManager(reinterpret_cast<j_common_ptr>(&codec), &errors);
    if (setjmp(errors.jump))
        return false;
    jpeg_create_compress(&codec);
    JpegUseFileDestination(&codec, job.file);
    codec.image_width = static_cast<JDIMENSION>(job.width);
    codec.image_height = static_cast<JDIMENSION>(job.height);
    codec.input_components = 3;
    codec.in_color_space = JCS_EXT_BGR; // the library's RGB, red at offset 2
    jpeg_set_defaults(&codec);
    jpeg_start_compress(&codec, TRUE);
    const uint64_t rowBytes = SECImageBase::PackedRowBytes(job.bitsPerPixel, job.width);
    JSAMPROW line[1] = {job.scratch};
    while (codec.next_scanline < codec.image_height) {
        ExpandRow(job, job.rows + codec.next_scanline * rowBytes);
        jpeg_write_scanlines(&codec, line, 1);
    }
    jpeg_finish_compress(&codec);
    jpeg_destroy_compress(&codec);
    return true;
}

} // namespace

IMPLEMENT_SERIAL(SECJpeg, SECImageBase, 1)

SECJpeg::SECJpeg() : m_bQuantize(m_wSysColors != 0) {}

BOOL SECJpeg::ReadImage(CFile* pFile) {
    if (!pFile)
        return FALSE;
    DecodeJob job{};
    job.file = pFile;
    job.quantize = m_bQuantize != FALSE;
    job.displayColors = m_wSysColors;
    const bool decoded = Decode(job);
    if (job.headerKnown) {
        m_nWidth = job.width;
        m_nHeight = job.height;
    }
    if (!decoded) {
        std::free(job.header);
        std::free(job.pixels);
        return FALSE;
    }
    SetHeaderBlock(job.header);
    SetPixelBlock(job.pixels, job.pixelBytes);
    m_nBitsPerPixel = job.bitsPerPixel;
    m_wColors = job.colors;
    m_bIsPadded = FALSE;
    FlipRows();
    PadRows();
    return TRUE;
}

BOOL SECJpeg::WriteImage(CFile* pFile) {
    const bool writable =
        m_nBitsPerPixel == 24 ||
        (m_lpRGB && (m_nBitsPerPixel == 1 || m_nBitsPerPixel == 4 || m_nBitsPerPixel == 8));
    const uint64_t needed =
        PaddedRowBytes(m_nBitsPerPixel, m_nWidth) * static_cast<uint64_t>(std::max(m_nHeight, 0));
    if (!pFile || !m_lpSrcBits || m_nWidth <= 0 || m_nHeight <= 0 || !writable ||
        needed > m_nSrcBytes)
        return FALSE;
    FlipRows();
    UnpadRows();
    m_nBitPos = 0;
    m_nPixelCol = 0;
    EncodeJob job{};
    job.file = pFile;
    job.width = m_nWidth;
    job.height = m_nHeight;
    job.bitsPerPixel = m_nBitsPerPixel;
    job.rows = m_lpSrcBits;
    job.colorTable = m_lpRGB;
    job.msbFirst = m_bMSBFirst != FALSE;
    job.scratch = static_cast<BYTE*>(std::calloc(3 * static_cast<size_t>(m_nWidth), 1));
    const bool encoded = job.scratch && Encode(job);
    std::free(job.scratch);
    PadRows();
    FlipRows();
    return encoded;
}
