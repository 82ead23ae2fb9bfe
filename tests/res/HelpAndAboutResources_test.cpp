// The help strings, the dialogs of the About box, credits, legal notice, preview and help
// viewer, and the bitmaps the program draws for itself.

#include "platform/core/CString.h"
#include "platform/ui/BitmapInfo.h"
#include "platform/ui/BitmapResources.h"
#include "platform/ui/DialogTemplates.h"
#include "platform/ui/WinTypes.h"
#include "res/Resource.h"
#include "res/Resources.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

std::string Text(UINT id) {
    CString text;
    text.LoadString(id);
    return std::string(text);
}

// The width and height of a registered bitmap; 0 by 0 when there is none.
std::pair<LONG, LONG> BitmapSize(UINT id) {
    size_t size = 0;
    const BYTE* dib = FindBitmapResource(MAKEINTRESOURCE(id), &size);
    if (!dib || size < sizeof(BITMAPINFOHEADER))
        return {0, 0};
    BITMAPINFOHEADER header;
    std::memcpy(&header, dib, sizeof header);
    return {header.biWidth, header.biHeight};
}

} // namespace

TEST(HelpAndAboutResources, HelpPagesByHelpIdAndTheUpdateAddress) {
    RegisterResources();
    EXPECT_EQ(Text(15000), "\\index.html");
    EXPECT_EQ(Text(10877), "\\Quickstart\\QuickstartTOC.html");
    EXPECT_EQ(Text(10878), "\\Tutorial\\Outline.html");
    EXPECT_EQ(Text(10879), "\\Reference\\Index.html");
    EXPECT_EQ(Text(10906), std::string(kMakerSite) + "/CGI-BIN/MQ30i.exe?docid=3000:436");
    EXPECT_FALSE(Text(IDS_CREDITS_TEXT).empty());
}

TEST(HelpAndAboutResources, DialogsAreRegisteredWithTheControlsTheirClassesUse) {
    RegisterResources();
    for (UINT id : {100u, 126u, 215u, 1356u, 1379u})
        EXPECT_NE(DialogTemplates::Lookup(id), nullptr) << id;
    const DialogTemplate* about = DialogTemplates::Lookup(IDD_ABOUTBOX);
    ASSERT_NE(about, nullptr);
    std::string ids;
    for (int i = 0; i < about->itemCount; ++i)
        ids += std::to_string(about->items[i].id) + " ";
    EXPECT_EQ(ids, "228 1234 500 501 502 503 504 1366 12 1 ");
    EXPECT_NE(FindOwnDialogItem(IDD_ABOUTBOX, IDC_STATIC), nullptr) << "the picture";
    EXPECT_NE(FindOwnDialogItem(IDD_LEGAL, IDC_LEGAL_TEXT), nullptr);
    EXPECT_NE(FindOwnDialogItem(IDD_CREDITS, IDC_STATIC), nullptr) << "the canvas";
    EXPECT_EQ(FindOwnDialogItem(IDD_PREVIEW, IDC_STATIC), nullptr);
}

TEST(HelpAndAboutResources, BitmapsOfIconsPictureAndCreditFrames) {
    RegisterResources();
    EXPECT_EQ(BitmapSize(IDB_OBJECT_ICONS), std::make_pair(LONG{16 * 54}, LONG{16}));
    EXPECT_EQ(BitmapSize(IDB_ABOUT), std::make_pair(LONG{64}, LONG{64}));
    for (UINT id = 248; id <= 261; ++id) {
        if (IsCreditFrame(id)) {
            EXPECT_EQ(BitmapSize(id), BitmapSize(248)) << id;
        }
    }
    EXPECT_EQ(BitmapSize(262).first, 0);
}
