#include "platform/ui/CWnd.h"
#include "platform/ui/Cursors.h"
#include "platform/ui/SystemSettings.h"
#include "platform/ui/WindowStyles.h"
#include "res/Resources.h"
#include "tests/platform/ui/UiTestEnvironment.h"
#include "wintoolkit/display/SECSystemData.h"

#include <wx/settings.h>

TEST(SECSystemDataUi, ColoursFollowTheDesktopScheme) {
    CWnd window;
    ASSERT_TRUE(window.CreateEx(0, nullptr, "", WS_POPUP, CRect(0, 0, 20, 20), nullptr, 0));
    // The first window read the desktop's colours; a scheme change reads them again.
    const wxColour face = wxSystemSettings::GetColour(wxSYS_COLOUR_BTNFACE);
    EXPECT_EQ(secData.clrBtnFace, RGB(face.Red(), face.Green(), face.Blue()));
    EXPECT_NE(secData.hcurArrow, nullptr);
    secData.clrBtnShadow = RGB(1, 2, 3);
    wxSysColourChangedEvent changed;
    changed.SetEventObject(window.GetSafeHwnd());
    window.GetSafeHwnd()->GetEventHandler()->ProcessEvent(changed);
    EXPECT_EQ(secData.clrBtnShadow, GetSysColor(COLOR_BTNSHADOW));
    window.DestroyWindow();
}

TEST(SECSystemDataUi, TheSizingCursorsAreLoadedWhenFirstWanted) {
    RegisterResources();
    EXPECT_EQ(secData.hcurHSize, nullptr);
    EXPECT_EQ(secData.GetHSizeCursor(), LoadCursor(nullptr, IDC_SIZEWE));
    EXPECT_EQ(secData.GetVSizeCursor(), LoadCursor(nullptr, IDC_SIZENS));
    EXPECT_NE(secData.hcurHSize, nullptr);
}
