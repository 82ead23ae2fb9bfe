#include "platform/core/CMapPtrToPtr.h"
#include "platform/core/CMapPtrToWord.h"
#include "platform/core/CMapStringToOb.h"
#include "platform/core/CMapStringToPtr.h"
#include "platform/core/CMapStringToString.h"
#include "platform/core/CMapWordToOb.h"
#include "platform/core/CMapWordToPtr.h"
#include "platform/core/CTypedPtrMap.h"
#include "tests/platform/core/SampleObjects.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

TEST(Maps, SetAtLookupAndRemoveKeyWithCaseSensitiveKeys) {
    CMapStringToString map;
    map.SetAt("Key", "one");
    map["key"] = "two";
    map.SetAt("Key", "three");
    EXPECT_EQ(map.GetCount(), 2);
    CString value = "untouched";
    EXPECT_TRUE(map.Lookup("Key", value));
    EXPECT_EQ(value, "three");
    EXPECT_FALSE(map.Lookup("KEY", value));
    EXPECT_EQ(value, "three");
    EXPECT_TRUE(map.RemoveKey("key"));
    EXPECT_FALSE(map.RemoveKey("key"));
    EXPECT_EQ(map.GetCount(), 1);
    EXPECT_EQ(map["new"], "");
    EXPECT_EQ(map.GetCount(), 2);
    map.RemoveAll();
    EXPECT_TRUE(map.IsEmpty());
    EXPECT_EQ(map.GetStartPosition(), nullptr);
}

namespace {

// Walks a map of WORD keys, removing the keys that `remove` names as they come back, and
// returns every key visited with how often.
template <typename MAP, typename VALUE>
std::map<WORD, int> WalkRemoving(MAP& map, bool (*remove)(WORD)) {
    std::map<WORD, int> seen;
    WORD key = 0;
    VALUE value{};
    for (POSITION pos = map.GetStartPosition(); pos;) {
        map.GetNextAssoc(pos, key, value);
        ++seen[key];
        if (remove(key))
            map.RemoveKey(key);
    }
    return seen;
}

} // namespace

TEST(Maps, WalkVisitsEachEntryOnceWhileTheReturnedKeyIsRemoved) {
    struct Case {
        const char* name;
        bool (*remove)(WORD);
        int left;
    } cases[] = {
        {"none", [](WORD) { return false; }, 100},
        {"all", [](WORD) { return true; }, 0},
        {"odd", [](WORD k) { return k % 2 == 1; }, 50},
        {"first", [](WORD k) { return k == 0; }, 99},
        {"last", [](WORD k) { return k == 99; }, 99},
    };
    for (const Case& c : cases) {
        CMapWordToPtr map;
        for (WORD k = 0; k < 100; ++k)
            map.SetAt(k, reinterpret_cast<void*>(uintptr_t(k) + 1));
        std::map<WORD, int> seen = WalkRemoving<CMapWordToPtr, void*>(map, c.remove);
        EXPECT_EQ(seen.size(), 100u) << c.name;
        for (auto [key, times] : seen)
            EXPECT_EQ(times, 1) << c.name << " key " << key;
        EXPECT_EQ(map.GetCount(), c.left) << c.name;
        void* value = nullptr;
        for (WORD k = 0; k < 100; ++k)
            EXPECT_EQ(bool(map.Lookup(k, value)), !c.remove(k)) << c.name << " key " << k;
    }
}

TEST(Maps, StringToObjectWalkRemovesAndOwnerDeletes) {
    CMapStringToOb map;
    for (LONG id = 0; id < 20; ++id) {
        CString name;
        name.Format("shape%ld", id);
        map.SetAt(name, new SampleShape(name, id));
    }
    std::map<std::string, int> seen;
    CString key;
    CObject* object = nullptr;
    for (POSITION pos = map.GetStartPosition(); pos;) {
        map.GetNextAssoc(pos, key, object);
        ++seen[key.str()];
        auto* shape = static_cast<SampleShape*>(object);
        EXPECT_EQ(shape->m_name, key);
        if (shape->m_id >= 10) {
            map.RemoveKey(key);
            delete shape;
        }
    }
    EXPECT_EQ(seen.size(), 20u);
    EXPECT_EQ(map.GetCount(), 10);
    for (POSITION pos = map.GetStartPosition(); pos;) {
        map.GetNextAssoc(pos, key, object);
        delete object;
    }
    map.RemoveAll();
}

TEST(Maps, PointerAndWordKeyedMaps) {
    int a = 0, b = 0;
    CMapPtrToPtr ptrToPtr;
    ptrToPtr[&a] = &b;
    void* found = nullptr;
    EXPECT_TRUE(ptrToPtr.Lookup(&a, found));
    EXPECT_EQ(found, &b);
    EXPECT_FALSE(ptrToPtr.Lookup(&b, found));

    CMapPtrToWord ptrToWord;
    ptrToWord.SetAt(&a, 7);
    WORD word = 0;
    EXPECT_TRUE(ptrToWord.Lookup(&a, word));
    EXPECT_EQ(word, 7);

    SampleShape shape("s", 1);
    CMapWordToOb wordToOb;
    wordToOb.SetAt(3, &shape);
    CObject* object = nullptr;
    EXPECT_TRUE(wordToOb.Lookup(3, object));
    EXPECT_EQ(object, &shape);

    CMapStringToPtr stringToPtr;
    stringToPtr.SetAt("a", &a);
    EXPECT_TRUE(stringToPtr.Lookup("a", found));
    EXPECT_EQ(found, &a);
}

TEST(Maps, TypedMapGivesItsKeyAndValueTypes) {
    SampleShape one("one", 1), two("two", 2);
    CTypedPtrMap<CMapStringToOb, CString, SampleShape*> shapes;
    shapes.SetAt("one", &one);
    shapes["two"] = &two;
    SampleShape* found = nullptr;
    ASSERT_TRUE(shapes.Lookup("two", found));
    EXPECT_EQ(found->m_id, 2);
    EXPECT_FALSE(shapes.Lookup("three", found));
    EXPECT_EQ(found, &two);
    LONG total = 0;
    CString name;
    for (POSITION pos = shapes.GetStartPosition(); pos;) {
        shapes.GetNextAssoc(pos, name, found);
        EXPECT_EQ(found->m_name, name);
        total += found->m_id;
    }
    EXPECT_EQ(total, 3);
    EXPECT_TRUE(shapes.RemoveKey("one"));
    EXPECT_EQ(shapes.GetCount(), 1);

    int x = 1;
    CTypedPtrMap<CMapPtrToPtr, SampleShape*, int*> byShape;
    byShape[&one] = &x;
    int* value = nullptr;
    ASSERT_TRUE(byShape.Lookup(&one, value));
    EXPECT_EQ(value, &x);
    SampleShape* keyShape = nullptr;
    POSITION pos = byShape.GetStartPosition();
    byShape.GetNextAssoc(pos, keyShape, value);
    EXPECT_EQ(keyShape, &one);
    EXPECT_EQ(pos, nullptr);
}
