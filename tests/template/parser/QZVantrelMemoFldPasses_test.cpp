// The parser's other passes over its lexer: write-back in the rewrite mode, key translation,
// segments for the editor's colouring and words for the spell check.

#include "template/parser/QZVantrelMemoFld.h"
#include "tests/template/FakeRunOwner.h"
#include "tests/template/TemplateRun.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace {

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string Rewrite(const std::string& text) {
    QZVantrelMemoFld parser;
    FakeRunOwner owner;
    owner.Own(parser, QZVantrelContext::MODE_REWRITE);
    parser.Parse(CString(text));
    CString written;
    parser.WriteSource(written);
    return written.str();
}

// With the language's commands registered, each command is written in the parser's own form
// and every other byte is kept: the result is the corpus file's golden text, and writing that
// back changes nothing.
TEST(QZVantrelMemoFldRewrite, WritesTheCorpusAsItsGoldenText) {
    std::filesystem::path data(MQ_TEST_DATA_DIR);
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(data / "template-corpus")) {
        TemplateRun run(QZVantrelContext::MODE_REWRITE);
        std::string golden = ReadFile(data / "template-golden" / entry.path().filename());
        EXPECT_EQ(run.WriteBack(ReadFile(entry.path())), golden) << entry.path();
        EXPECT_EQ(run.WriteBack(golden), golden) << entry.path();
        files++;
    }
    EXPECT_GT(files, 1);
}

TEST(QZVantrelMemoFldRewrite, KeepsMalformedTextWhole) {
    const char* const texts[] = {
        "a\n<</if>>\nb<<else>>c",
        "<<if a>>x",
        "<<query k>>R<<firstrow>>F<</firstrow>>",
        "<<when x>>a<b><<is 1>>y<</when>>",
        "<<repeat>>x",
        "<script>x = y << 2;\nreturn z;</script>",
        "<<#print x>>",
        "<<print \"abc",
        "<<foo \"abc>>",
        "<</>> <</if   >><<  IF  x  >>a<</IF>>",
    };
    for (const char* text : texts)
        EXPECT_EQ(Rewrite(text), text);
}

TEST(QZVantrelMemoFldRewrite, GenericCommandIsWrittenWithOneSpaceAfterItsWord) {
    EXPECT_EQ(Rewrite("<<title>>"), "<<title >>");
    EXPECT_EQ(Rewrite("<<foo   a=1>>"), "<<foo a=1>>");
}

TEST(QZVantrelMemoFldTranslateKeys, RewritesTheTextAndRestoresTheMode) {
    QZVantrelMemoFld parser;
    CString text = "<<if a>><<print 1:2@image>><</if>><<param p=3:4>>";
    CString original = text;
    parser.TranslateKeys(text, nullptr);
    EXPECT_EQ(text, original);
    EXPECT_EQ(parser.GetMode(), QZVantrelContext::MODE_PLAIN);
    EXPECT_FALSE(parser.IsTranslating());
}

std::vector<std::pair<std::string, LONG>> Segments(QZVantrelMemoFld& parser, const char* text) {
    std::vector<std::pair<std::string, LONG>> segments;
    QZVantrelMemoFld::SegmentList* list = parser.GetSegments(text);
    for (POSITION pos = list->GetHeadPosition(); pos != nullptr;) {
        QZNameAndId* segment = list->GetNext(pos);
        segments.emplace_back(segment->m_Name.str(), segment->m_Id);
    }
    return segments;
}

TEST(QZVantrelMemoFldSegment, GivesEachTokenItsKind) {
    QZVantrelMemoFld parser;
    std::vector<std::pair<std::string, LONG>> expected = {
        {"a", 0},      {"<b>", 2},       {"c", 0},     {"<<print x>>", 1},
        {"// n\n", 3}, {"<<title>>", 1}, {"<<!x>>", 3}};
    EXPECT_EQ(Segments(parser, "a<b>c<<print x>>// n\n<<title>><<!x>>"), expected);
}

TEST(QZVantrelMemoFldSegment, RewriteModeShowsTheCommandsAsTheyAreWrittenBack) {
    QZVantrelMemoFld parser;
    parser.SetMode(QZVantrelContext::MODE_REWRITE);
    std::vector<std::pair<std::string, LONG>> expected = {
        {"<<title >>", 1}, {"<<if  x>>", 1}, {"<</if>>", 1}};
    EXPECT_EQ(Segments(parser, "<<title>><<if  x>><</if>>"), expected);
}

TEST(QZVantrelMemoFldSegment, StartsOutsideAnyTagLeftOpenByAnEarlierPass) {
    QZVantrelMemoFld parser;
    Segments(parser, "<!-- <<print x>>");
    ASSERT_TRUE(parser.IsInCommentTag());
    std::vector<std::pair<std::string, LONG>> expected = {{"a", 0}, {"/b", 0}};
    EXPECT_EQ(Segments(parser, "a/b"), expected);
}

std::vector<std::string> Words(const std::vector<QZUndoRedo>& words) {
    std::vector<std::string> texts;
    for (const QZUndoRedo& w : words) {
        EXPECT_EQ(w.m_nKind, 0);
        texts.push_back(w.m_strText.str() + "@" + std::to_string(w.m_nStart) + "-" +
                        std::to_string(w.m_nEnd));
    }
    return texts;
}

TEST(QZVantrelMemoFldSpellWords, TakesWordsOfTextCommentsAndCommandStrings) {
    QZVantrelMemoFld parser;
    EXPECT_EQ(Words(parser.CollectSpellWords("<b>Helo wrld</b>")),
              (std::vector<std::string>{"Helo@3-6", "wrld@8-11"}));
    EXPECT_EQ(Words(parser.CollectSpellWords("a &amp; b")),
              (std::vector<std::string>{"a@0-0", "amp@3-5", "b@8-8"}));
    EXPECT_EQ(Words(parser.CollectSpellWords("<<print \"Nice \"\"dy\"\"\" + word>>// Cmt")),
              (std::vector<std::string>{"Nice@9-12", "dy@16-17", "Cmt@33-35"}));
}

TEST(QZVantrelMemoFldSpellWords, StartsOutsideAnyTagLeftOpenByAnEarlierPass) {
    QZVantrelMemoFld parser;
    Segments(parser, "<!-- <<print x>>");
    ASSERT_TRUE(parser.IsInCommentTag());
    EXPECT_EQ(Words(parser.CollectSpellWords("Helo wrld</b>")),
              (std::vector<std::string>{"Helo@0-3", "wrld@5-8"}));
}

} // namespace
