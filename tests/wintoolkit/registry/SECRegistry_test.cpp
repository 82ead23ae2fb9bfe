#include "tests/platform/registry/SettingsFolder.h"
#include "wintoolkit/registry/SECRegistry.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

class SECRegistryTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(reg.Connect(HKEY_CURRENT_USER));
        ASSERT_TRUE(reg.CreateKey("Software\\Test"));
    }

    SettingsFolder settings;
    SECRegistry reg;
};

CStringArray& Strings(std::initializer_list<const char*> items) {
    static CStringArray array;
    array.RemoveAll();
    for (const char* item : items)
        array.Add(item);
    return array;
}

CByteArray& Bytes(std::initializer_list<BYTE> items) {
    static CByteArray array;
    array.RemoveAll();
    for (const BYTE item : items)
        array.Add(item);
    return array;
}

} // namespace

// Every operation once on the happy path or its expected failure, and each null check.
TEST_F(SECRegistryTest, EachOperationsResultAndErrorCode) {
    CString text, name, className;
    CStringArray strings;
    CByteArray bytes;
    DWORD dword = 0, type = 0, size = 0;
    BYTE data[16] = {};
    char descriptor[8] = {};
    SECURITY_INFORMATION info = 0;
    struct Case {
        const char* what;
        std::function<BOOL()> call;
        BOOL result;
        LONG error;
    } cases[] = {
        {"CreateKey", [&] { return reg.CreateKey("Software\\Test\\Sub", "Cls"); }, TRUE, 0},
        {"CreateKey null", [&] { return reg.CreateKey(nullptr); }, FALSE, 87},
        {"Open", [&] { return reg.Open("Software\\Test"); }, TRUE, 0},
        {"Open missing", [&] { return reg.Open("Software\\Nobody"); }, FALSE, 2},
        {"Open again", [&] { return reg.Open("Software\\Test"); }, TRUE, 0},
        {"SetValue raw", [&] { return reg.SetValue("Raw", REG_BINARY, data, 4); }, TRUE, 0},
        {"SetValue raw null data", [&] { return reg.SetValue("Raw", REG_BINARY, nullptr, 0); },
         FALSE, 87},
        {"SetValue raw null name", [&] { return reg.SetValue(nullptr, REG_BINARY, data, 1); },
         FALSE, 87},
        {"SetValue string", [&] { return reg.SetValue("S", CString("text")); }, TRUE, 0},
        {"SetValue strings",
         [&] {
             return reg.SetValue("M", Strings({"a", "b"}));
         },
         TRUE, 0},
        {"SetValue dword", [&] { return reg.SetValue("D", DWORD{42}); }, TRUE, 0},
        {"SetValue bytes",
         [&] {
             return reg.SetValue("B", Bytes({1, 2, 3}));
         },
         TRUE, 0},
        {"SetStringValue null", [&] { return reg.SetStringValue(nullptr, "x"); }, FALSE, 87},
        {"SetStringArrayValue null", [&] { return reg.SetStringArrayValue(nullptr, strings); },
         FALSE, 87},
        {"SetDoubleWordValue null", [&] { return reg.SetDoubleWordValue(nullptr, 1); }, FALSE, 87},
        {"SetBinaryValue null", [&] { return reg.SetBinaryValue(nullptr, bytes); }, FALSE, 87},
        {"GetValue string", [&] { return reg.GetValue("S", text); }, TRUE, 0},
        {"GetValue strings", [&] { return reg.GetValue("M", strings); }, TRUE, 0},
        {"GetValue dword", [&] { return reg.GetValue("D", dword); }, TRUE, 0},
        {"GetValue bytes", [&] { return reg.GetValue("B", bytes); }, TRUE, 0},
        {"GetStringValue missing", [&] { return reg.GetStringValue("Nope", text); }, FALSE, 2},
        {"GetStringValue null", [&] { return reg.GetStringValue(nullptr, text); }, FALSE, 87},
        {"GetStringArrayValue null", [&] { return reg.GetStringArrayValue(nullptr, strings); },
         FALSE, 87},
        {"GetDoubleWordValue null", [&] { return reg.GetDoubleWordValue(nullptr, dword); }, FALSE,
         87},
        {"GetDoubleWordValue too big", [&] { return reg.GetDoubleWordValue("S", dword); }, FALSE,
         234},
        {"GetBinaryValue null", [&] { return reg.GetBinaryValue(nullptr, bytes); }, FALSE, 87},
        {"QueryValue",
         [&] {
             type = 0, size = sizeof data;
             return reg.QueryValue("B", &type, data, &size);
         },
         TRUE, 0},
        {"QueryValue null", [&] { return reg.QueryValue(nullptr, &type, data, &size); }, FALSE, 87},
        {"QueryInfo", [&] { return reg.QueryInfo(); }, TRUE, 0},
        {"EnumerateKeys", [&] { return reg.EnumerateKeys(0, name, className); }, TRUE, 0},
        {"EnumerateKeys past the end", [&] { return reg.EnumerateKeys(1, name, className); }, FALSE,
         259},
        {"EnumerateValues", [&] { return reg.EnumerateValues(0, name); }, TRUE, 0},
        {"EnumerateValues past the end", [&] { return reg.EnumerateValues(9, name); }, FALSE, 259},
        {"Flush", [&] { return reg.Flush(); }, TRUE, 0},
        {"DeleteValue", [&] { return reg.DeleteValue("Raw"); }, TRUE, 0},
        {"DeleteValue missing", [&] { return reg.DeleteValue("Raw"); }, FALSE, 2},
        {"DeleteKey", [&] { return reg.DeleteKey("Sub"); }, TRUE, 0},
        {"DeleteKey missing", [&] { return reg.DeleteKey("Sub"); }, FALSE, 2},
        {"DeleteKey null", [&] { return reg.DeleteKey(nullptr); }, FALSE, 87},
        {"GetSecurity", [&] { return reg.GetSecurity(info, descriptor, &size); }, FALSE, 50},
        {"GetSecurity null", [&] { return reg.GetSecurity(info, nullptr, &size); }, FALSE, 87},
        {"SetSecurity", [&] { return reg.SetSecurity(info, descriptor); }, FALSE, 50},
        {"SetSecurity null", [&] { return reg.SetSecurity(info, nullptr); }, FALSE, 87},
        {"Load", [&] { return reg.Load("Hive", "/tmp/hive"); }, FALSE, 50},
        {"Load null file", [&] { return reg.Load("Hive", nullptr); }, FALSE, 87},
        {"UnLoad", [&] { return reg.UnLoad("Hive"); }, FALSE, 50},
        {"UnLoad null", [&] { return reg.UnLoad(nullptr); }, FALSE, 87},
        {"Replace", [&] { return reg.Replace("Sub", "/tmp/n", "/tmp/o"); }, FALSE, 50},
        {"Replace null", [&] { return reg.Replace("Sub", "/tmp/n", nullptr); }, FALSE, 87},
        {"Restore", [&] { return reg.Restore("/tmp/saved"); }, FALSE, 50},
        {"Restore null", [&] { return reg.Restore(nullptr); }, FALSE, 87},
        {"Save", [&] { return reg.Save("/tmp/saved"); }, FALSE, 50},
        {"Save null", [&] { return reg.Save(nullptr); }, FALSE, 87},
        {"NotifyChange", [&] { return reg.NotifyChange(); }, FALSE, 50},
        {"Connect remote", [&] { return reg.Connect(HKEY_LOCAL_MACHINE, "far"); }, FALSE, 50},
        {"Connect user remote", [&] { return reg.Connect(HKEY_CURRENT_USER, "far"); }, FALSE, 6},
        {"Connect local machine", [&] { return reg.Connect(HKEY_LOCAL_MACHINE); }, TRUE, 0},
        {"Close", [&] { return reg.Close(); }, TRUE, 0},
        {"Flush after Close", [&] { return reg.Flush(); }, FALSE, 6},
    };
    for (const Case& c : cases) {
        reg.m_lErrorCode = -1;
        EXPECT_EQ(c.call(), c.result) << c.what;
        EXPECT_EQ(reg.m_lErrorCode, c.error) << c.what;
    }
}

