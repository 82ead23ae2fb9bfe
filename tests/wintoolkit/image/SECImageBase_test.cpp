#include "platform/core/CArchive.h"
#include "tests/wintoolkit/image/ImageFiles.h"
#include "wintoolkit/image/SECJpeg.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

class SECImageBaseTest : public ::testing::Test {
protected:
    void SetUp() override { SECImageBase::SetDisplayFormat(24, 1); }
    void TearDown() override { SECImageBase::SetDisplayFormat(0, 0); }
};

template <typename T> void Put(std::vector<BYTE>& bytes, size_t at, T value) {
    std::memcpy(bytes.data() + at, &value, sizeof value);
}

} // namespace

TEST_F(SECImageBaseTest, ReadsA24BitBmp) {
    SECJpeg image;
    MemoryFile file(ImageBytes("rgb5x3.bmp"));
    ASSERT_TRUE(image.ReadBMP(&file));
    EXPECT_EQ(image.GetWidth(), 5);
    EXPECT_EQ(image.GetHeight(), 3);
    EXPECT_EQ(image.m_nBitsPerPixel, 24);
    EXPECT_EQ(image.m_wColors, 0);
    EXPECT_TRUE(image.m_bIsPadded);
    EXPECT_EQ(image.m_nSrcBytes, 16u * 3);
    // The top row is the last in memory; pixel x of row y is blue 200, green 100y, red 50x.
    const BYTE* top = image.m_lpSrcBits + 2 * 16;
    EXPECT_EQ(top[3 * 4 + 0], 200);
    EXPECT_EQ(top[3 * 4 + 1], 0);
    EXPECT_EQ(top[3 * 4 + 2], 200);
    EXPECT_EQ(image.m_lpSrcBits[3 * 1 + 1], 200); // bottom row, y = 2
}

TEST_F(SECImageBaseTest, ReadsAPalettedBmpAndMakesItsPalette) {
    SECJpeg image;
    MemoryFile file(ImageBytes("pal3x2.bmp"));
    ASSERT_TRUE(image.ReadBMP(&file));
    EXPECT_EQ(image.m_nBitsPerPixel, 8);
    EXPECT_EQ(image.m_wColors, 256);
    EXPECT_EQ(image.GetColorCount(), 256);
    EXPECT_EQ(image.m_lpRGB[1].rgbRed, 255);
    EXPECT_EQ(image.m_lpRGB[3].rgbBlue, 255);
    EXPECT_EQ(image.m_lpRGB[4].rgbRed, 0); // beyond the file's 4 colours
    ASSERT_TRUE(image.PrepareDIB());
    ASSERT_NE(image.m_pPalette, nullptr);
    EXPECT_EQ(image.m_pPalette->GetEntryCount(), 256);
    EXPECT_EQ(image.m_pPalette->GetEntryColor(2), RGB(0, 255, 0));
    EXPECT_EQ(image.m_nRowBytes, 4);
}

TEST_F(SECImageBaseTest, BmpWrittenThroughAnArchiveReadsBack) {
    TempDir dir;
    SECJpeg image;
    MemoryFile source(ImageBytes("pal3x2.bmp"));
    ASSERT_TRUE(image.ReadBMP(&source));
    {
        CFile out(dir.file("copy.bmp").c_str(), CFile::modeCreate | CFile::modeWrite);
        CArchive ar(&out, CArchive::store);
        image.Serialize(ar);
        ar.Close();
    }
    SECJpeg back;
    CFile in(dir.file("copy.bmp").c_str(), CFile::modeRead);
    CArchive ar(&in, CArchive::load);
    back.Serialize(ar);
    EXPECT_EQ(back.GetWidth(), 3);
    EXPECT_EQ(back.GetHeight(), 2);
    ASSERT_NE(back.m_lpSrcBits, nullptr);
    EXPECT_EQ(std::vector<BYTE>(back.m_lpSrcBits, back.m_lpSrcBits + 8),
              std::vector<BYTE>(image.m_lpSrcBits, image.m_lpSrcBits + 8));
    EXPECT_EQ(back.m_lpRGB[2].rgbGreen, 255);
}

