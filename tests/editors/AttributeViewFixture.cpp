#include "tests/editors/AttributeViewFixture.h"

#include "editors/QZObjectView.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

void AttributeViewTest::SetUp() {
    EditorTest::SetUp();
    const char* previous = std::getenv("MARQUILL_ROOT");
    m_hadRoot = previous != nullptr;
    m_savedRoot = m_hadRoot ? previous : "";
    setenv("MARQUILL_ROOT", m_dir.path().c_str(), 1);
    Insert("Services", "DbID, ServiceID, Name, Directory, DevelopPath, ProductionPath, Deleted",
           "5, 10, 'Acme', 'site', 'C:\\dev', 'C:\\prod', 0");
    Insert("Sections",
           "DbID, SectionID, SectionName, SectionTitle, Directory, ServiceDbID, ServiceID, "
           "Deleted",
           "5, 20, 'news', 'Latest News', 'news', 5, 10, 0");
    std::filesystem::create_directories(UnderRoot("dev/site/news"));
    std::filesystem::create_directories(UnderRoot("elsewhere"));
}

void AttributeViewTest::TearDown() {
    EditorTest::TearDown();
    m_hadRoot ? setenv("MARQUILL_ROOT", m_savedRoot.c_str(), 1) : unsetenv("MARQUILL_ROOT");
}

CFormView* AttributeViewTest::OpenTab(SHORT type, LONG id, const char* viewClass) {
    if (!Open(type, id))
        return nullptr;
    QZChildFrame* frame = ActiveFrame();
    auto* view = dynamic_cast<CFormView*>(ActiveDocument()->FindView(viewClass));
    const std::vector<CWnd*> views = TabViews(frame);
    for (int i = 0; view && i < static_cast<int>(views.size()); ++i) {
        if (views[i] == view)
            frame->m_wndTab.GetTabControl()->ActivateTab(i);
    }
    return view;
}

std::string AttributeViewTest::TextOf(CWnd* form, UINT id) {
    CWnd* item = form->GetDlgItem(static_cast<int>(id));
    if (!item)
        return "<no control>";
    CString text;
    item->GetWindowText(text);
    return text.str();
}

void AttributeViewTest::Type(CWnd* form, UINT id, const std::string& text) {
    CWnd* item = form->GetDlgItem(static_cast<int>(id));
    ASSERT_NE(item, nullptr) << id;
    item->SetWindowText(text.c_str());
}

std::string AttributeViewTest::UnderRoot(const std::string& relative) const {
    return (m_dir.path() / relative).string();
}

void AttributeViewTest::WriteFile(const std::string& path, const std::string& content) {
    std::ofstream(path, std::ios::binary) << content;
}

std::string AttributeViewTest::Stored(const EditorKind& kind, LONG id, const char* column,
                                      bool number) {
    return number ? std::to_string(NumberOf(kind, id, column)) : Column(kind, id, column);
}

void AttributeViewTest::CheckFields(const EditorKind& kind, LONG id, const char* viewClass,
                                    const std::vector<AttributeFieldCase>& cases) {
    m_boxes.Clear();
    CFormView* form = OpenTab(kind.type, id, viewClass);
    ASSERT_NE(form, nullptr);
    QZDocument* document = ActiveDocument();
    for (const AttributeFieldCase& c : cases)
        EXPECT_EQ(TextOf(form, c.id), c.shown) << "shown in " << c.id;
    document->UpdateObjectFromViews();
    EXPECT_FALSE(document->IsModified()) << "an unchanged save marks nothing";
    for (const AttributeFieldCase& c : cases) {
        SCOPED_TRACE(c.column);
        Type(form, c.id, c.typed);
        document->UpdateObjectFromViews();
        EXPECT_TRUE(document->IsModified());
        document->SaveObject();
        EXPECT_FALSE(document->IsModified());
        EXPECT_EQ(Stored(kind, id, c.column, c.number), c.stored);
    }
    EXPECT_TRUE(m_boxes.texts().empty());
}

void AttributeViewTest::CheckLimits(const EditorKind& kind, LONG id, const char* viewClass,
                                    const std::vector<AttributeLimitCase>& cases) {
    CFormView* form = OpenTab(kind.type, id, viewClass);
    ASSERT_NE(form, nullptr);
    QZDocument* document = ActiveDocument();
    auto* view = dynamic_cast<QZObjectView*>(form);
    ASSERT_NE(view, nullptr);
    for (const AttributeLimitCase& c : cases) {
        SCOPED_TRACE(c.column);
        const std::string atLimit(static_cast<size_t>(c.limit), 'a');
        Type(form, c.id, atLimit);
        EXPECT_TRUE(view->SaveToObject());
        document->SaveObject();
        EXPECT_EQ(Column(kind, id, c.column), atLimit);
        m_boxes.Clear();
        Type(form, c.id, atLimit + "b");
        EXPECT_FALSE(view->SaveToObject());
        EXPECT_EQ(m_boxes.texts(),
                  std::vector<std::string>{"Please enter no more than " + std::to_string(c.limit) +
                                           " characters."});
        document->SaveObject();
        EXPECT_EQ(Column(kind, id, c.column), atLimit) << "the row unchanged";
        Type(form, c.id, atLimit);
    }
}

void AttributeViewTest::CheckRefused(const EditorKind& kind, LONG id, const char* viewClass,
                                     UINT control, const std::string& typed,
                                     const std::string& message, const char* column, bool number) {
    CFormView* form = OpenTab(kind.type, id, viewClass);
    ASSERT_NE(form, nullptr);
    const std::string before = Stored(kind, id, column, number);
    m_boxes.Clear();
    const std::string shown = TextOf(form, control);
    Type(form, control, typed);
    EXPECT_FALSE(dynamic_cast<QZObjectView*>(form)->SaveToObject());
    EXPECT_EQ(m_boxes.texts(), std::vector<std::string>{message});
    ActiveDocument()->SaveObject();
    EXPECT_EQ(Stored(kind, id, column, number), before);
    Type(form, control, shown);
}
