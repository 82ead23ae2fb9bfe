#include "platform/ui/CDataExchange.h"
#include "platform/ui/CDialog.h"
#include "platform/ui/CProgressCtrl.h"
#include "platform/ui/DialogTemplates.h"
#include "platform/ui/WindowStyles.h"
#include "tests/platform/ui/UiTestEnvironment.h"

#include <wx/gauge.h>

namespace {

const DialogItemTemplate kBarItems[] = {
    {500, "msctls_progress32", "", WS_CHILD | WS_VISIBLE, 5, 5, 100, 10},
};
const DialogTemplate kBarDialog{7101, WS_POPUP | WS_CAPTION, "Bar", "", 8, 0, 0, 110, 20, kBarItems,
                                1};

class BarDialog : public CDialog {
public:
    CProgressCtrl bar;

protected:
    void DoDataExchange(CDataExchange* pDX) override { DDX_Control(pDX, 500, bar); }
};

class CProgressCtrlTest : public ::testing::Test {
protected:
    CProgressCtrlTest() {
        DialogTemplates::Register(kBarDialog.id, &kBarDialog);
        EXPECT_TRUE(dialog.Create(kBarDialog.id));
    }
    ~CProgressCtrlTest() override {
        dialog.DestroyWindow();
        DialogTemplates::Register(kBarDialog.id, nullptr);
        SettleWindows();
    }
    wxGauge* Gauge() { return dynamic_cast<wxGauge*>(dialog.bar.GetSafeHwnd()); }

    BarDialog dialog;
};

} // namespace

TEST_F(CProgressCtrlTest, GaugeShowsThePositionWithinTheRange) {
    ASSERT_NE(Gauge(), nullptr);
    dialog.bar.SetRange(10, 30);
    EXPECT_EQ(dialog.bar.SetPos(20), 10);
    EXPECT_EQ(Gauge()->GetRange(), 20);
    EXPECT_EQ(Gauge()->GetValue(), 10);
    int lower = 0, upper = 0;
    dialog.bar.GetRange(lower, upper);
    EXPECT_EQ(lower, 10);
    EXPECT_EQ(upper, 30);
}

TEST_F(CProgressCtrlTest, StepsReachEveryObjectOverTheSameBar) {
    EXPECT_EQ(dialog.bar.SetStep(25), 10);
    EXPECT_EQ(dialog.bar.StepIt(), 0);
    CWnd* other = dialog.GetDlgItem(500);
    ASSERT_EQ(other, &dialog.bar);
    EXPECT_EQ(dialog.bar.StepIt(), 25);
    EXPECT_EQ(dialog.bar.GetPos(), 50);
    EXPECT_EQ(Gauge()->GetValue(), 50);
}

TEST_F(CProgressCtrlTest, AnEmptyRangeStillDraws) {
    dialog.bar.SetRange(5, 5);
    EXPECT_EQ(dialog.bar.GetPos(), 5);
    EXPECT_EQ(Gauge()->GetValue(), 0);
    EXPECT_EQ(dialog.bar.StepIt(), 5);
    EXPECT_EQ(dialog.bar.GetPos(), 5);
}