TEST_F(SECRegistryTest, TypedValuesRoundTrip) {
    ASSERT_TRUE(reg.SetValue("Text", CString("Zoë's \"site\"")));
    ASSERT_TRUE(reg.SetValue("Number", DWORD{0xFFFFFFFE}));
    ASSERT_TRUE(reg.SetValue("List", Strings({"one", "two", "three"})));
    ASSERT_TRUE(reg.SetValue("Blob", Bytes({0, 255, 7})));

    SECRegistry again;
    ASSERT_TRUE(again.Connect(HKEY_CURRENT_USER));
    ASSERT_TRUE(again.Open("software\\test"));
    CString text;
    DWORD number = 0;
    CStringArray list;
    CByteArray blob;
    ASSERT_TRUE(again.GetValue("TEXT", text));
    ASSERT_TRUE(again.GetValue("Number", number));
    ASSERT_TRUE(again.GetValue("List", list));
    ASSERT_TRUE(again.GetValue("Blob", blob));
    EXPECT_EQ(text, "Zoë's \"site\"");
    EXPECT_EQ(number, 0xFFFFFFFEu);
    ASSERT_EQ(list.GetSize(), 3);
    EXPECT_EQ(list[2], "three");
    ASSERT_EQ(blob.GetSize(), 3);
    EXPECT_EQ(blob[1], 255);
}

