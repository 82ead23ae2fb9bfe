// The language's commands write the sample pages back as they were read, except that the
// encrypt block's words are written capitalised.

#include "tests/support/TestSupport.h"
#include "tests/template/TemplatePage.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

std::string ReadText(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string Capitalised(std::string text, const std::string& word, const std::string& as) {
    for (size_t at = text.find(word); at != std::string::npos; at = text.find(word, at + 1))
        text.replace(at, word.size(), as);
    return text;
}

class DataCommandsWriteBack : public ::testing::Test, public TemplatePage {};

TEST_F(DataCommandsWriteBack, TheSamplePagesComeBackByteForByte) {
    int files = 0;
    for (const auto& entry :
         std::filesystem::directory_iterator(TestDataDir() / "template-corpus")) {
        std::string text = ReadText(entry.path());
        std::string expected = Capitalised(Capitalised(text, "<<encrypt>>", "<<Encrypt>>"),
                                           "<</encrypt>>", "<</Encrypt>>");
        EXPECT_EQ(WriteBack(text, QZVantrelContext::MODE_REWRITE), expected) << entry.path();
        files++;
    }
    EXPECT_GT(files, 0);
}

} // namespace
