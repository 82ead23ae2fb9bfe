// The editor tab window: the view being left may keep its tab, a text view always lets go, and
// the preview tab shows only when the document's preview succeeds.

#include "editors/QZDocument.h"
#include "editors/QZObjectView.h"
#include "editors/QZPlaceholderView.h"
#include "editors/QZTabWnd.h"
#include "platform/ui/BarStyles.h"
#include "platform/ui/CCreateContext.h"
#include "platform/ui/CFrameWnd.h"
#include "platform/ui/CView.h"
#include "platform/ui/WindowStyles.h"
#include "tests/platform/ui/UiTestEnvironment.h"

#include <gtest/gtest.h>

namespace {

// A form view whose exchange fails while `refuse` is set.
class CheckedFormView : public CView, public QZObjectView {
    DECLARE_DYNCREATE(CheckedFormView)
public:
    BOOL SaveToObject() override {
        ++saves;
        return !refuse;
    }
    static inline bool refuse = false;
    static inline int saves = 0;
};
IMPLEMENT_DYNCREATE(CheckedFormView, CView)

// A text view: it stores its text when left, and its exchange is never asked.
class TextView : public CView, public QZObjectView {
    DECLARE_DYNCREATE(TextView)
public:
    BOOL SaveToObject() override { return FALSE; }
    BOOL IsTextView() const override { return TRUE; }
    void StoreText(QZVantrelTemplate*) override { ++stores; }
    static inline int stores = 0;
};
IMPLEMENT_DYNCREATE(TextView, CView)

// A document whose preview succeeds as told.
class PreviewDocument : public QZDocument {
public:
    int Preview() override {
        ++previews;
        return succeed ? 1 : 0;
    }
    bool succeed = true;
    int previews = 0;
};

} // namespace

class QZTabWndTest : public ::testing::Test {
protected:
    void SetUp() override {
        CheckedFormView::refuse = false;
        CheckedFormView::saves = 0;
        TextView::stores = 0;
        m_document.m_bAutoDelete = FALSE;
        ASSERT_TRUE(m_frame.Create(nullptr, "Editor", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                   CRect(0, 0, 480, 320)));
        ASSERT_TRUE(m_tabs.Create(&m_frame, WS_CHILD | WS_VISIBLE | 1, AFX_IDW_PANE_FIRST));
        m_frame.RecalcLayout();
        CCreateContext context;
        context.m_pCurrentDoc = &m_document;
        m_tabs.AddTab(RUNTIME_CLASS(CheckedFormView), "Properties", &context);
        m_tabs.AddTab(RUNTIME_CLASS(TextView), "Edit", &context);
        m_tabs.AddTab(RUNTIME_CLASS(QZPlaceholderView), "Preview", &context);
        static_cast<QZPlaceholderView*>(Client(2))->StandIn("QZPreView", "Preview");
        m_tabs.ActivateTabByIndex(0);
    }
    void TearDown() override {
        std::vector<CWnd*> views{Client(0), Client(1), Client(2)};
        m_frame.DestroyWindow();
        for (CWnd* view : views)
            delete view;
        SettleWindows();
    }

    CWnd* Client(int index) {
        LPCTSTR label = nullptr;
        BOOL selected = FALSE;
        CWnd* client = nullptr;
        DWORD extra = 0;
        m_tabs.GetTabInfo(index, label, selected, client, extra);
        return client;
    }
    // What a click on the tab does: the tab control selects it and tells the tab window.
    void Click(int index) { m_tabs.GetTabControl()->ActivateTab(index); }
    int Selected() {
        int index = -1;
        m_tabs.GetTabControl()->GetActiveTab(index);
        return index;
    }
    // The tab that is selected, shown and the frame's active view, or -1 when they differ.
    int Shown() {
        const int index = Selected();
        const bool same = m_tabs.GetActiveWnd() == Client(index) &&
                          static_cast<CWnd*>(m_frame.GetActiveView()) == Client(index);
        return same ? index : -1;
    }

    PreviewDocument m_document;
    CFrameWnd m_frame;
    QZTabWnd m_tabs;
};

TEST_F(QZTabWndTest, AFormViewWhoseExchangeFailsKeepsItsTab) {
    ASSERT_EQ(Shown(), 0);
    CheckedFormView::refuse = true;
    Click(1);
    EXPECT_EQ(CheckedFormView::saves, 1);
    EXPECT_EQ(Shown(), 0);

    CheckedFormView::refuse = false;
    Click(1);
    EXPECT_EQ(CheckedFormView::saves, 2);
    EXPECT_EQ(Shown(), 1);
}

TEST_F(QZTabWndTest, LeavingATextViewStoresItsTextAndAlwaysSwitches) {
    Click(1);
    ASSERT_EQ(Shown(), 1);
    Click(0);
    EXPECT_EQ(TextView::stores, 1);
    EXPECT_EQ(Shown(), 0);
}

TEST_F(QZTabWndTest, ThePreviewTabShowsOnlyWhenTheDocumentsPreviewSucceeds) {
    Click(1);
    m_document.succeed = false;
    Click(2);
    EXPECT_EQ(m_document.previews, 1);
    EXPECT_EQ(Shown(), 0);

    m_document.succeed = true;
    Click(2);
    EXPECT_EQ(m_document.previews, 2);
    EXPECT_EQ(Shown(), 2);
}
