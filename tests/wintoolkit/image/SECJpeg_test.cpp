#include "tests/wintoolkit/image/ImageFiles.h"
#include "wintoolkit/image/SECJpeg.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>

namespace {

// Reads on a display of the given depth (24 unless a test says otherwise).
class SECJpegTest : public ::testing::Test {
protected:
    void SetUp() override { SECImageBase::SetDisplayFormat(24, 1); }
    void TearDown() override { SECImageBase::SetDisplayFormat(0, 0); }

    // The blue, green and red bytes of the pixel (x, y), y counted from the top.
    static std::array<int, 3> Pixel(const SECImageBase& image, int x, int y) {
        const uint64_t row = SECImageBase::PaddedRowBytes(image.m_nBitsPerPixel, image.m_nWidth);
        const BYTE* p = image.m_lpSrcBits + (image.m_nHeight - 1 - y) * row + 3 * x;
        return {p[0], p[1], p[2]};
    }
    static void ExpectNear(std::array<int, 3> actual, std::array<int, 3> expected,
                           const char* what) {
        for (int i = 0; i < 3; ++i)
            EXPECT_NEAR(actual[i], expected[i], 12) << what << " sample " << i;
    }
};

} // namespace

TEST_F(SECJpegTest, ColourAndProgressiveFilesGiveBlueGreenRedRowsBottomUp) {
    for (const char* name : {"colour.jpg", "progressive.jpg"}) {
        SECJpeg image;
        ASSERT_TRUE(image.LoadFromPath(ImagePath(name).c_str())) << name;
        EXPECT_EQ(image.GetWidth(), 16);
        EXPECT_EQ(image.GetHeight(), 16);
        EXPECT_EQ(image.m_nBitsPerPixel, 24);
        EXPECT_TRUE(image.m_bIsPadded);
        ASSERT_NE(image.m_lpBMI, nullptr);
        EXPECT_EQ(image.m_lpBMI->biBitCount, 24);
        EXPECT_EQ(image.m_lpBMI->biWidth, 16);
        ExpectNear(Pixel(image, 2, 2), {0, 0, 255}, "red, top left");
        ExpectNear(Pixel(image, 13, 2), {0, 255, 0}, "green, top right");
        ExpectNear(Pixel(image, 2, 13), {255, 0, 0}, "blue, bottom left");
        ExpectNear(Pixel(image, 13, 13), {255, 255, 255}, "white, bottom right");
    }
}

TEST_F(SECJpegTest, GreySamplesAreWrittenThreeTimes) {
    SECJpeg image;
    ASSERT_TRUE(image.LoadFromPath(ImagePath("grey.jpg").c_str()));
    EXPECT_EQ(image.m_nBitsPerPixel, 24);
    const auto top = Pixel(image, 1, 0);
    EXPECT_EQ(top[0], top[1]);
    EXPECT_EQ(top[1], top[2]);
    EXPECT_NEAR(top[0], 200, 8);
    EXPECT_NEAR(Pixel(image, 6, 5)[2], 50, 8);
}

TEST_F(SECJpegTest, AFivePixelRowTakesSixteenBytes) {
    SECJpeg image;
    ASSERT_TRUE(image.LoadFromPath(ImagePath("five.jpg").c_str()));
    EXPECT_EQ(image.GetWidth(), 5);
    EXPECT_EQ(image.m_nSrcBytes, 16u * 4);
    for (int row = 0; row < 4; ++row) {
        EXPECT_EQ(image.m_lpSrcBits[row * 16 + 15], 0) << "filler of row " << row;
        ExpectNear(Pixel(image, 4, row), {0, 128, 255}, "orange");
    }
}

TEST_F(SECJpegTest, AFileCutShortDecodesToItsEnd) {
    SECJpeg image;
    EXPECT_TRUE(image.LoadFromPath(ImagePath("truncated.jpg").c_str()));
    EXPECT_EQ(image.GetWidth(), 48);
    EXPECT_EQ(image.GetHeight(), 48);
}

TEST_F(SECJpegTest, WhatIsNotAJpegGivesFalseAndNoSize) {
    SECJpeg junk;
    EXPECT_FALSE(junk.LoadFromPath(ImagePath("junk.jpg").c_str()));
    EXPECT_EQ(junk.GetWidth(), 0);
    EXPECT_EQ(junk.GetHeight(), 0);
    SECJpeg empty;
    MemoryFile nothing({});
    EXPECT_FALSE(empty.LoadFromFile(&nothing));
    EXPECT_EQ(empty.GetWidth(), 0);
    SECJpeg bmp;
    EXPECT_FALSE(bmp.LoadFromPath(ImagePath("rgb5x3.bmp").c_str()));
}

