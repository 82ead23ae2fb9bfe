// What pages and macros share as objects with template text: saving normalises the text, the
// editor's command range, reference tags, words for the spell check, the text accessors.
#include "content/QZVantrelPage.h"
#include "content/QZVantrelTemplate.h"
#include "tests/content/GenerationFixture.h"

namespace {

using TemplateObjectsTest = GenerationTest;

TEST_F(TemplateObjectsTest, SavingNormalisesTheTextOnceForAll) {
    AddMacro(12, "Twelve", "x");
    AddPage(40, "Home");
    for (SHORT type : {OBJ_PAGE, OBJ_MACRO}) {
        const ContentKind& kind = ContentKindOf(type);
        SCOPED_TRACE(kind.label);
        LONG id = type == OBJ_PAGE ? 40 : 12;
        auto object = std::unique_ptr<QZVantrelBase>(kind.load(QZKeyCombo(kDbId, id, type), TRUE));
        auto& text = dynamic_cast<QZVantrelTemplate&>(*object);
        text.SetTemplateText("<p>a</p><<macro   :12 ,  heading = \"b\" >><<dump   >>");
        EXPECT_EQ(text.Save(), 1);
        std::string once = Text(kind, id, "ScriptBody");
        EXPECT_EQ(once, "<p>a</p><<macro 5:12 ,  heading = \"b\" >><<dump>>");
        EXPECT_EQ(text.GetTemplateText().str(), once);
        EXPECT_EQ(text.Save(), 1);
        EXPECT_EQ(Text(kind, id, "ScriptBody"), once);
    }
}

TEST_F(TemplateObjectsTest, TheCommandRangeAroundTheCaret) {
    AddMacro(12, "Twelve", "");
    QZVantrelTemplate macro(QZKeyCombo(kDbId, 12, OBJ_MACRO), FALSE);
    //                 0         1         2
    //                 0123456789012345678901234567
    const CString text = "ab<<dump>>cd<<macro :1>>ef";
    struct Case {
        const char* text;
        int caret;
        std::pair<int, int> range;
    } cases[] = {
        {"a", 0, {0, 0}},      // shorter than 2
        {text, -3, {0, 0}},    // before the text
        {text, 26, {26, 26}},  // at the end
        {text, 40, {26, 26}},  // past the end
        {text, 2, {2, 9}},     // on the first "<" of a command
        {text, 5, {2, 9}},     // inside a command
        {text, 9, {10, 11}},   // on its closing ">>": the text after it
        {text, 11, {10, 11}},  // between two commands
        {text, 16, {12, 23}},  // inside the second command
        {text, 1, {1, 1}},     // no command before
        {text, 25, {25, 25}},  // no command after
        {"<<dump", 4, {4, 4}}, // never closed
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.text) + " @" + std::to_string(c.caret));
        EXPECT_EQ(macro.FindCommandRange(c.text, c.caret), c.range);
    }
}

TEST_F(TemplateObjectsTest, ReferenceTagsNameTheObjectByItsKey) {
    AddMacro(12, "Twelve", "");
    AddPage(40, "Home");
    Insert("Templates", "DbID, TemplateID, TemplateName, Deleted", "7, 3, 'Foreign', 0");
    EXPECT_EQ(QZVantrelTemplate(QZKeyCombo(kDbId, 12, OBJ_MACRO), FALSE).GetReferenceTag().str(),
              "<<macro macroid=:12>>");
    EXPECT_EQ(QZVantrelTemplate(QZKeyCombo(7, 3, OBJ_MACRO), FALSE).GetReferenceTag().str(),
              "<<macro macroid=7:3>>");
    EXPECT_EQ(LoadPage(40)->GetReferenceTag().str(), "<<link linkid=:40>>");
}

TEST_F(TemplateObjectsTest, TheEditorReachesCommandsAndWordsThroughTheObject) {
    AddPage(40, "Home", "ScriptBody", "'<p>Hello there</p><<dump>>'");
    auto page = LoadPage(40);
    EXPECT_EQ(page->GetTemplateText().str(), "<p>Hello there</p><<dump>>");
    EXPECT_EQ(page->SetSourceText(""), nullptr);
    QZCommandBase* command = page->SetSourceText("<<dump>>");
    ASSERT_NE(command, nullptr);
    CString source;
    command->WriteSource(source);
    EXPECT_EQ(source.str(), "<<dump>>");
    std::vector<std::string> words;
    for (const QZUndoRedo& word : page->ExtractWords("<p>Helo wrld</p>"))
        words.push_back(word.m_strText.str());
    EXPECT_EQ(words, (std::vector<std::string>{"Helo", "wrld"}));
    // Text set for the editor is the row's until it is saved.
    page->SetTemplateText("<p>new</p>");
    EXPECT_EQ(page->GetText().str(), "<p>new</p>");
    EXPECT_EQ(Text(ContentKindOf(OBJ_PAGE), 40, "ScriptBody"), "<p>Hello there</p><<dump>>");
}

} // namespace

namespace {

std::vector<std::pair<std::string, LONG>> SpansOf(const QZVantrelMemoFld::ColorSpanList& list) {
    std::vector<std::pair<std::string, LONG>> spans;
    for (const QZNameAndId& span : list)
        spans.emplace_back(span.m_Name.str(), span.m_Id);
    return spans;
}

// An object opened for editing colours its commands as they are typed, not as saving will
// write them.
TEST_F(TemplateObjectsTest, TheColourSpansOfAnEditedTextAreItsOwnText) {
    AddPage(40, "Home");
    auto page = LoadPage(40);
    std::vector<std::pair<std::string, LONG>> expected = {
        {"<p>", 2}, {"a", 0}, {"<<macro   :12 >>", 1}, {"// c", 3}};
    EXPECT_EQ(SpansOf(page->GetColorSpans("<p>a<<macro   :12 >>// c")), expected);
}

} // namespace
