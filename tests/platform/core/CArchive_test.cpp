#include "platform/core/CArchive.h"
#include "platform/core/CArchiveException.h"
#include "platform/core/CDWordArray.h"
#include "platform/core/CFile.h"
#include "platform/core/CMapStringToOb.h"
#include "platform/core/CMapStringToString.h"
#include "platform/core/CStringArray.h"
#include "platform/core/CTypedPtrList.h"
#include "tests/platform/core/SampleObjects.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<BYTE>;

// Stores through an archive into a temporary file and hands back the file's bytes; loads an
// archive from given bytes.
class ArchiveTest : public ::testing::Test {
protected:
    Bytes Store(const std::function<void(CArchive&)>& write) {
        CFile file(m_path.c_str(), CFile::modeCreate | CFile::modeWrite);
        CArchive ar(&file, CArchive::store);
        write(ar);
        ar.Close();
        file.Close();
        std::ifstream in(m_path, std::ios::binary);
        return Bytes(std::istreambuf_iterator<char>(in), {});
    }

    void Load(const Bytes& bytes, const std::function<void(CArchive&)>& read) {
        {
            std::ofstream out(m_path, std::ios::binary | std::ios::trunc);
            out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
        }
        CFile file(m_path.c_str(), CFile::modeRead);
        CArchive ar(&file, CArchive::load);
        read(ar);
    }

    // The cause of the CArchiveException that reading throws, or -1 when it throws none.
    int LoadFailure(const Bytes& bytes, const std::function<void(CArchive&)>& read) {
        int cause = -1;
        try {
            Load(bytes, read);
        } catch (CArchiveException* e) {
            cause = e->m_cause;
            EXPECT_EQ(e->m_strFileName, CString(m_path.c_str()));
            e->Delete();
        }
        return cause;
    }

    TempDir m_dir;
    std::string m_path = m_dir.file("archive.dat");
};

Bytes Text(const char* text) {
    return Bytes(text, text + strlen(text));
}

Bytes Concat(std::initializer_list<Bytes> parts) {
    Bytes all;
    for (const Bytes& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

} // namespace

TEST_F(ArchiveTest, NumbersAreLittleEndianAtFixedSizes) {
    Bytes stored = Store([](CArchive& ar) {
        ar << BYTE(0xAB) << WORD(0x1234) << SHORT(-2) << LONG(-5) << DWORD(0xDEADBEEF) << 1.5f
           << -2.25 << 'x';
    });
    EXPECT_EQ(stored,
              (Bytes{0xAB, 0x34, 0x12, 0xFE, 0xFF, 0xFB, 0xFF, 0xFF, 0xFF, 0xEF, 0xBE, 0xAD, 0xDE,
                     0x00, 0x00, 0xC0, 0x3F, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x02, 0xC0, 'x'}));
    Load(stored, [](CArchive& ar) {
        BYTE b;
        WORD w;
        SHORT s;
        LONG l;
        DWORD d;
        float f;
        double g;
        char c;
        ar >> b >> w >> s >> l >> d >> f >> g >> c;
        EXPECT_EQ(b, 0xAB);
        EXPECT_EQ(w, 0x1234);
        EXPECT_EQ(s, -2);
        EXPECT_EQ(l, -5);
        EXPECT_EQ(d, 0xDEADBEEFu);
        EXPECT_EQ(f, 1.5f);
        EXPECT_EQ(g, -2.25);
        EXPECT_EQ(c, 'x');
    });
}

TEST_F(ArchiveTest, StringsCarryTheShortestLengthPrefix) {
    struct Case {
        int length;
        Bytes prefix;
    } cases[] = {
        {0, {0x00}},
        {1, {0x01}},
        {254, {0xFE}},
        {255, {0xFF, 0xFF, 0x00}},
        {65533, {0xFF, 0xFD, 0xFF}},
        {65534, {0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00}},
        {65535, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00}},
        {70000, {0xFF, 0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00}},
    };
    for (const Case& c : cases) {
        std::string content;
        for (int i = 0; i < c.length; ++i)
            content += char('a' + i % 26);
        Bytes stored = Store([&](CArchive& ar) { ar << CString(content) << LONG(7); });
        ASSERT_EQ(stored.size(), c.prefix.size() + c.length + 4) << c.length;
        EXPECT_EQ(Bytes(stored.begin(), stored.begin() + c.prefix.size()), c.prefix) << c.length;
        Load(stored, [&](CArchive& ar) {
            CString text = "old";
            LONG after = 0;
            ar >> text >> after;
            EXPECT_EQ(text.str(), content) << c.length;
            EXPECT_EQ(after, 7);
        });
    }
}

