// The value rules of the shell: packed preference flags, colour text, the "Size" text and
// directory names.

#include "shell/CVantrel3App.h"
#include "shell/HtmlColor.h"
#include "shell/QZDirectoryEdit.h"
#include "shell/WindowPlacementText.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

namespace {

TEST(OptionCodesTest, PackAndUnpackFollowTheBitTable) {
    CVantrel3App app;
    EXPECT_EQ(app.PackOptionCodes(), 115u) << "the defaults";
    app.UnpackOptionCodes(0);
    EXPECT_FALSE(g_bUseWizards || app.m_bWorkBookMode || g_bAlwaysPrompt || app.m_bConfirmDeletes ||
                 app.m_bConfirmSave);
    EXPECT_EQ(app.PackOptionCodes(), 0u);
    app.UnpackOptionCodes(0xFF04);
    EXPECT_TRUE(app.m_bVerboseMessages);
    EXPECT_EQ(app.m_dwOptionCodes, 0xFF04u) << "kept as read";
    EXPECT_EQ(app.PackOptionCodes(), 4u) << "bits above 7 are written as 0";
    app.UnpackOptionCodes(8 | 128);
    EXPECT_TRUE(app.m_bSpareOption && app.m_bHelpRemote);
    EXPECT_EQ(app.PackOptionCodes(), 136u);
    app.UnpackOptionCodes(115);
}

TEST(HtmlColorTest, ParsesSixDigitsWithAnOptionalHashAndNothingElse) {
    const struct {
        const char* text;
        BOOL valid;
        COLORREF color;
    } cases[] = {{"FF8000", TRUE, 0x000080FF},
                 {"ff8000", TRUE, 0x000080FF},
                 {"#FF8000", TRUE, 0x000080FF},
                 {"000000", TRUE, 0},
                 {"", FALSE, 0},
                 {"FF80", FALSE, 0},
                 {"GG0000", FALSE, 0},
                 {"#FF80001", FALSE, 0},
                 {"##FF8000", FALSE, 0}};
    for (const auto& c : cases) {
        COLORREF kept = 0x123456;
        EXPECT_EQ(TryParseHtmlColor(c.text, &kept), c.valid) << c.text;
        EXPECT_EQ(kept, c.valid ? c.color : 0x123456u) << c.text;
        EXPECT_EQ(ParseHtmlColor(c.text), c.color) << c.text;
    }
}

TEST(HtmlColorTest, FormatsTheThreeLowBytesRedFirst) {
    EXPECT_EQ(FormatHtmlColor(0x000080FF), "FF8000");
    EXPECT_EQ(FormatHtmlColor(0xFF000000), "000000");
    EXPECT_EQ(FormatHtmlColor(0x00ABCDEF), "EFCDAB");
}

TEST(WindowPlacementTextTest, ReadsOnlyAllEightNumbers) {
    WINDOWPLACEMENT placement;
    ASSERT_TRUE(ParseWindowPlacement("0,1,(-1,-1),(10,20,810,620)", &placement));
    EXPECT_EQ(placement.showCmd, 1u);
    EXPECT_EQ(placement.ptMinPosition.x, -1);
    EXPECT_EQ(placement.rcNormalPosition.right, 810);
    EXPECT_EQ(FormatWindowPlacement(placement), "0,1,(-1,-1),(10,20,810,620)");
    for (const char* bad : {"0,1,(-1,-1),(10,20,810)", "garbage", ""})
        EXPECT_FALSE(ParseWindowPlacement(bad, &placement)) << bad;
}

TEST(QZDirectoryEditTest, RefusesBlanksSlashesAndTheDotNames) {
    for (const char* good : {"site", "my-site_2", "a.b", "..."})
        EXPECT_TRUE(QZDirectoryEdit::IsValidDirectoryName(good)) << good;
    for (const char* bad : {"my site", "a/b", "a\\b", ".", "..", " "})
        EXPECT_FALSE(QZDirectoryEdit::IsValidDirectoryName(bad)) << bad;
    MessageBoxRecorder boxes;
    EXPECT_FALSE(QZDirectoryEdit::CheckDirectoryName("a b"));
    EXPECT_TRUE(QZDirectoryEdit::CheckDirectoryName("ab"));
    ASSERT_EQ(boxes.texts().size(), 1u);
    EXPECT_EQ(boxes.texts()[0], "Invalid directory name:  a b");
}

} // namespace
