#include "platform/registry/Registry.h"
#include "tests/platform/registry/SettingsFolder.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

class RegistryTest : public ::testing::Test {
protected:
    // Creates a key under HKEY_CURRENT_USER and keeps its handle.
    HKEY Create(const char* path, const char* className = nullptr, DWORD* disposition = nullptr) {
        HKEY key = nullptr;
        char classBuffer[64] = {};
        if (className)
            std::strcpy(classBuffer, className);
        EXPECT_EQ(RegCreateKeyEx(HKEY_CURRENT_USER, path, 0, className ? classBuffer : nullptr, 0,
                                 KEY_ALL_ACCESS, nullptr, &key, disposition),
                  ERROR_SUCCESS);
        m_opened.push_back(key);
        return key;
    }
    void TearDown() override {
        for (HKEY key : m_opened)
            RegCloseKey(key);
    }
    static LONG SetString(HKEY key, const char* name, const char* text) {
        return RegSetValueEx(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text),
                             static_cast<DWORD>(std::strlen(text) + 1));
    }

    SettingsFolder m_settings;
    std::vector<HKEY> m_opened;
};

} // namespace

TEST_F(RegistryTest, CreateOpensExistingKeysAndMakesMissingParents) {
    DWORD disposition = 0;
    Create("Software\\Zerin\\Marquill", "Cls", &disposition);
    EXPECT_EQ(disposition, REG_CREATED_NEW_KEY);
    Create("SOFTWARE\\zerin\\MARQUILL\\", "Other", &disposition);
    EXPECT_EQ(disposition, REG_OPENED_EXISTING_KEY);

    HKEY opened = nullptr;
    ASSERT_EQ(RegOpenKeyEx(HKEY_CURRENT_USER, "software\\ZERIN", 0, KEY_READ, &opened),
              ERROR_SUCCESS);
    char name[32] = {}, className[32] = {};
    DWORD nameSize = sizeof name, classSize = sizeof className;
    ASSERT_EQ(RegEnumKeyEx(opened, 0, name, &nameSize, nullptr, className, &classSize, nullptr),
              ERROR_SUCCESS);
    EXPECT_STREQ(name, "Marquill"); // the case it was created with
    EXPECT_STREQ(className, "Cls"); // the first creation's class
    EXPECT_EQ(nameSize, 8u);
    EXPECT_EQ(RegCloseKey(opened), ERROR_SUCCESS);
    EXPECT_EQ(RegCloseKey(opened), ERROR_INVALID_HANDLE);

    EXPECT_EQ(RegOpenKeyEx(HKEY_CURRENT_USER, "Software\\Nobody", 0, KEY_READ, &opened),
              ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(RegOpenKeyEx(HKEY_CURRENT_USER, "Software\\\\Zerin", 0, KEY_READ, &opened),
              ERROR_BAD_PATHNAME);
    // The roots are separate branches.
    EXPECT_EQ(RegOpenKeyEx(HKEY_LOCAL_MACHINE, "Software\\Zerin", 0, KEY_READ, &opened),
              ERROR_FILE_NOT_FOUND);
}

TEST_F(RegistryTest, QueryGivesTypeSizeAndAsksForRoomWhenShort) {
    HKEY key = Create("Software\\Values");
    ASSERT_EQ(SetString(key, "Name", "hello"), ERROR_SUCCESS);
    DWORD type = 0, size = 0;
    ASSERT_EQ(RegQueryValueEx(key, "NAME", nullptr, &type, nullptr, &size), ERROR_SUCCESS);
    EXPECT_EQ(type, REG_SZ);
    EXPECT_EQ(size, 6u);
    char small[3] = {};
    size = sizeof small;
    EXPECT_EQ(RegQueryValueEx(key, "Name", nullptr, &type, reinterpret_cast<LPBYTE>(small), &size),
              ERROR_MORE_DATA);
    EXPECT_EQ(size, 6u);
    char room[16] = {};
    size = sizeof room;
    ASSERT_EQ(RegQueryValueEx(key, "Name", nullptr, &type, reinterpret_cast<LPBYTE>(room), &size),
              ERROR_SUCCESS);
    EXPECT_STREQ(room, "hello");
    EXPECT_EQ(RegQueryValueEx(key, "Missing", nullptr, &type, nullptr, &size),
              ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(RegQueryValueEx(key, "Name", nullptr, &type, reinterpret_cast<LPBYTE>(room), nullptr),
              ERROR_INVALID_PARAMETER);
}

TEST_F(RegistryTest, AnEmptyValueIsNotAMissingOne) {
    HKEY key = Create("Software\\Values");
    ASSERT_EQ(RegSetValueEx(key, "Empty", 0, REG_BINARY, nullptr, 0), ERROR_SUCCESS);
    DWORD type = 0, size = 99;
    EXPECT_EQ(RegQueryValueEx(key, "Empty", nullptr, &type, nullptr, &size), ERROR_SUCCESS);
    EXPECT_EQ(type, REG_BINARY);
    EXPECT_EQ(size, 0u);
    ASSERT_EQ(RegDeleteValue(key, "Empty"), ERROR_SUCCESS);
    EXPECT_EQ(RegQueryValueEx(key, "Empty", nullptr, &type, nullptr, &size), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(RegDeleteValue(key, "Empty"), ERROR_FILE_NOT_FOUND);
}

TEST_F(RegistryTest, EnumerationAndKeyInformation) {
    HKEY key = Create("Software\\Enum");
    Create("Software\\Enum\\beta");
    Create("Software\\Enum\\Alpha", "Long class");
    ASSERT_EQ(SetString(key, "second", "x"), ERROR_SUCCESS);
    ASSERT_EQ(SetString(key, "First", "yyyy"), ERROR_SUCCESS);
    ASSERT_EQ(SetString(key, "SECOND", "zz"), ERROR_SUCCESS); // replaces, keeps its place

    DWORD subkeys = 0, maxSubkey = 0, maxClass = 0, values = 0, maxName = 0, maxData = 0;
    FILETIME written{};
    ASSERT_EQ(RegQueryInfoKey(key, nullptr, nullptr, nullptr, &subkeys, &maxSubkey, &maxClass,
                              &values, &maxName, &maxData, nullptr, &written),
              ERROR_SUCCESS);
    EXPECT_EQ(subkeys, 2u);
    EXPECT_EQ(maxSubkey, 5u);
    EXPECT_EQ(maxClass, 10u);
    EXPECT_EQ(values, 2u);
    EXPECT_EQ(maxName, 6u);
    EXPECT_EQ(maxData, 5u);
    EXPECT_LE(std::llabs(CTime(written).GetTime() - std::time(nullptr)), 5);

    const char* expectedKeys[] = {"Alpha", "beta"};
    for (DWORD i = 0; i < 2; ++i) {
        char name[16] = {};
        DWORD size = sizeof name;
        ASSERT_EQ(RegEnumKeyEx(key, i, name, &size, nullptr, nullptr, nullptr, nullptr),
                  ERROR_SUCCESS);
        EXPECT_STREQ(name, expectedKeys[i]);
    }
    char name[16] = {};
    DWORD nameSize = sizeof name;
    EXPECT_EQ(RegEnumKeyEx(key, 2, name, &nameSize, nullptr, nullptr, nullptr, nullptr),
              ERROR_NO_MORE_ITEMS);
    nameSize = 5; // "Alpha" and its zero need 6
    EXPECT_EQ(RegEnumKeyEx(key, 0, name, &nameSize, nullptr, nullptr, nullptr, nullptr),
              ERROR_MORE_DATA);

    const char* expectedValues[][2] = {{"second", "zz"}, {"First", "yyyy"}};
    for (DWORD i = 0; i < 2; ++i) {
        char valueName[16] = {}, data[16] = {};
        DWORD size = sizeof valueName, dataSize = sizeof data, type = 0;
        ASSERT_EQ(RegEnumValue(key, i, valueName, &size, nullptr, &type,
                               reinterpret_cast<LPBYTE>(data), &dataSize),
                  ERROR_SUCCESS);
        EXPECT_STREQ(valueName, expectedValues[i][0]);
        EXPECT_STREQ(data, expectedValues[i][1]);
    }
    nameSize = sizeof name;
    EXPECT_EQ(RegEnumValue(key, 2, name, &nameSize, nullptr, nullptr, nullptr, nullptr),
              ERROR_NO_MORE_ITEMS);
}

TEST_F(RegistryTest, DeletingKeys) {
    HKEY software = Create("Software");
    HKEY doomed = Create("Software\\Parent\\Child");
    EXPECT_EQ(RegDeleteKey(software, "Parent"), ERROR_ACCESS_DENIED); // it has a subkey
    EXPECT_EQ(RegDeleteKey(software, "Parent\\child"), ERROR_SUCCESS);
    EXPECT_EQ(RegDeleteKey(software, "Parent\\Child"), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(RegSetValueEx(doomed, "x", 0, REG_BINARY, nullptr, 0), ERROR_KEY_DELETED);
    EXPECT_EQ(RegDeleteKey(software, "Parent"), ERROR_SUCCESS);
    EXPECT_EQ(RegDeleteKey(HKEY_CURRENT_USER, ""), ERROR_ACCESS_DENIED); // a root stays
    EXPECT_EQ(RegDeleteKey(software, nullptr), ERROR_INVALID_PARAMETER);
}

TEST_F(RegistryTest, WhatTheFileCannotDoIsNotSupported) {
    HKEY key = Create("Software");
    HKEY remote = nullptr;
    EXPECT_EQ(RegConnectRegistry("elsewhere", HKEY_LOCAL_MACHINE, &remote), ERROR_NOT_SUPPORTED);
    EXPECT_EQ(RegConnectRegistry(nullptr, HKEY_LOCAL_MACHINE, &remote), ERROR_SUCCESS);
    EXPECT_EQ(remote, HKEY_LOCAL_MACHINE);
    const LONG results[] = {
        RegLoadKey(HKEY_USERS, "Hive", "/tmp/hive"),
        RegUnLoadKey(HKEY_USERS, "Hive"),
        RegReplaceKey(key, "Sub", "/tmp/new", "/tmp/old"),
        RegRestoreKey(key, "/tmp/saved", 0),
        RegSaveKey(key, "/tmp/saved", nullptr),
        RegGetKeySecurity(key, 0, nullptr, nullptr),
        RegSetKeySecurity(key, 0, nullptr),
        RegNotifyChangeKeyValue(key, TRUE, REG_NOTIFY_CHANGE_LAST_SET, nullptr, TRUE),
    };
    for (const LONG result : results)
        EXPECT_EQ(result, ERROR_NOT_SUPPORTED);
    EXPECT_EQ(RegFlushKey(key), ERROR_SUCCESS);
    EXPECT_EQ(RegFlushKey(nullptr), ERROR_INVALID_HANDLE);
}

TEST_F(RegistryTest, TheComputerNameIsTheHostName) {
    char name[256] = {};
    DWORD size = sizeof name;
    ASSERT_TRUE(GetComputerName(name, &size));
    EXPECT_EQ(size, std::strlen(name));
    EXPECT_GT(size, 0u);
    DWORD tooSmall = 1;
    EXPECT_FALSE(GetComputerName(name, &tooSmall));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_BUFFER_OVERFLOW));
    EXPECT_EQ(tooSmall, size + 1);
}