TEST_F(ArchiveTest, CountsUseAWordBelow0xFFFF) {
    struct Case {
        DWORD count;
        Bytes stored;
    } cases[] = {
        {0, {0x00, 0x00}},
        {0xFFFE, {0xFE, 0xFF}},
        {0xFFFF, {0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00}},
        {70000, {0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00}},
    };
    for (const Case& c : cases) {
        Bytes stored = Store([&](CArchive& ar) { ar.WriteCount(c.count); });
        EXPECT_EQ(stored, c.stored) << c.count;
        Load(stored, [&](CArchive& ar) { EXPECT_EQ(ar.ReadCount(), c.count); });
    }
}

TEST_F(ArchiveTest, ObjectsStoreTheirClassOnceAndRepeatsAsBackReferences) {
    SampleShape first("ab", 5);
    SampleShape second("c", -1);
    Bytes stored = Store(
        [&](CArchive& ar) { ar << &first << &first << &second << static_cast<CObject*>(nullptr); });
    Bytes expected = Concat({
        {0xFF, 0xFF, 0x01, 0x00, 0x0B, 0x00},
        Text("SampleShape"),
        {0x02, 'a', 'b', 0x05, 0x00, 0x00, 0x00},
        {0x02, 0x00},
        {0x01, 0x80, 0x01, 'c', 0xFF, 0xFF, 0xFF, 0xFF},
        {0x00, 0x00},
    });
    EXPECT_EQ(stored, expected);

    Load(stored, [](CArchive& ar) {
        SampleShape *a = nullptr, *b = nullptr, *c = nullptr, *none = nullptr;
        ar >> a >> b >> c >> none;
        std::unique_ptr<SampleShape> ownA(a), ownC(c);
        ASSERT_NE(a, nullptr);
        EXPECT_EQ(a, b);
        EXPECT_NE(a, c);
        EXPECT_EQ(a->m_name, "ab");
        EXPECT_EQ(a->m_id, 5);
        EXPECT_EQ(c->m_name, "c");
        EXPECT_EQ(c->m_id, -1);
        EXPECT_EQ(none, nullptr);
    });
}

TEST_F(ArchiveTest, ObjectListRoundTripsWithItsClassesAndSharedItems) {
    auto* circle = new SampleCircle;
    circle->m_name = "round";
    circle->m_id = 2;
    circle->m_radius = 0.5;
    CTypedPtrList<CObList, SampleShape*> list;
    list.AddTail(new SampleShape("one", 1));
    list.AddTail(circle);
    list.AddTail(circle);
    list.AddTail(new SampleShape("three", 3));
    Bytes stored = Store([&](CArchive& ar) { ar << &list; });
    delete list.GetHead();
    delete list.GetTail();
    delete circle;

    Load(stored, [](CArchive& ar) {
        CObject* object = nullptr;
        ar >> object;
        std::unique_ptr<CObject> owner(object);
        ASSERT_TRUE(object && object->IsKindOf(RUNTIME_CLASS(CObList)));
        auto* loaded = static_cast<CObList*>(object);
        ASSERT_EQ(loaded->GetCount(), 4);
        std::vector<SampleShape*> items;
        for (POSITION pos = loaded->GetHeadPosition(); pos;)
            items.push_back(static_cast<SampleShape*>(loaded->GetNext(pos)));
        EXPECT_EQ(items[0]->m_name, "one");
        ASSERT_TRUE(items[1]->IsKindOf(RUNTIME_CLASS(SampleCircle)));
        EXPECT_EQ(static_cast<SampleCircle*>(items[1])->m_radius, 0.5);
        EXPECT_EQ(items[1], items[2]);
        EXPECT_EQ(items[3]->m_id, 3);
        delete items[0];
        delete items[1];
        delete items[3];
    });
}

