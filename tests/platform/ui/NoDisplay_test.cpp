// Without a running window system (tests of the unit and db labels) the windows layer stays
// harmless: dialogs are not made and pumping does nothing.

#include "platform/ui/CDialog.h"
#include "platform/ui/CProgressCtrl.h"
#include "platform/ui/DialogTemplates.h"
#include "platform/ui/MessagePump.h"
#include "platform/ui/WindowStyles.h"
#include "platform/ui/WxMessageBoxSink.h"
#include "tests/support/CountingPump.h"

#include <gtest/gtest.h>

TEST(NoDisplay, DefaultPumpDoesNothingAndAnInstalledPumpReplacesIt) {
    PumpWaitingMessages();
    CountingPump pump;
    EXPECT_EQ(SetMessagePump(&pump), nullptr);
    PumpWaitingMessages();
    PumpWaitingMessages();
    EXPECT_EQ(pump.calls, 2);
    EXPECT_EQ(SetMessagePump(nullptr), &pump);
    PumpWaitingMessages();
    EXPECT_EQ(pump.calls, 2);
}

TEST(NoDisplay, DialogCreateFailsWithoutWindowAndControlsAnswerZero) {
    const DialogTemplate empty{7002, WS_POPUP | WS_VISIBLE, "", "", 8, 0, 0, 50, 20, nullptr, 0};
    DialogTemplates::Register(7002, &empty);
    CDialog dialog;
    EXPECT_FALSE(dialog.Create(7002));
    EXPECT_EQ(dialog.GetSafeHwnd(), nullptr);
    EXPECT_EQ(dialog.GetDlgItem(1), nullptr);
    CProgressCtrl bar;
    EXPECT_EQ(bar.StepIt(), 0);
    EXPECT_EQ(bar.GetPos(), 0);
    DialogTemplates::Register(7002, nullptr);
}

TEST(NoDisplay, MessageBoxSinkAnswersWithTheDefaultButton) {
    WxMessageBoxSink sink("Marquill");
    EXPECT_EQ(sink.Show("Proceed?", MB_YESNO | MB_DEFBUTTON2, 0), IDNO);
    EXPECT_EQ(sink.Show("Done.", MB_OK, 0), IDOK);
}
