// A form view on a real display: its panel holds the template's controls at the template's
// size, and the frame around it shrinks to fit it (growing only when asked).

#include "platform/ui/BarStyles.h"
#include "platform/ui/CFormView.h"
#include "platform/ui/CFrameWnd.h"
#include "platform/ui/DialogTemplates.h"
#include "platform/ui/WindowStyles.h"
#include "tests/platform/ui/UiTestEnvironment.h"

#include <gtest/gtest.h>

#include <iterator>

namespace {

constexpr UINT kTemplate = 60001;

const DialogItemTemplate g_items[] = {
    {200, "Static", "Name:", WS_CHILD | WS_VISIBLE | SS_LEFT, 7, 7, 40, 8},
    {201, "Button", "Apply", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 7, 20, 50, 14},
};
const DialogTemplate g_form = {kTemplate,
                               DS_SETFONT | WS_CHILD,
                               "",
                               "MS Sans Serif",
                               8,
                               0,
                               0,
                               120,
                               60,
                               g_items,
                               static_cast<int>(std::size(g_items))};

class CFormViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        DialogTemplates::Register(kTemplate, &g_form);
        ASSERT_TRUE(
            frame.Create(nullptr, "Form", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 600, 400)));
    }
    void TearDown() override {
        frame.DestroyWindow();
        SettleWindows();
        DialogTemplates::Register(kTemplate, nullptr);
    }
    CSize FrameSize() {
        CRect rect;
        frame.GetWindowRect(&rect);
        return rect.Size();
    }

    CFrameWnd frame;
};

TEST_F(CFormViewTest, ThePanelHoldsTheTemplatesControlsAtItsSize) {
    CFormView view(kTemplate);
    ASSERT_TRUE(view.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), &frame,
                            AFX_IDW_PANE_FIRST));
    ASSERT_NE(view.GetDlgItem(200), nullptr);
    ASSERT_NE(view.GetDlgItem(201), nullptr);
    CString label;
    view.GetDlgItem(201)->GetWindowText(label);
    EXPECT_EQ(label, CString("Apply"));
    // 120 by 60 dialog units are more pixels than units.
    EXPECT_GT(view.GetTemplateSize().cx, 120);
    EXPECT_GT(view.GetTemplateSize().cy, 60);
    view.DestroyWindow();
}

TEST_F(CFormViewTest, TheFrameShrinksToTheViewButGrowsOnlyWhenAsked) {
    CFormView view(kTemplate);
    ASSERT_TRUE(view.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), &frame,
                            AFX_IDW_PANE_FIRST));
    frame.RecalcLayout();
    const CSize before = FrameSize();
    view.ResizeParentToFit(TRUE);
    frame.RecalcLayout();
    CRect client;
    view.GetClientRect(&client);
    EXPECT_EQ(client.Size(), view.GetTemplateSize());
    EXPECT_LT(FrameSize().cx, before.cx);

    frame.SetWindowPos(nullptr, 0, 0, 100, 80, SWP_NOMOVE | SWP_NOZORDER);
    frame.RecalcLayout();
    view.ResizeParentToFit(TRUE);
    EXPECT_EQ(FrameSize(), CSize(100, 80)) << "never enlarged";
    view.ResizeParentToFit(FALSE);
    frame.RecalcLayout();
    view.GetClientRect(&client);
    EXPECT_EQ(client.Size(), view.GetTemplateSize());
    view.DestroyWindow();
}

TEST_F(CFormViewTest, AnUnknownTemplateMakesNoView) {
    CFormView view(60099);
    EXPECT_FALSE(view.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 10, 10), &frame,
                             AFX_IDW_PANE_FIRST));
    EXPECT_EQ(view.GetSafeHwnd(), nullptr);
}

} // namespace