TEST_F(ArchiveTest, CollectionsSerializeTheirElements) {
    SampleShape shape("s", 9);
    Bytes stored = Store([&](CArchive& ar) {
        CStringArray names;
        names.Add("x");
        names.Add("");
        names.Serialize(ar);
        CDWordArray numbers;
        numbers.Add(0x01020304);
        numbers.Serialize(ar);
        CMapStringToString texts;
        texts["k"] = "v";
        texts.Serialize(ar);
        CMapStringToOb objects;
        objects["a"] = &shape;
        objects["b"] = &shape;
        objects.Serialize(ar);
    });
    Load(stored, [](CArchive& ar) {
        CStringArray names;
        names.Add("stale");
        names.Serialize(ar);
        ASSERT_EQ(names.GetSize(), 2);
        EXPECT_EQ(names[0], "x");
        EXPECT_EQ(names[1], "");
        CDWordArray numbers;
        numbers.Serialize(ar);
        ASSERT_EQ(numbers.GetSize(), 1);
        EXPECT_EQ(numbers[0], 0x01020304u);
        CMapStringToString texts;
        texts.Serialize(ar);
        EXPECT_EQ(texts["k"], "v");
        CMapStringToOb objects;
        objects.Serialize(ar);
        CObject *a = nullptr, *b = nullptr;
        ASSERT_TRUE(objects.Lookup("a", a));
        ASSERT_TRUE(objects.Lookup("b", b));
        EXPECT_EQ(a, b);
        EXPECT_EQ(static_cast<SampleShape*>(a)->m_id, 9);
        delete a;
    });
}

TEST_F(ArchiveTest, TruncatedArchiveThrowsEndOfFile) {
    SampleShape shape("name", 77);
    Bytes whole = Store([&](CArchive& ar) { ar << &shape << CString('z', 300) << LONG(1); });
    std::unique_ptr<SampleShape> kept;
    auto read = [&](CArchive& ar) {
        SampleShape* loaded = nullptr;
        CString text;
        LONG number = 0;
        ar >> loaded;
        kept.reset(loaded);
        ar >> text >> number;
    };
    EXPECT_EQ(LoadFailure(whole, read), -1);
    for (size_t cut : {size_t(0), size_t(1), size_t(5), size_t(17), size_t(22), size_t(25),
                       size_t(27), whole.size() - 301, whole.size() - 5, whole.size() - 1}) {
        Bytes truncated(whole.begin(), whole.begin() + cut);
        EXPECT_EQ(LoadFailure(truncated, read), CArchiveException::endOfFile) << cut;
    }
}

TEST_F(ArchiveTest, MalformedArchivesAreRefusedWithTheirCause) {
    auto readShape = [](CArchive& ar) {
        SampleShape* shape = nullptr;
        ar >> shape;
        delete shape;
    };
    auto readCircle = [](CArchive& ar) {
        SampleCircle* circle = nullptr;
        ar >> circle;
        delete circle;
    };
    Bytes shapeClass = Concat({{0xFF, 0xFF, 0x01, 0x00, 0x0B, 0x00}, Text("SampleShape")});
    Bytes shapeData = {0x00, 0x00, 0x00, 0x00, 0x00};
    struct Case {
        const char* what;
        Bytes bytes;
        std::function<void(CArchive&)> read;
        int cause;
    } cases[] = {
        {"unknown class", Concat({{0xFF, 0xFF, 0x01, 0x00, 0x04, 0x00}, Text("Nope")}), readShape,
         CArchiveException::badClass},
        {"other schema", Concat({{0xFF, 0xFF, 0x02, 0x00, 0x0B, 0x00}, Text("SampleShape")}),
         readShape, CArchiveException::badSchema},
        {"class not derived from the one asked", Concat({shapeClass, shapeData}), readCircle,
         CArchiveException::badClass},
        {"reference to no object", {0x05, 0x00}, readShape, CArchiveException::badIndex},
        {"reference to no class", {0x05, 0x80}, readShape, CArchiveException::badIndex},
        {"object reference to a class", Concat({shapeClass, shapeData, {0x01, 0x00}}),
         [](CArchive& ar) {
             SampleShape *a = nullptr, *b = nullptr;
             ar >> a;
             std::unique_ptr<SampleShape> owner(a);
             ar >> b;
         },
         CArchiveException::badIndex},
        {"class not creatable",
         Concat({{0xFF, 0xFF, 0xFF, 0xFF, 0x0D, 0x00}, Text("SampleDynamic")}),
         [](CArchive& ar) {
             CObject* object = nullptr;
             ar >> object;
         },
         CArchiveException::badClass},
    };
    for (const Case& c : cases)
        EXPECT_EQ(LoadFailure(c.bytes, c.read), c.cause) << c.what;
}