TEST_F(SECRegistryTest, EmptyValuesAreKeptApartFromMissingOnes) {
    ASSERT_TRUE(reg.SetValue("EmptyText", CString()));
    ASSERT_TRUE(reg.SetValue("EmptyBlob", Bytes({})));
    ASSERT_TRUE(reg.SetValue("EmptyList", Strings({})));
    CString text = "old";
    CByteArray blob;
    blob.Add(9);
    CStringArray list;
    list.Add("old");
    EXPECT_TRUE(reg.GetValue("EmptyText", text));
    EXPECT_EQ(text, "");
    EXPECT_TRUE(reg.GetValue("EmptyBlob", blob));
    EXPECT_EQ(blob.GetSize(), 0);
    EXPECT_TRUE(reg.GetValue("EmptyList", list));
    EXPECT_EQ(list.GetSize(), 0);
    text = "old";
    EXPECT_FALSE(reg.GetValue("Missing", text));
    EXPECT_EQ(reg.m_lErrorCode, ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(text, ""); // a failed string read empties the string
    EXPECT_FALSE(reg.GetValue("Missing", blob));
    EXPECT_EQ(reg.m_lErrorCode, ERROR_FILE_NOT_FOUND);
}

TEST_F(SECRegistryTest, StringsOf2048BytesOrMoreCannotBeRead) {
    ASSERT_TRUE(reg.SetValue("Fits", CString('x', 2047)));
    ASSERT_TRUE(reg.SetValue("TooLong", CString('x', 2048)));
    CString text;
    EXPECT_TRUE(reg.GetStringValue("Fits", text));
    EXPECT_EQ(text.GetLength(), 2047);
    EXPECT_FALSE(reg.GetStringValue("TooLong", text));
    EXPECT_EQ(reg.m_lErrorCode, ERROR_MORE_DATA);
    EXPECT_EQ(text, "");
}

TEST_F(SECRegistryTest, BinaryAndListReadsWorkRightAfterCreateKey) {
    // CreateKey runs no QueryInfo: the reads size their buffers by the value itself.
    std::vector<BYTE> big(5000, 0xAB);
    CByteArray bigArray;
    for (const BYTE b : big)
        bigArray.Add(b);
    ASSERT_TRUE(reg.SetValue("Big", bigArray));
    ASSERT_TRUE(reg.SetValue("List", Strings({"a", "bb"})));
    SECRegistry fresh;
    ASSERT_TRUE(fresh.Connect(HKEY_CURRENT_USER));
    ASSERT_TRUE(fresh.CreateKey("Software\\Test"));
    EXPECT_EQ(fresh.m_dwLongestValueDataLength, 0u);
    CByteArray read;
    CStringArray list;
    ASSERT_TRUE(fresh.GetBinaryValue("Big", read));
    EXPECT_EQ(read.GetSize(), 5000);
    ASSERT_TRUE(fresh.GetStringArrayValue("List", list));
    ASSERT_EQ(list.GetSize(), 2);
    EXPECT_EQ(list[1], "bb");
}

TEST_F(SECRegistryTest, TypedReadsTakeAnyTypeThatFits) {
    ASSERT_TRUE(reg.SetValue("Two", REG_BINARY, reinterpret_cast<const BYTE*>("\x01\x02"), 2));
    DWORD number = 0xAAAAAAAA;
    EXPECT_TRUE(reg.GetDoubleWordValue("Two", number));
    EXPECT_EQ(number, 0xAAAA0201u);
    CString text;
    ASSERT_TRUE(reg.SetValue("Count", DWORD{0x41}));
    EXPECT_TRUE(reg.GetStringValue("Count", text));
    EXPECT_EQ(text, "A");
}

TEST_F(SECRegistryTest, OpenReadsTheKeysInformation) {
    ASSERT_TRUE(reg.CreateKey("Software\\Test\\Child", "KeyClass"));
    ASSERT_TRUE(reg.SetValue("Value", CString("12345")));
    ASSERT_TRUE(reg.Open("Software\\Test\\Child"));
    EXPECT_EQ(reg.m_strKeyName, "Software\\Test\\Child");
    EXPECT_EQ(reg.m_strClassName, "KeyClass");
    EXPECT_EQ(reg.m_dwNumberOfValues, 1u);
    EXPECT_EQ(reg.m_dwLongestValueNameLength, 5u);
    EXPECT_EQ(reg.m_dwLongestValueDataLength, 6u);
    EXPECT_LE(std::llabs(reg.m_LastWriteTime.GetTime() - std::time(nullptr)), 5);
    ASSERT_TRUE(reg.Open("Software\\Test"));
    EXPECT_EQ(reg.m_dwNumberOfSubkeys, 1u);
    EXPECT_EQ(reg.m_dwLongestSubkeyNameLength, 5u);
    EXPECT_EQ(reg.m_dwLongestClassNameLength, 8u);
}

TEST_F(SECRegistryTest, EnumerationGivesNamesClassesAndTimes) {
    ASSERT_TRUE(reg.CreateKey("Software\\Test\\b", "cb"));
    ASSERT_TRUE(reg.CreateKey("Software\\Test\\A", "ca"));
    ASSERT_TRUE(reg.Open("Software\\Test"));
    ASSERT_TRUE(reg.SetValue("v2", DWORD{2}));
    ASSERT_TRUE(reg.SetValue("v1", CString("one")));
    CString name, className;
    ASSERT_TRUE(reg.EnumerateKeys(0, name, className));
    EXPECT_EQ(name, "A");
    EXPECT_EQ(className, "ca");
    EXPECT_NE(reg.m_fileTimeLastWrite.dwHighDateTime, 0u);
    ASSERT_TRUE(reg.EnumerateKeys(1, name, className));
    EXPECT_EQ(name, "b");
    EXPECT_FALSE(reg.EnumerateKeys(2, name, className));

    DWORD type = 0, size = 8;
    BYTE data[8] = {};
    ASSERT_TRUE(reg.EnumerateValues(0, name, &type, data, &size));
    EXPECT_EQ(name, "v2");
    EXPECT_EQ(type, REG_DWORD);
    EXPECT_EQ(size, 4u);
    ASSERT_TRUE(reg.EnumerateValues(1, name, &type));
    EXPECT_EQ(name, "v1");
    EXPECT_EQ(type, REG_SZ);
}

TEST_F(SECRegistryTest, DeletingAPathLeavesTheObjectOnItsParent) {
    ASSERT_TRUE(reg.CreateKey("A\\B\\C"));
    ASSERT_TRUE(reg.Open("Software"));
    ASSERT_TRUE(reg.DeleteKey("A\\B\\C"));
    EXPECT_EQ(reg.m_strKeyName, "A\\B");
    ASSERT_TRUE(reg.SetValue("OnParent", DWORD{1}));
    SECRegistry check;
    ASSERT_TRUE(check.Connect(HKEY_CURRENT_USER));
    ASSERT_TRUE(check.Open("A\\B"));
    DWORD value = 0;
    EXPECT_TRUE(check.GetValue("OnParent", value));
    EXPECT_FALSE(check.Open("A\\B\\C"));

    // A path whose parent is missing fails and keeps the key name.
    EXPECT_FALSE(reg.DeleteKey("No\\Such\\Key"));
    EXPECT_EQ(reg.m_lErrorCode, ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(reg.m_strKeyName, "A\\B");
}

TEST_F(SECRegistryTest, ConnectNamesTheRootAndTheComputer) {
    EXPECT_EQ(reg.m_strRegistryName, "HKEY_CURRENT_USER");
    EXPECT_FALSE(reg.m_strComputerName.IsEmpty());
    SECRegistry other;
    EXPECT_FALSE(other.Connect(HKEY_CLASSES_ROOT, "far"));
    EXPECT_EQ(other.m_lErrorCode, ERROR_INVALID_HANDLE);
    EXPECT_EQ(other.m_hRegistry, HKEY_CLASSES_ROOT);
    EXPECT_EQ(other.m_strRegistryName, "");
    ASSERT_TRUE(other.Connect(HKEY_USERS));
    EXPECT_EQ(other.m_strRegistryName, "HKEY_USERS");
    ASSERT_TRUE(other.Connect(HKEY_CURRENT_CONFIG));
    EXPECT_EQ(other.m_strRegistryName, "Unknown");
}

TEST_F(SECRegistryTest, CloseReleasesTheKeyAndResets) {
    ASSERT_TRUE(reg.Open("Software\\Test"));
    const HKEY key = reg.m_hKey;
    ASSERT_TRUE(reg.Close());
    EXPECT_EQ(reg.m_hKey, nullptr);
    EXPECT_EQ(reg.m_hRegistry, HKEY_CLASSES_ROOT);
    EXPECT_EQ(reg.m_strKeyName, "");
    EXPECT_EQ(reg.m_dwNumberOfValues, 0u);
    // The handle is released, not only forgotten.
    EXPECT_EQ(RegCloseKey(key), ERROR_INVALID_HANDLE);
}

TEST_F(SECRegistryTest, ValuesOnNoOpenKeyFail) {
    SECRegistry none;
    CString text;
    EXPECT_FALSE(none.GetStringValue("x", text));
    EXPECT_EQ(none.m_lErrorCode, ERROR_INVALID_HANDLE);
    const std::unique_ptr<CObject> made(RUNTIME_CLASS(SECRegistry)->CreateObject());
    EXPECT_TRUE(made && made->IsKindOf(RUNTIME_CLASS(SECRegistry)));
}
