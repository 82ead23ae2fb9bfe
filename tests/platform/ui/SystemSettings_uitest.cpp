#include "platform/ui/Cursors.h"
#include "platform/ui/SystemSettings.h"
#include "tests/platform/ui/UiTestEnvironment.h"

#include <wx/settings.h>

namespace {
int g_heard = 0;
void Heard() {
    ++g_heard;
}
} // namespace

TEST(SystemSettings, ColoursAndSizesComeFromTheDesktop) {
    const wxColour face = wxSystemSettings::GetColour(wxSYS_COLOUR_BTNFACE);
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), RGB(face.Red(), face.Green(), face.Blue()));
    // The workspace behind the child frames is a shade of the face, never the window white.
    const wxColour shadow = wxSystemSettings::GetColour(wxSYS_COLOUR_BTNSHADOW);
    EXPECT_EQ(GetSysColor(COLOR_APPWORKSPACE), RGB(shadow.Red(), shadow.Green(), shadow.Blue()));
    EXPECT_GT(GetSystemMetrics(SM_CXSCREEN), 0);
    EXPECT_GT(GetSystemMetrics(SM_CXVSCROLL), 0);
    EXPECT_GT(LOWORD(GetDialogBaseUnits()), 0);
    EXPECT_GT(HIWORD(GetDialogBaseUnits()), LOWORD(GetDialogBaseUnits()));
}

TEST(SystemSettings, CursorResourcesStandForDesktopCursors) {
    RegisterCursorResource(64001, IDC_SIZEWE);
    EXPECT_NE(AfxLoadCursor(64001), nullptr);
    EXPECT_EQ(AfxLoadCursor(64001), LoadCursor(nullptr, IDC_SIZEWE));
    EXPECT_EQ(AfxLoadCursor(64002), nullptr);
    EXPECT_NE(LoadCursor(nullptr, IDC_ARROW), nullptr);
}

TEST(SystemSettings, ListenersHearOfColourChanges) {
    AddSysColorChangeListener(&Heard);
    const int before = g_heard;
    NotifySysColorChange();
    EXPECT_EQ(g_heard, before + 1);
}
