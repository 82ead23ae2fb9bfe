// Document templates: new and named documents in frames of their own inside the main window,
// a document that fails to open, and closing through the frame and through the templates.

#include "platform/ui/CDocManager.h"
#include "platform/ui/CDocument.h"
#include "platform/ui/CMDIChildWnd.h"
#include "platform/ui/CMDIFrameWnd.h"
#include "platform/ui/CMultiDocTemplate.h"
#include "platform/ui/CView.h"
#include "platform/ui/MainWnd.h"
#include "platform/ui/WindowStyles.h"
#include "tests/platform/ui/UiTestEnvironment.h"

#include <gtest/gtest.h>

namespace {

// A document that opens, and lets itself be closed, as the test says.
class NoteDocument : public CDocument {
    DECLARE_DYNCREATE(NoteDocument)
public:
    ~NoteDocument() override { ++deleted; }
    BOOL OnOpenDocument(LPCTSTR path) override { return opens && CDocument::OnOpenDocument(path); }
    BOOL SaveModified() override {
        ++asked;
        return mayClose;
    }
    static inline bool opens = true;
    static inline bool mayClose = true;
    static inline int asked = 0;
    static inline int deleted = 0;
};
IMPLEMENT_DYNCREATE(NoteDocument, CDocument)

class NoteFrame : public CMDIChildWnd {
    DECLARE_DYNCREATE(NoteFrame)
};
IMPLEMENT_DYNCREATE(NoteFrame, CMDIChildWnd)

} // namespace

class MultiDocTemplateTest : public ::testing::Test {
protected:
    void SetUp() override {
        NoteDocument::opens = true;
        NoteDocument::mayClose = true;
        NoteDocument::asked = 0;
        NoteDocument::deleted = 0;
        ASSERT_TRUE(m_main.Create(nullptr, "Main", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                  CRect(0, 0, 640, 480)));
        SetMainWnd(&m_main);
        m_template = new CMultiDocTemplate(0, RUNTIME_CLASS(NoteDocument), RUNTIME_CLASS(NoteFrame),
                                           RUNTIME_CLASS(CView));
        m_template->SetDocStrings("\nNote\nNote");
        m_manager.AddDocTemplate(m_template);
    }
    void TearDown() override {
        m_manager.CloseAllDocuments(FALSE);
        m_manager.DeleteTemplates();
        SetMainWnd(nullptr);
        m_main.DestroyWindow();
        SettleWindows();
    }

    CMDIFrameWnd m_main;
    CDocManager m_manager;
    CMultiDocTemplate* m_template = nullptr;
};

TEST_F(MultiDocTemplateTest, NewDocumentsAreNumberedAndANamedOneIsTitledByItsPath) {
    CDocument* first = m_template->OpenDocumentFile(nullptr);
    CDocument* second = m_template->OpenDocumentFile(nullptr);
    CDocument* named = m_template->OpenDocumentFile("notes/todo");
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    ASSERT_NE(named, nullptr);
    EXPECT_EQ(first->GetTitle().str(), "Note1");
    EXPECT_EQ(second->GetTitle().str(), "Note2");
    EXPECT_EQ(named->GetTitle().str(), "todo");
    EXPECT_EQ(named->GetPathName().str(), "notes/todo");
    EXPECT_EQ(m_manager.GetOpenDocumentCount(), 3);
    // Each has its view in a frame of its own; the last one opened is the active child.
    ASSERT_EQ(named->GetViews().size(), 1u);
    CFrameWnd* frame = GetParentFrameOf(named->GetFirstView());
    EXPECT_EQ(static_cast<CFrameWnd*>(m_main.MDIGetActive()), frame);
    CString caption;
    frame->GetWindowText(caption);
    EXPECT_EQ(caption.str(), "todo");
}

TEST_F(MultiDocTemplateTest, ADocumentThatFailsToOpenLeavesNoDocumentAndNoFrame) {
    NoteDocument::opens = false;
    EXPECT_EQ(m_template->OpenDocumentFile("missing"), nullptr);
    EXPECT_TRUE(m_template->GetDocuments().empty());
    EXPECT_EQ(NoteDocument::deleted, 1);
    EXPECT_EQ(m_main.MDIGetActive(), nullptr);
}

TEST_F(MultiDocTemplateTest, ClosingTheFrameClosesTheDocumentWhenTheDocumentAgrees) {
    CDocument* document = m_template->OpenDocumentFile(nullptr);
    ASSERT_NE(document, nullptr);
    CMDIChildWnd* frame = m_main.MDIGetActive();
    ASSERT_NE(frame, nullptr);

    NoteDocument::mayClose = false;
    frame->SendMessage(WM_CLOSE);
    EXPECT_EQ(NoteDocument::asked, 1);
    EXPECT_EQ(m_template->GetDocuments().size(), 1u);
    EXPECT_NE(frame->GetSafeHwnd(), nullptr);

    NoteDocument::mayClose = true;
    frame->SendMessage(WM_CLOSE);
    SettleWindows();
    EXPECT_TRUE(m_template->GetDocuments().empty());
    EXPECT_EQ(NoteDocument::deleted, 1);
    EXPECT_EQ(m_main.MDIGetActive(), nullptr);
}

TEST_F(MultiDocTemplateTest, TheManagerSavesAndClosesEveryDocument) {
    m_template->OpenDocumentFile(nullptr);
    m_template->OpenDocumentFile(nullptr);
    NoteDocument::mayClose = false;
    EXPECT_FALSE(m_manager.SaveAllModified());
    EXPECT_EQ(NoteDocument::asked, 1);
    NoteDocument::mayClose = true;
    EXPECT_TRUE(m_manager.SaveAllModified());

    m_manager.CloseAllDocuments(FALSE);
    SettleWindows();
    EXPECT_EQ(m_manager.GetOpenDocumentCount(), 0);
    EXPECT_EQ(NoteDocument::deleted, 2);
    EXPECT_EQ(m_main.MDIGetActive(), nullptr);
}
