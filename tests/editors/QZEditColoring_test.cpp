// Colouring on the in-memory buffer: spans become the five styles (the brackets of a command
// in their own), an opened text is coloured whole and unmodified, and an edit colours only the
// lines it touched, counted back from the caret and never before line 0.

#include "editors/QZEditStyles.h"
#include "tests/editors/TextEditorFixture.h"

#include <gtest/gtest.h>

namespace {

// One style digit per byte of the text as the parser's spans colour it.
std::string StylesOf(const std::string& text) {
    QZVantrelMemoFld parser;
    QZMemoryTextBuffer buffer{CString(text)};
    for (const QZStyleRun& run : StyleRunsOfSpans(parser.BuildColorSpans(CString(text))))
        buffer.SetStyle(run.start, run.length, run.style);
    return buffer.GetStyles();
}

TEST(QZEditStyles, SpansBecomeStylesWithTheBracketsOfCommandsApart) {
    struct Case {
        const char* text;
        const char* styles;
    } cases[] = {
        {"a<b>c", "02220"},
        {"<<print Date>>", "44111111111144"},
        {"<</if>>", "4411144"},
        {"x// c\r\n", "0333333"},
        {"<<! note>>", "3333333333"},
        {"<a href=\"<<print URL>>\">", "222222222441111111114422"},
        // The brackets are found wherever they stand in the command, strings too.
        {"<<print \"a>>b\" >>", "44111111114411144"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(StylesOf(c.text), c.styles) << c.text;
}

TEST(QZEditStyles, ASpanOfAnUnknownKindKeepsThePlainStyleAndItsPlace) {
    QZVantrelMemoFld::ColorSpanList spans;
    spans.emplace_back("ab", 7);
    spans.emplace_back("<i>", QZVantrelMemoFld::SEGMENT_TAG);
    std::vector<QZStyleRun> expected = {{10, 2, STYLE_TEXT}, {12, 3, STYLE_TAG}};
    EXPECT_EQ(StyleRunsOfSpans(spans, 10), expected);
}

TEST(QZEditViewLogicLoad, AnOpenedTextIsColouredWholeUnmodifiedAndWithoutRecords) {
    std::string text = "<b>x</b>\r\n<<print Date>>\n\xff\xfe\r\n";
    Editor editor(text);
    EXPECT_EQ(editor.Text(), text);
    EXPECT_EQ(editor.buffer.GetStyles(), "22202222"
                                         "00"
                                         "44111111111144"
                                         "0"
                                         "00"
                                         "00");
    EXPECT_FALSE(editor.view.IsModified());
    EXPECT_TRUE(editor.Undo().empty());
    EXPECT_EQ(editor.Selection(), "0");
    editor.target.text = "";
    editor.view.SaveToObject();
    EXPECT_EQ(editor.target.text.str(), text);
}

TEST(QZRichEditLogic, GetLinesAroundCaretCountsBackFromTheCaretLine) {
    //                          line 0   line 1  2   line 3
    const std::string text = "zero\r\none\ntwo\rthree";
    struct Case {
        LONG selStart, selEnd;
        int lines;
        const char* read;
        LONG start, end;
    } cases[] = {
        {0, 0, 1, "zero", 0, 4},
        {0, 0, 3, "zero\r\none\ntwo", 0, 13},          // clamped at line 0, then as many lines
        {7, 7, 2, "zero\r\none", 0, 9},                // a CRLF and a lone LF both end a line
        {16, 16, 2, "two\rthree", 10, 19},             // a lone CR too
        {12, 12, 9, "zero\r\none\ntwo\rthree", 0, 19}, // and no further than the last
        {7, 16, 2, "one\ntwo", 6, 13},                 // a selection starts at its own line
        {19, 19, 1, "three", 14, 19},
    };
    for (const Case& c : cases) {
        Editor editor(text, c.selStart, c.selEnd);
        CString read;
        LONG start = -1, end = -1;
        LONG count = editor.control.GetLinesAroundCaret(read, start, end, c.lines);
        EXPECT_EQ(read.str(), c.read) << c.selStart << " " << c.lines;
        EXPECT_EQ(count, read.GetLength());
        EXPECT_EQ(start, c.start);
        EXPECT_EQ(end, c.end);
    }
}

TEST(QZRichEditLogic, RecolorInsertedTextColoursTheLinesOfTheTextOnly) {
    struct Case {
        const char* inserted;
        int lines;
    } counts[] = {{"", 1},       {"a", 1},   {"\r\n", 2}, {"\n", 1}, {"a\r\nb\r\nc", 3},
                  {"a\nb\n", 3}, {"\n\n", 2}};
    for (const auto& c : counts)
        EXPECT_EQ(QZRichEditLogic::LinesOfInsertedText(c.inserted), c.lines) << c.inserted;

    // Four command lines never coloured; the caret at the end of the third.
    const std::string text = "<<a>>\r\n<<b>>\r\n<<c>>\r\n<<d>>";
    const std::string line = "4414400";
    struct Recolor {
        const char* inserted;
        std::string styles;
    } cases[] = {
        {"x", std::string(14, '0') + line + std::string(5, '0')},
        {"x\r\ny", std::string(7, '0') + line + line + std::string(5, '0')},
        // Five lines counted back from the third start at line 0 and take in the fourth.
        {"1\r\n2\r\n3\r\n4\r\n5", line + line + line + "44144"},
    };
    for (const Recolor& c : cases) {
        QZMemoryTextBuffer buffer{CString(text)};
        ParserTarget target;
        QZEditViewLogic view(buffer, &target);
        buffer.SetSel(19, 19);
        view.GetControl().RecolorInsertedText(c.inserted);
        EXPECT_EQ(buffer.GetStyles(), c.styles) << c.inserted;
    }
}

TEST(QZRichEditLogic, TypingInACommandRecoloursThatLineFromItsOwnText) {
    Editor editor("<b>\r\n<<print Date>>\r\n<i>", 17);
    editor.target.spansAsked = 0;
    editor.control.TypeText("e");
    EXPECT_EQ(editor.Text(), "<b>\r\n<<print Datee>>\r\n<i>");
    EXPECT_EQ(editor.target.spansAsked, 1);
    EXPECT_EQ(editor.buffer.GetStyles(), "22200"
                                         "441111111111144"
                                         "00"
                                         "222");
    // Enter recolours the two lines it touched: the command now runs over both.
    editor.buffer.SetStyle(0, editor.buffer.GetLength(), STYLE_TEXT);
    editor.control.TypeText("\r\n");
    EXPECT_EQ(editor.Text(), "<b>\r\n<<print Datee\r\n>>\r\n<i>");
    EXPECT_EQ(editor.buffer.GetStyles(), "00000"
                                         "44" +
                                             std::string(13, '1') +
                                             "44"
                                             "00000");
}

TEST(QZRichEditLogic, WithoutTemplateTextNothingIsColoured) {
    QZMemoryTextBuffer buffer;
    QZEditViewLogic view(buffer, nullptr);
    view.OnInitialUpdate();
    view.GetControl().TypeText("<b>");
    EXPECT_EQ(buffer.GetText().str(), "<b>");
    EXPECT_EQ(buffer.GetStyles(), "000");
}

} // namespace
