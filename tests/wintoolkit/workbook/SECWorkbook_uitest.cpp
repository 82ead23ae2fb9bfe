#include "platform/ui/CCreateContext.h"
#include "platform/ui/CDocument.h"
#include "platform/ui/CView.h"
#include "platform/ui/SystemSettings.h"
#include "platform/ui/WindowStyles.h"
#include "tests/platform/ui/UiTestEnvironment.h"
#include "tests/wintoolkit/colorwell/ScreenPixels.h"
#include "wintoolkit/display/SECSystemData.h"
#include "wintoolkit/workbook/SECWorkbook.h"
#include "wintoolkit/workbook/SECWorkbookClient.h"
#include "wintoolkit/workbook/SECWorkbookGeometry.h"
#include "wintoolkit/workbook/SECWorksheet.h"

#include <wx/app.h>
#include <wx/utils.h>

#include <array>
#include <memory>
#include <vector>

namespace {

// Counts the tabs it draws, so that a repaint can be seen.
class RecordingWorkbook : public SECWorkbook {
public:
    std::vector<SECWorksheet*> drawn;
    void DrawTab(CDC* pDC, SECWorksheet* pSheet) override {
        drawn.push_back(pSheet);
        SECWorkbook::DrawTab(pDC, pSheet);
    }
};

void Pump() {
    for (int i = 0; i < 8; ++i) {
        wxYield();
        wxMilliSleep(10);
    }
}

class WorkbookTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(
            book.Create(nullptr, "Book", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 640, 480)));
        Pump();
    }
    void TearDown() override {
        if (book.GetSafeHwnd())
            book.DestroyWindow();
        Pump();
        secWorkbookMode = FALSE;
    }
    SECWorksheet* AddSheet(const char* title) {
        auto doc = std::make_unique<CDocument>();
        doc->SetTitle(title);
        CCreateContext context;
        context.m_pNewViewClass = RUNTIME_CLASS(CView);
        context.m_pCurrentDoc = doc.get();
        auto sheet = std::make_unique<SECWorksheet>();
        EXPECT_TRUE(sheet->LoadFrame(0, WS_OVERLAPPEDWINDOW | WS_VISIBLE, &book, &context));
        docs.push_back(std::move(doc));
        sheets.push_back(std::move(sheet));
        return sheets.back().get();
    }
    CRect ClientRect() const { return book.GetClientRectInFrame(); }
    CPoint TabPoint(SECWorksheet* sheet) {
        CPoint* points = nullptr;
        int count = 0;
        book.GetTabPolygon(sheet, &points, &count);
        const CPoint at(points[0].x + book.GetTabWidth() / 2, points[0].y + 8);
        delete[] points;
        return at;
    }
    void Press(CPoint point) {
        book.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(point.x, point.y));
    }
    void Release(CPoint point) { book.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(point.x, point.y)); }

    RecordingWorkbook book;
    std::vector<std::unique_ptr<CDocument>> docs;
    std::vector<std::unique_ptr<SECWorksheet>> sheets;
};

TEST_F(WorkbookTest, ModeSetsTheMarginsAtOnceAndCanBeRead) {
    CRect frame;
    book.GetClientRect(&frame);
    EXPECT_FALSE(book.GetWorkbookMode());
    EXPECT_EQ(ClientRect(), frame);

    book.SetWorkbookMode(TRUE);
    EXPECT_TRUE(book.GetWorkbookMode());
    EXPECT_TRUE(secWorkbookMode);
    EXPECT_EQ(ClientRect(),
              CRect(frame.left + 10, frame.top + 10, frame.right - 10, frame.bottom - 33));

    book.SetWorkbookMode(FALSE);
    EXPECT_FALSE(book.GetWorkbookMode());
    EXPECT_FALSE(secWorkbookMode);
    EXPECT_EQ(ClientRect(), frame);
}

TEST_F(WorkbookTest, SheetsJoinInOrderAndLeaveWhenDestroyed) {
    book.SetWorkbookMode(TRUE);
    SECWorksheet* a = AddSheet("Home");
    SECWorksheet* b = AddSheet("Contact");
    SECWorksheet* c = AddSheet("Order form");
    ASSERT_EQ(book.GetSheetCount(), 3);
    EXPECT_EQ(book.GetSheet(1), b);
    EXPECT_EQ(c->m_nTabIndex, 2);
    EXPECT_EQ(book.GetTabWidth(), std::min((ClientRect().Width() + 5) / 3, 80));
    EXPECT_STREQ(book.GetTabLabel(b), "Contact");

    b->DestroyWindow();
    ASSERT_EQ(book.GetSheetCount(), 2);
    EXPECT_EQ(c->m_nTabIndex, 1);
    int index = -1;
    EXPECT_FALSE(book.FindSheet(b, &index));
    EXPECT_EQ(index, 2);
    EXPECT_TRUE(book.FindSheet(a, &index));
    EXPECT_EQ(index, 0);
}

TEST_F(WorkbookTest, SheetWithoutDocumentHasNoLabel) {
    SECWorksheet sheet;
    ASSERT_TRUE(sheet.LoadFrame(0, WS_OVERLAPPEDWINDOW | WS_VISIBLE, &book, nullptr));
    EXPECT_EQ(book.GetTabLabel(&sheet), nullptr);
    sheet.DestroyWindow();
    EXPECT_EQ(book.GetSheetCount(), 0);
}

