// The colour spans of template text: every span as written, of its kind, in text order, the
// spans together giving back the text byte for byte whatever the parser's mode.

#include "template/parser/QZVantrelMemoFld.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace {

using Spans = std::vector<std::pair<std::string, LONG>>;

Spans SpansOf(QZVantrelMemoFld& parser, const std::string& text) {
    Spans spans;
    for (const QZNameAndId& span : parser.BuildColorSpans(CString(text)))
        spans.emplace_back(span.m_Name.str(), span.m_Id);
    return spans;
}

std::string Joined(const Spans& spans) {
    std::string text;
    for (const auto& span : spans)
        text += span.first;
    return text;
}

struct SpanCase {
    std::string text;
    Spans spans;
};

TEST(QZVantrelMemoFldColorSpans, GivesEachPieceItsKindInTextOrder) {
    const SpanCase cases[] = {
        {"", {}},
        {"a<b>c<<print x>>// n\n<<title>><<!x>>",
         {{"a", 0},
          {"<b>", 2},
          {"c", 0},
          {"<<print x>>", 1},
          {"// n\n", 3},
          {"<<title>>", 1},
          {"<<!x>>", 3}}},
        {"<a href=\"<<print URL>>\">x</a>",
         {{"<a href=\"", 2}, {"<<print URL>>", 1}, {"\">x", 0}, {"</a>", 2}}},
        {"Ln 1\r\n<<if  x>>\r\n\t<</if>>",
         {{"Ln 1\r\n", 0}, {"<<if  x>>", 1}, {"\r\n\t", 0}, {"<</if>>", 1}}},
        {"<<print \"abc", {{"<<print \"abc", 1}}},
        {"caf\xc3\xa9 \xff\xfe<i>", {{"caf\xc3\xa9 \xff\xfe", 0}, {"<i>", 2}}},
        {"http://x/y", {{"http://x", 0}, {"/y", 0}}},
        {"<", {{"<", 2}}},
        // The lexer stops at a NUL byte; the rest is still shown.
        {std::string("a\0<b>", 5), {{"a", 0}, {std::string("\0<b>", 4), 0}}},
    };
    for (const SpanCase& c : cases) {
        QZVantrelMemoFld parser;
        Spans spans = SpansOf(parser, c.text);
        EXPECT_EQ(spans, c.spans) << c.text;
        EXPECT_EQ(Joined(spans), c.text);
    }
}

TEST(QZVantrelMemoFldColorSpans, KeepsCommandsAsWrittenInTheRewriteMode) {
    QZVantrelMemoFld parser;
    parser.SetMode(QZVantrelContext::MODE_REWRITE);
    Spans expected = {{"<<title>>", 1}, {"<<if  x>>", 1}, {"<</if>>", 1}};
    EXPECT_EQ(SpansOf(parser, "<<title>><<if  x>><</if>>"), expected);
}

TEST(QZVantrelMemoFldColorSpans, LeavesTheStatementTreeAndStartsOutsideAnOpenTag) {
    QZVantrelMemoFld parser;
    parser.Parse("<<print 1>>");
    QZCommandBase* first = parser.GetFirstStatement();
    ASSERT_NE(first, nullptr);
    SpansOf(parser, "<!-- <<print x>>");
    EXPECT_EQ(parser.GetFirstStatement(), first);
    EXPECT_EQ(SpansOf(parser, "a/b"), (Spans{{"a", 0}, {"/b", 0}}));
}

TEST(QZVantrelMemoFldColorSpans, CoverEveryCorpusText) {
    std::filesystem::path data(MQ_TEST_DATA_DIR);
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(data / "template-corpus")) {
        std::ifstream in(entry.path(), std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        QZVantrelMemoFld parser;
        Spans spans = SpansOf(parser, text.str());
        EXPECT_EQ(Joined(spans), text.str()) << entry.path();
        for (const auto& span : spans)
            EXPECT_TRUE(span.second >= 0 && span.second <= 3 && !span.first.empty());
        files++;
    }
    EXPECT_GT(files, 1);
}

} // namespace
