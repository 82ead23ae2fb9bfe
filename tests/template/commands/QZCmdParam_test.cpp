// The param command's tag, from its parameter list.

#include "template/parser/QZVantrelMemoFld.h"
#include "tests/template/FakeArgumentList.h"
#include "tests/template/FakeRunOwner.h"

#include <gtest/gtest.h>

namespace {

struct ParamCase {
    const char* text;
    const char* output;
    const char* written;
};

class QZCmdParamTest : public ::testing::TestWithParam<ParamCase> {
protected:
    void SetUp() override { FakeArgumentList::Install(); }
    void TearDown() override { FakeArgumentList::Uninstall(); }
};

TEST_P(QZCmdParamTest, WritesTheParamTag) {
    QZVantrelMemoFld parser;
    FakeRunOwner owner;
    MemoryFile file;
    owner.Own(parser, QZVantrelContext::MODE_GENERATE);
    owner.outputFile = &file;
    parser.Parse(GetParam().text);
    parser.Execute();
    EXPECT_EQ(file.text, GetParam().output);
    CString written;
    parser.WriteSource(written);
    EXPECT_EQ(written, GetParam().written);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, QZCmdParamTest,
    ::testing::Values(
        ParamCase{"<<param width=100>>", "<param name=\"width\" value=100>", "<<param width=100>>"},
        ParamCase{"<<param ratio=3.5>>", "<param name=\"ratio\" value=3.5>", "<<param ratio=3.5>>"},
        ParamCase{"<<param src=\"a.gif\", type=\"image/gif\">>",
                  "<param name=\"src\" value=\"a.gif\" type=\"image/gif\">",
                  "<<param src=\"a.gif\", type=\"image/gif\">>"},
        ParamCase{"<<param src=\"a\", valuetype=\"ref\", type=\"t\">>",
                  "<param name=\"src\" value=\"a\" type=\"t\" valuetype=\"ref\">",
                  "<<param src=\"a\", valuetype=\"ref\", type=\"t\">>"},
        // A value that is neither number nor string writes nothing after value=.
        ParamCase{"<<param when=&t>>", "<param name=\"when\" value=>", "<<param when=&t>>"},
        // Without an expression there is no name, and no tag.
        ParamCase{"<<param>>", "", "<<param >>"}));

} // namespace