TEST_F(SECImageBaseTest, PaddingAndFlippingMoveRowsInPlace) {
    SECJpeg image;
    MemoryFile file(ImageBytes("rgb5x3.bmp"));
    ASSERT_TRUE(image.ReadBMP(&file));
    const std::vector<BYTE> stored(image.m_lpSrcBits, image.m_lpSrcBits + image.m_nSrcBytes);
    image.UnpadRows();
    EXPECT_FALSE(image.m_bIsPadded);
    EXPECT_EQ(image.m_lpSrcBits[15], stored[16]); // row 1 now starts at byte 15
    image.FlipRows();                             // pads first
    EXPECT_TRUE(image.m_bIsPadded);
    EXPECT_EQ(image.m_lpSrcBits[0], stored[32]);
    image.FlipRows();
    EXPECT_EQ(std::vector<BYTE>(image.m_lpSrcBits, image.m_lpSrcBits + image.m_nSrcBytes), stored);
}

TEST_F(SECImageBaseTest, HostileHeadersGiveFalse) {
    const std::vector<BYTE> good = ImageBytes("pal3x2.bmp");
    const std::vector<BYTE> good24 = ImageBytes("rgb5x3.bmp");
    struct Case {
        const char* what;
        bool paletted;
        std::function<void(std::vector<BYTE>&)> damage;
    } cases[] = {
        {"type", true, [](auto& b) { b[0] = 'X'; }},
        {"data offset past the end", true, [](auto& b) { Put<DWORD>(b, 10, 5000); }},
        {"data offset inside the headers", true, [](auto& b) { Put<DWORD>(b, 10, 20); }},
        {"header size too small", true, [](auto& b) { Put<DWORD>(b, 14, 12); }},
        {"header size past the offset", true, [](auto& b) { Put<DWORD>(b, 14, 200); }},
        {"width 0", true, [](auto& b) { Put<LONG>(b, 18, 0); }},
        {"negative width", true, [](auto& b) { Put<LONG>(b, 18, -3); }},
        {"height 0", true, [](auto& b) { Put<LONG>(b, 22, 0); }},
        {"negative height", true, [](auto& b) { Put<LONG>(b, 22, -2); }},
        {"planes", true, [](auto& b) { Put<WORD>(b, 26, 3); }},
        {"bit count 16", true, [](auto& b) { Put<WORD>(b, 28, 16); }},
        {"bit count 0", true, [](auto& b) { Put<WORD>(b, 28, 0); }},
        {"compressed", true, [](auto& b) { Put<DWORD>(b, 30, 1); }},
        {"more colours than the bits allow", true, [](auto& b) { Put<DWORD>(b, 46, 300); }},
        {"colour table past the offset", true, [](auto& b) { Put<DWORD>(b, 46, 200); }},
        {"pixels cut short", true, [](auto& b) { b.resize(b.size() - 1); }},
        {"rows wider than the file", true, [](auto& b) { Put<LONG>(b, 18, 64); }},
        {"huge picture", false,
         [](auto& b) {
             Put<LONG>(b, 18, 0x7FFFFFFF);
             Put<LONG>(b, 22, 0x7FFFFFFF);
         }},
        {"huge height", false, [](auto& b) { Put<LONG>(b, 22, 0x40000000); }},
        {"only the file header", true, [](auto& b) { b.resize(14); }},
    };
    for (const Case& c : cases) {
        std::vector<BYTE> bytes = c.paletted ? good : good24;
        c.damage(bytes);
        SECJpeg image;
        MemoryFile file(bytes);
        EXPECT_FALSE(image.ReadBMP(&file)) << c.what;
        EXPECT_EQ(image.m_lpSrcBits, nullptr) << c.what;
        EXPECT_EQ(image.GetWidth(), 0) << c.what;
    }
}
