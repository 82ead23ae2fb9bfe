#include "platform/core/CString.h"
#include "platform/ui/DialogTemplates.h"
#include "platform/ui/WindowStyles.h"
#include "res/Resource.h"
#include "res/Resources.h"

#include <gtest/gtest.h>

#include <array>
#include <utility>

TEST(Resources, RegisteringMakesStringsAndDialogsKnown) {
    RegisterResources();
    CString caption;
    ASSERT_TRUE(caption.LoadString(IDS_PROGRESS_CAPTION));
    EXPECT_EQ(caption, "Please Wait:  Converting Database...");
    EXPECT_EQ(DialogTemplates::Lookup(IDD_PROGRESS), FindDialogTemplate(IDD_PROGRESS));
    EXPECT_EQ(FindDialogTemplate(9999), nullptr);
    // The look-up by number finds what registering made known, table by table.
    for (UINT id : {IDD_PROGRESS, IDD_GENERATE, IDD_PUBLISH, IDD_PAGE_STATUS_FORM, IDD_IMAGE_PROPS}) {
        EXPECT_NE(FindDialogTemplate(id), nullptr) << id;
        EXPECT_EQ(DialogTemplates::Lookup(id), FindDialogTemplate(id)) << id;
    }
}

TEST(Resources, ProgressDialogHasItsFrameAndTwoControls) {
    const DialogTemplate* dialog = FindDialogTemplate(IDD_PROGRESS);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->id, 110u);
    EXPECT_TRUE(dialog->style & WS_POPUP);
    EXPECT_TRUE(dialog->style & WS_VISIBLE);
    EXPECT_EQ(dialog->style & WS_CAPTION, WS_CAPTION);
    EXPECT_TRUE(dialog->style & DS_MODALFRAME);
    EXPECT_FALSE(dialog->style & WS_SYSMENU);
    EXPECT_STREQ(dialog->caption, "");
    EXPECT_STREQ(dialog->fontName, "MS Sans Serif");
    EXPECT_EQ(dialog->pointSize, 8);
    EXPECT_EQ(dialog->cx, 186);
    EXPECT_EQ(dialog->cy, 47);
    ASSERT_EQ(dialog->itemCount, 2);

    const DialogItemTemplate& bar = dialog->items[0];
    EXPECT_EQ(bar.id, 1353u);
    EXPECT_STREQ(bar.windowClass, "msctls_progress32");
    EXPECT_STREQ(bar.text, "Progress1");
    EXPECT_EQ(bar.style, WS_CHILD | WS_VISIBLE | WS_BORDER);
    EXPECT_EQ((std::array{bar.x, bar.y, bar.cx, bar.cy}), (std::array<short, 4>{16, 21, 154, 13}));

    const DialogItemTemplate& status = dialog->items[1];
    EXPECT_EQ(status.id, 1354u);
    EXPECT_STREQ(status.windowClass, "Static");
    EXPECT_STREQ(status.text, "");
    EXPECT_EQ(status.style, WS_CHILD | WS_VISIBLE | WS_GROUP | SS_LEFT);
    EXPECT_EQ((std::array{status.x, status.y, status.cx, status.cy}),
              (std::array<short, 4>{13, 7, 158, 8}));
}

TEST(Resources, DockingStrings) {
    RegisterResources();
    const std::pair<UINT, const char*> strings[] = {
        {20621, "Press the Ctrl key to prevent docking."},
        {45095, "Allow Docking"},
        {45096, "Hide"},
        {45097, "Float In Main Window"},
        {57345, "Ready"},
    };
    for (const auto& [id, text] : strings) {
        CString loaded;
        ASSERT_TRUE(loaded.LoadString(id)) << id;
        EXPECT_EQ(loaded, text) << id;
    }
}
