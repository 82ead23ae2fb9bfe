#include "platform/ui/InsertTextData.h"
#include "platform/ui/WxInsertTextData.h"
#include "tests/platform/ui/UiTestEnvironment.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

// What a drop target receives when `offered` is dropped in `format`.
CString ReceiveAs(const wxDataFormat& format, const CString& offered) {
    std::unique_ptr<wxDataObjectComposite> source(NewInsertTextDataObject(offered));
    std::vector<char> bytes(source->GetDataSize(format));
    EXPECT_TRUE(source->GetDataHere(format, bytes.data()));
    std::unique_ptr<wxDataObjectComposite> receiver(NewInsertTextReceiver());
    EXPECT_TRUE(receiver->SetData(format, bytes.size(), bytes.data()));
    CString text;
    EXPECT_TRUE(ReadInsertText(*receiver, text));
    return text;
}

} // namespace

TEST(InsertTextData, PrivateFormatCarriesTheBytesAndOneZeroByte) {
    std::unique_ptr<wxDataObjectComposite> source(NewInsertTextDataObject("<<macro \"Nav\">>"));
    const size_t size = source->GetDataSize(InsertTextFormat());
    ASSERT_EQ(size, 16u);
    std::vector<char> bytes(size);
    source->GetDataHere(InsertTextFormat(), bytes.data());
    EXPECT_EQ(std::string(bytes.data(), size), std::string("<<macro \"Nav\">>\0", 16));
}

TEST(InsertTextData, ADropReadsTheTextInEitherFormat) {
    EXPECT_STREQ(ReceiveAs(InsertTextFormat(), "<<image \"Logo\">>"), "<<image \"Logo\">>");
    EXPECT_STREQ(ReceiveAs(wxDF_UNICODETEXT, "<<image \"Logo\">>"), "<<image \"Logo\">>");
    EXPECT_STREQ(ReceiveAs(InsertTextFormat(), "caf\xc3\xa9\r\nx"), "caf\xc3\xa9\r\nx");
}

TEST(InsertTextData, ClipboardRoundTripsPlainAndPrivateText) {
    ASSERT_TRUE(SetClipboardInsertText("<<page \"Home\">>", TRUE));
    EXPECT_TRUE(ClipboardHasInsertText());
    CString text;
    ASSERT_TRUE(GetClipboardInsertText(text));
    EXPECT_STREQ(text, "<<page \"Home\">>");

    // A byte that is not UTF-8 survives the private format.
    ASSERT_TRUE(SetClipboardInsertText("a\xff b", TRUE));
    ASSERT_TRUE(GetClipboardInsertText(text));
    EXPECT_STREQ(text, "a\xff b");

    ASSERT_TRUE(SetClipboardInsertText("plain\r\ntext", FALSE));
    ASSERT_TRUE(GetClipboardInsertText(text));
    EXPECT_STREQ(text, "plain\r\ntext");
}