TEST_F(WorkbookTest, ClickActivatesTheSheetPressedUntilRelease) {
    book.SetWorkbookMode(TRUE);
    SECWorksheet* a = AddSheet("Home");
    SECWorksheet* b = AddSheet("Contact");
    ASSERT_EQ(book.MDIGetActive(), b);
    Pump();

    const CPoint onA = TabPoint(a);
    Press(onA);
    EXPECT_TRUE(a->m_bPressed);
    EXPECT_EQ(book.MDIGetActive(), a);
    // Released anywhere in the frame.
    Release(CPoint(5, 5));
    EXPECT_FALSE(a->m_bPressed);

    // The active tab is not activated again; a click beside the tabs does nothing.
    Press(TabPoint(a));
    EXPECT_FALSE(a->m_bPressed);
    Release(onA);
    const CRect client = ClientRect();
    Press(CPoint(client.right - 3, client.bottom + 12));
    EXPECT_EQ(book.MDIGetActive(), a);
    EXPECT_FALSE(b->m_bPressed);
    Release(onA);
}

TEST_F(WorkbookTest, WithTheModeOffTabsAreNeitherHitNorDrawn) {
    SECWorksheet* a = AddSheet("Home");
    SECWorksheet* b = AddSheet("Contact");
    ASSERT_EQ(book.MDIGetActive(), b);
    book.drawn.clear();
    book.Invalidate(TRUE);
    Pump();
    EXPECT_TRUE(book.drawn.empty());
    // Where a tab would be lies the MDI client now; the frame itself ignores the point.
    book.SetWorkbookMode(TRUE);
    const CPoint onA = TabPoint(a);
    book.SetWorkbookMode(FALSE);
    Press(onA);
    Release(onA);
    EXPECT_FALSE(a->m_bPressed);
    EXPECT_EQ(book.MDIGetActive(), b);
}

TEST_F(WorkbookTest, TabsRepaintOnAddRemoveMaximiseAndRestore) {
    book.SetWorkbookMode(TRUE);
    SECWorksheet* a = AddSheet("Home");
    Pump();
    auto repainted = [this](auto&& action) {
        book.drawn.clear();
        action();
        Pump();
        return !book.drawn.empty();
    };
    EXPECT_TRUE(repainted([&] { AddSheet("Contact"); }));
    EXPECT_TRUE(repainted([&] { a->SendMessage(WM_SYSCOMMAND, SC_MAXIMIZE, 0); }));
    EXPECT_TRUE(a->IsMaximized());
    EXPECT_TRUE(repainted([&] { a->SendMessage(WM_SYSCOMMAND, SC_RESTORE, 0); }));
    EXPECT_TRUE(repainted([&] { sheets.back()->DestroyWindow(); }));
    EXPECT_TRUE(repainted([&] { book.SetWorkbookMode(TRUE); }));
    // The active sheet is drawn last, on top of the others.
    AddSheet("Order form");
    a->ActivateFrame();
    book.drawn.clear();
    book.Invalidate(TRUE);
    Pump();
    ASSERT_FALSE(book.drawn.empty());
    EXPECT_EQ(book.drawn.back(), a);
}

TEST_F(WorkbookTest, DestroyDropsTheClientAndEndsTheFrame) {
    book.SetWorkbookMode(TRUE);
    AddSheet("Home");
    ASSERT_NE(book.GetWorkbookClient(), nullptr);
    EXPECT_TRUE(book.DestroyWindow());
    EXPECT_EQ(book.GetWorkbookClient(), nullptr);
    EXPECT_EQ(book.GetSafeHwnd(), nullptr);
    EXPECT_EQ(book.GetSheetCount(), 0);
}

TEST_F(WorkbookTest, TabStripPixelsAtTheTabEdges) {
    book.SetWorkbookMode(TRUE);
    SECWorksheet* a = AddSheet("Home");
    AddSheet("Contact");
    SECWorksheet* c = AddSheet("Order form");
    ASSERT_EQ(book.MDIGetActive(), c);
    book.Invalidate(TRUE);
    Pump();
    ScreenPixels screen;
    ASSERT_TRUE(screen.Ok());
    ScreenPixels::SavePng("workbook_tabs.png");

    CPoint* p = nullptr;
    int count = 0;
    book.GetTabPolygon(a, &p, &count);
    std::array<CPoint, 7> q;
    std::copy(p, p + 7, q.begin());
    delete[] p;
    auto probe = [&](int x, int y) {
        CPoint point(x, y);
        book.ClientToScreen(&point);
        return screen.At(point);
    };
    // The left edge is white, the bottom black, the inside the button face.
    EXPECT_EQ(probe(q[0].x, q[0].y + 5), RGB(255, 255, 255));
    EXPECT_EQ(probe(q[2].x + 5, q[2].y - 1), RGB(0, 0, 0));
    EXPECT_EQ(probe(q[2].x + 5, q[2].y - 2), GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(probe(q[0].x + 3, q[0].y + 3), GetSysColor(COLOR_BTNFACE));
    // The raised sheet's border runs round the client: white above it.
    const CRect client = ClientRect();
    EXPECT_EQ(probe(client.left + 40, client.top - 5), RGB(255, 255, 255));
}

} // namespace
