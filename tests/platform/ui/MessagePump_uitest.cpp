#include "platform/ui/MessagePump.h"
#include "tests/platform/ui/UiTestEnvironment.h"
#include "tests/support/CountingPump.h"

TEST(MessagePumpUi, DefaultPumpDispatchesWhatIsWaiting) {
    SettleWindows();
    int ran = 0;
    wxTheApp->CallAfter([&] { ++ran; });
    wxTheApp->CallAfter([&] { ++ran; });
    PumpWaitingMessages();
    EXPECT_EQ(ran, 2);
}

TEST(MessagePumpUi, InstalledPumpReplacesTheWindowSystemOne) {
    CountingPump pump;
    SetMessagePump(&pump);
    int ran = 0;
    wxTheApp->CallAfter([&] { ++ran; });
    PumpWaitingMessages();
    EXPECT_EQ(pump.calls, 1);
    EXPECT_EQ(ran, 0);
    SetMessagePump(nullptr);
    PumpWaitingMessages();
    EXPECT_EQ(ran, 1);
}

TEST(MessagePumpUi, PumpInsideAPumpReturnsAtOnce) {
    int inner = 0;
    wxTheApp->CallAfter([&] {
        wxTheApp->CallAfter([&] { ++inner; });
        PumpWaitingMessages();
    });
    PumpWaitingMessages();
    SettleWindows();
    EXPECT_EQ(inner, 1);
}