TEST_F(ArchiveTest, VersionableClassReadsAnOlderSchemaAndReportsIt) {
    Bytes older = Concat(
        {{0xFF, 0xFF, 0x02, 0x00, 0x0F, 0x00}, Text("SampleVersioned"), {0x2A, 0x00, 0x00, 0x00}});
    Load(older, [](CArchive& ar) {
        SampleVersioned* loaded = nullptr;
        ar >> loaded;
        std::unique_ptr<SampleVersioned> owner(loaded);
        EXPECT_EQ(loaded->m_loadedSchema, 2u);
        EXPECT_EQ(loaded->m_value, 42);
        EXPECT_EQ(ar.GetObjectSchema(), UINT(-1));
    });

    SampleVersioned current;
    current.m_value = 1;
    current.m_tag = "t";
    Bytes stored = Store([&](CArchive& ar) { ar << &current << &current; });
    EXPECT_EQ(stored[2], 0x03);
    Load(stored, [](CArchive& ar) {
        SampleVersioned *a = nullptr, *b = nullptr;
        ar >> a >> b;
        std::unique_ptr<SampleVersioned> owner(a);
        EXPECT_EQ(a, b);
        EXPECT_EQ(a->m_loadedSchema, 3u);
        EXPECT_EQ(a->m_tag, "t");
    });
}

TEST_F(ArchiveTest, MisuseIsRefused) {
    SampleDynamic notStorable;
    int cause = -1;
    try {
        Store([&](CArchive& ar) { ar << &notStorable; });
    } catch (CArchiveException* e) {
        cause = e->m_cause;
        e->Delete();
    }
    EXPECT_EQ(cause, CArchiveException::badClass);

    try {
        Store([](CArchive& ar) {
            LONG value;
            ar >> value;
        });
        cause = -1;
    } catch (CArchiveException* e) {
        cause = e->m_cause;
        e->Delete();
    }
    EXPECT_EQ(cause, CArchiveException::writeOnly);
    EXPECT_EQ(LoadFailure({}, [](CArchive& ar) { ar << LONG(1); }), CArchiveException::readOnly);
}

TEST_F(ArchiveTest, ClosingALoadingArchiveLeavesTheFileAfterWhatWasRead) {
    Store([](CArchive& ar) { ar << LONG(1) << LONG(2) << LONG(3); });
    CFile file(m_path.c_str(), CFile::modeRead);
    {
        CArchive ar(&file, CArchive::load);
        LONG first = 0;
        ar >> first;
        ar.Close();
    }
    EXPECT_EQ(file.GetPosition(), 4u);
    LONG second = 0;
    EXPECT_EQ(file.Read(&second, 4), 4u);
    EXPECT_EQ(second, 2);
}

TEST_F(ArchiveTest, LargeWritesAndReadsPassTheBuffer) {
    std::vector<char> big(20000);
    for (size_t i = 0; i < big.size(); ++i)
        big[i] = char(i * 7);
    Bytes stored = Store([&](CArchive& ar) {
        ar << BYTE(1);
        ar.Write(big.data(), UINT(big.size()));
        ar << BYTE(2);
    });
    ASSERT_EQ(stored.size(), big.size() + 2);
    Load(stored, [&](CArchive& ar) {
        BYTE first = 0, last = 0;
        std::vector<char> back(big.size());
        ar >> first;
        EXPECT_EQ(ar.Read(back.data(), UINT(back.size())), back.size());
        ar >> last;
        EXPECT_EQ(back, big);
        EXPECT_EQ(last, 2);
        char extra;
        EXPECT_EQ(ar.Read(&extra, 1), 0u);
    });
}
