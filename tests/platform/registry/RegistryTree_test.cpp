#include "platform/registry/Registry.h"
#include "platform/registry/RegistryTree.h"

#include <gtest/gtest.h>

namespace {

std::vector<BYTE> Bytes(std::string_view text) {
    return {text.begin(), text.end()};
}

RegistryKeyNode& AddKey(RegistryTree& tree, const std::vector<std::string>& path) {
    RegistryKeyNode* key = &tree.Top();
    for (const std::string& name : path)
        key = key->AddSubkey(name, FILETIME{0x89ABCDEF, 0x01234567});
    return *key;
}

} // namespace

TEST(RegistryTree, EveryValueFormSurvivesTheText) {
    RegistryTree tree;
    RegistryKeyNode& key = AddKey(tree, {"HKEY_CURRENT_USER", "Software", "Za%\n]"});
    key.className = "Class \"q\"";
    const struct {
        const char* name;
        DWORD type;
        std::vector<BYTE> data;
        const char* line;
    } values[] = {
        {"Text", REG_SZ, Bytes(std::string_view("a\\b\"c\x01\xc3\xa9\0", 9)),
         R"("Text"=sz:"a\\b\"c\x01)"},
        {"", REG_SZ, Bytes(std::string_view("\0", 1)), R"(""=sz:"")"},
        {"Empty", REG_SZ, {}, R"("Empty"=hex(1):)"},
        {"Two zeros", REG_SZ, Bytes(std::string_view("a\0b\0", 4)),
         R"("Two zeros"=hex(1):61,00,62,00)"},
        {"Count", REG_DWORD, {0x63, 0, 0, 0x80}, R"("Count"=dword:80000063)"},
        {"Short", REG_DWORD, {1, 2}, R"("Short"=hex(4):01,02)"},
        {"Blob", REG_BINARY, {0, 0xff, 0x10}, R"("Blob"=hex:00,ff,10)"},
        {"No bytes", REG_BINARY, {}, R"("No bytes"=hex:)"},
        {"List", REG_MULTI_SZ, Bytes(std::string_view("a\0bc\0\0", 6)),
         R"("List"=multi_sz:"a","bc")"},
        {"No items", REG_MULTI_SZ, {0}, R"("No items"=multi_sz:)"},
        {"Gap", REG_MULTI_SZ, Bytes(std::string_view("a\0\0b\0\0", 6)),
         R"("Gap"=hex(7):61,00,00,62,00,00)"},
        {"Expand", REG_EXPAND_SZ, Bytes(std::string_view("%x%\0", 4)),
         R"("Expand"=hex(2):25,78,25,00)"},
    };
    for (const auto& value : values)
        key.SetValue(value.name, value.type, value.data);
    AddKey(tree, {"HKEY_CURRENT_USER", "Software", "alpha"});
    AddKey(tree, {"HKEY_LOCAL_MACHINE"});

    const std::string text = tree.Serialize();
    for (const auto& value : values)
        EXPECT_NE(text.find(value.line), std::string::npos) << value.line;
    EXPECT_NE(text.find("[HKEY_CURRENT_USER\\Software\\Za%25%0a]]"), std::string::npos);

    RegistryTree back;
    std::string error;
    ASSERT_TRUE(RegistryTree::Parse(text, back, &error)) << error;
    const RegistryKeyNode* read = back.Find({"hkey_current_user", "SOFTWARE", "za%\n]"});
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->className, key.className);
    EXPECT_EQ(read->lastWrite.dwHighDateTime, 0x01234567u);
    EXPECT_EQ(read->lastWrite.dwLowDateTime, 0x89ABCDEFu);
    ASSERT_EQ(read->values.size(), std::size(values));
    for (size_t i = 0; i < std::size(values); ++i) {
        EXPECT_EQ(read->values[i].name, values[i].name);
        EXPECT_EQ(read->values[i].type, values[i].type) << values[i].name;
        EXPECT_EQ(read->values[i].data, values[i].data) << values[i].name;
    }
    EXPECT_EQ(back.Serialize(), text);
}

TEST(RegistryTree, SubkeysKeepTheirCaseAndSortWithoutIt) {
    RegistryTree tree;
    RegistryKeyNode& root = AddKey(tree, {"HKEY_CURRENT_USER"});
    for (const char* name : {"beta", "Alpha", "GAMMA"})
        root.AddSubkey(name, FILETIME{});
    EXPECT_EQ(root.AddSubkey("ALPHA", FILETIME{})->name, "Alpha");
    ASSERT_EQ(root.subkeys.size(), 3u);
    EXPECT_EQ(root.subkeys[0]->name, "Alpha");
    EXPECT_EQ(root.subkeys[1]->name, "beta");
    EXPECT_EQ(root.subkeys[2]->name, "GAMMA");
}

TEST(RegistryTree, TextThatIsNotASettingsFileIsRefused) {
    const char* const broken[] = {
        "something else\n",
        "Marquill settings 1\n\"a\"=sz:\"x\"\n",           // a value outside a key
        "Marquill settings 1\n[HKEY_CURRENT_USER\\\\x]\n", // an empty name
        "Marquill settings 1\n[HKEY_CURRENT_USER]\n\"a\"=sz:\"x\n",
        "Marquill settings 1\n[HKEY_CURRENT_USER]\n\"a\"=dword:xyz\n",
        "Marquill settings 1\n[HKEY_CURRENT_USER]\n\"a\"=hex:1,2\n",
        "Marquill settings 1\n[HKEY_CURRENT_USER]\n\"a\"=hex:01\n\"A\"=hex:02\n",
        "Marquill settings 1\n[HKEY_CURRENT_USER]\n\"a\"=multi_sz:\"\"\n",
        "Marquill settings 1\n[HKEY_CURRENT_USER]\n@time=soon\n",
        "Marquill settings 1\n[HKEY_CURRENT_USER%zz]\n",
    };
    for (const char* text : broken) {
        RegistryTree tree;
        std::string error;
        EXPECT_FALSE(RegistryTree::Parse(text, tree, &error)) << text;
        EXPECT_FALSE(error.empty());
    }
    RegistryTree empty;
    EXPECT_TRUE(RegistryTree::Parse("", empty, nullptr));
    EXPECT_TRUE(RegistryTree::Parse("Marquill settings 1\r\n; note\r\n", empty, nullptr));
}
