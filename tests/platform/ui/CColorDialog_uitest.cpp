#include "platform/ui/CColorDialog.h"
#include "tests/platform/ui/ColourDialogAnswer.h"
#include "tests/platform/ui/UiTestEnvironment.h"

TEST(CColorDialog, OkGivesTheChosenColour) {
    ColourDialogAnswer answer(wxID_OK, wxColour(10, 20, 30));
    CColorDialog dialog(RGB(200, 100, 50), CC_FULLOPEN);
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.GetColor(), RGB(10, 20, 30));
    EXPECT_EQ(answer.shownColour, wxColour(200, 100, 50));
}

TEST(CColorDialog, CancelKeepsTheColour) {
    ColourDialogAnswer answer(wxID_CANCEL, wxColour(10, 20, 30));
    CColorDialog dialog(RGB(1, 2, 3));
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(dialog.GetColor(), RGB(1, 2, 3));
    EXPECT_EQ(answer.opened, 1);
}