TEST_F(SECJpegTest, APathThatCannotBeOpened) {
    SECJpeg fresh;
    // Without a file object of its own, the new file's exception reaches the caller.
    bool thrown = false;
    try {
        fresh.LoadFromPath("/nonexistent/picture.jpg");
    } catch (CFileException* error) {
        thrown = true;
        error->Delete();
    }
    EXPECT_TRUE(thrown);
    SECJpeg used;
    ASSERT_TRUE(used.LoadFromPath(ImagePath("five.jpg").c_str()));
    EXPECT_FALSE(used.LoadFromPath("/nonexistent/picture.jpg"));
}

TEST_F(SECJpegTest, HugeDimensionsAreRefused) {
    std::vector<BYTE> bytes = ImageBytes("colour.jpg");
    bool patched = false;
    for (size_t i = 0; i + 9 < bytes.size(); ++i) {
        if (bytes[i] == 0xFF && bytes[i + 1] == 0xC0) { // start of frame: height, width
            bytes[i + 5] = bytes[i + 7] = 0xFD;
            bytes[i + 6] = bytes[i + 8] = 0xE8;
            patched = true;
            break;
        }
    }
    ASSERT_TRUE(patched);
    SECJpeg image;
    MemoryFile file(bytes);
    EXPECT_FALSE(image.LoadFromFile(&file));
    EXPECT_EQ(image.m_lpSrcBits, nullptr);
}

TEST_F(SECJpegTest, WrittenPicturesReadBackAlike) {
    TempDir dir;
    SECJpeg image;
    ASSERT_TRUE(image.LoadFromPath(ImagePath("colour.jpg").c_str()));
    const std::vector<BYTE> before(image.m_lpSrcBits, image.m_lpSrcBits + image.m_nSrcBytes);
    ASSERT_TRUE(image.SaveToPath(dir.file("out.jpg").c_str()));
    // The stored layout (bottom-up, padded) is back after the write.
    EXPECT_EQ(std::vector<BYTE>(image.m_lpSrcBits, image.m_lpSrcBits + image.m_nSrcBytes), before);

    SECJpeg back;
    ASSERT_TRUE(back.LoadFromPath(dir.file("out.jpg").c_str()));
    EXPECT_EQ(back.GetWidth(), 16);
    EXPECT_EQ(back.GetHeight(), 16);
    ExpectNear(Pixel(back, 2, 2), {0, 0, 255}, "red");
    ExpectNear(Pixel(back, 2, 13), {255, 0, 0}, "blue");
}

TEST_F(SECJpegTest, OnAnEightBitDisplayColourIsMappedToATable) {
    SECImageBase::SetDisplayFormat(8, 1);
    SECJpeg image;
    EXPECT_TRUE(image.m_bQuantize);
    ASSERT_TRUE(image.LoadFromPath(ImagePath("colour.jpg").c_str()));
    EXPECT_EQ(image.m_nBitsPerPixel, 8);
    EXPECT_EQ(image.m_wColors, 256);
    EXPECT_EQ(image.m_lpBMI->biBitCount, 8);
    EXPECT_EQ(image.m_nSrcBytes, 16u * 16);
    ASSERT_NE(image.m_pPalette, nullptr);
    EXPECT_EQ(image.m_pPalette->GetEntryCount(), 256);
    auto colourAt = [&](int x, int y) {
        const RGBQUAD& entry = image.m_lpRGB[image.m_lpSrcBits[(15 - y) * 16 + x]];
        return std::array<int, 3>{entry.rgbBlue, entry.rgbGreen, entry.rgbRed};
    };
    ExpectNear(colourAt(2, 2), {0, 0, 255}, "red");
    ExpectNear(colourAt(13, 2), {0, 255, 0}, "green");
    ExpectNear(colourAt(2, 13), {255, 0, 0}, "blue");

    // An 8-bit picture is written through its colour table.
    TempDir dir;
    ASSERT_TRUE(image.SaveToPath(dir.file("eight.jpg").c_str()));
    SECImageBase::SetDisplayFormat(24, 1);
    SECJpeg back;
    ASSERT_TRUE(back.LoadFromPath(dir.file("eight.jpg").c_str()));
    ExpectNear(Pixel(back, 2, 13), {255, 0, 0}, "blue");
}

TEST_F(SECJpegTest, OnAnEightBitDisplayGreyUsesAGreyTable) {
    SECImageBase::SetDisplayFormat(8, 1);
    SECJpeg image;
    ASSERT_TRUE(image.LoadFromPath(ImagePath("grey.jpg").c_str()));
    EXPECT_EQ(image.m_nBitsPerPixel, 8);
    const RGBQUAD& top = image.m_lpRGB[image.m_lpSrcBits[5 * 8 + 1]];
    EXPECT_EQ(top.rgbRed, top.rgbBlue);
    EXPECT_NEAR(top.rgbGreen, 200, 8);
}

TEST_F(SECJpegTest, CreatableByName) {
    CObject* object = CRuntimeClass::CreateObject("SECJpeg");
    ASSERT_NE(object, nullptr);
    EXPECT_TRUE(object->IsKindOf(RUNTIME_CLASS(SECImageBase)));
    EXPECT_EQ(RUNTIME_CLASS(SECJpeg)->m_wSchema, 1u);
    delete object;
}
