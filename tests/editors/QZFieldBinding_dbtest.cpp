// The binding table of a form over a real site database: the members filled from an ActiveX
// object's row, and each changed member stored into the row, the document marked modified once
// for every changed field and never for an unchanged one.

#include "content/QZVantrelActiveX.h"
#include "editors/QZFieldBinding.h"
#include "platform/ui/CDocument.h"
#include "tests/content/ContentFixture.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

class CountingDocument : public CDocument {
public:
    void SetModifiedFlag(BOOL bModified) override {
        if (bModified)
            marks++;
        CDocument::SetModifiedFlag(bModified);
    }
    int marks = 0;
};

using B = QZFieldBinding;

// The fields of an ActiveX form, bound to the object's row.
struct ActiveXFields {
    explicit ActiveXFields(QZVantrelActiveX& object) {
        auto row = [&object] { return object.GetRecordset(); };
        binding.Text(1047, standBy, B::At<CString>([row] { return &row()->m_StandBy; }), 255)
            .Text(1069, classId, B::At<CString>([row] { return &row()->m_ClassID; }))
            .Check(1215, noTab, B::NumberAt<BYTE>([row] { return &row()->m_NoTab; }))
            .Number(1088, hSpace, B::NumberAt<BYTE>([row] { return &row()->m_HSpace; }), B::kByte)
            .Number(1084, width, B::NumberAt<short>([row] { return &row()->m_Width; }), B::kShort)
            .Number(1024, border, B::NumberAt<LONG>([row] { return &row()->m_Border; }), B::kLong)
            .Date(1100, published, B::At<COleDateTime>([row] { return &row()->m_LastPublished; }));
    }

    CString standBy, classId;
    int noTab = 0, hSpace = 0, width = 0, border = 0;
    COleDateTime published;
    QZFieldBinding binding;
};

class FieldBindingTest : public ContentTest {
protected:
    void SetUp() override {
        ContentTest::SetUp();
        AddRow(kind(), 17, "Clock", "StandBy, ClassID, NoTab, HSpace, Width, Border, LastPublished",
               "'Loading', 'clsid:ABC', 255, 7, -12, 100000, '2024-01-02 03:04:05'");
        object = std::make_unique<QZVantrelActiveX>(QZKeyCombo(5, 17, OBJ_ACTIVEX), TRUE);
        fields = std::make_unique<ActiveXFields>(*object);
        fields->binding.Fill();
    }
    void TearDown() override {
        fields.reset();
        object.reset();
        ContentTest::TearDown();
    }
    static const ContentKind& kind() { return ContentKindOf(OBJ_ACTIVEX); }

    std::unique_ptr<QZVantrelActiveX> object;
    std::unique_ptr<ActiveXFields> fields;
    CountingDocument document;
};

TEST_F(FieldBindingTest, FillingTakesEveryColumnWidenedWithItsSign) {
    EXPECT_EQ(fields->standBy, CString("Loading"));
    EXPECT_EQ(fields->classId, CString("clsid:ABC"));
    EXPECT_EQ(fields->noTab, 255);
    EXPECT_EQ(fields->hSpace, 7);
    EXPECT_EQ(fields->width, -12);
    EXPECT_EQ(fields->border, 100000);
    EXPECT_EQ(fields->published, COleDateTime(2024, 1, 2, 3, 4, 5));
}

TEST_F(FieldBindingTest, AnUnchangedStoreMarksNothing) {
    // A check stored as 255 is set as 1 is: no change.
    fields->noTab = 1;
    EXPECT_TRUE(fields->binding.Store(&document));
    EXPECT_EQ(document.marks, 0);
    ASSERT_EQ(object->Save(), 1);
    EXPECT_EQ(Number(kind(), 17, "NoTab"), 255);
}

TEST_F(FieldBindingTest, EachChangedFieldIsStoredAndMarksOnce) {
    struct Case {
        const char* column;
        std::function<void(ActiveXFields&)> change;
        std::string stored;
    };
    const Case cases[] = {
        {"StandBy", [](ActiveXFields& f) { f.standBy = "Wait"; }, "Wait"},
        {"ClassID", [](ActiveXFields& f) { f.classId = "clsid:abc"; }, "clsid:abc"},
        {"NoTab", [](ActiveXFields& f) { f.noTab = 0; }, "0"},
        {"HSpace", [](ActiveXFields& f) { f.hSpace = 255; }, "255"},
        {"Width", [](ActiveXFields& f) { f.width = 32767; }, "32767"},
        {"Border", [](ActiveXFields& f) { f.border = -2000000000; }, "-2000000000"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.column);
        document.marks = 0;
        c.change(*fields);
        EXPECT_TRUE(fields->binding.Store(&document));
        EXPECT_EQ(document.marks, 1);
        ASSERT_EQ(object->Save(), 1);
        const bool text = std::string(c.column) == "StandBy" || std::string(c.column) == "ClassID";
        EXPECT_EQ(text ? Text(kind(), 17, c.column) : std::to_string(Number(kind(), 17, c.column)),
                  c.stored);
    }
    document.marks = 0;
    fields->standBy = "A";
    fields->width = 1;
    fields->binding.Store(&document);
    EXPECT_EQ(document.marks, 2) << "once for each changed field";
}

TEST_F(FieldBindingTest, ANullDateClearsTheStoredOne) {
    fields->published.SetStatus(COleDateTime::null);
    fields->binding.Store(&document);
    EXPECT_EQ(document.marks, 1);
    ASSERT_EQ(object->Save(), 1);
    EXPECT_EQ(Text(kind(), 17, "LastPublished"), "");
}

TEST_F(FieldBindingTest, TheStoreOrderNamesMembersAndTheRestFollow) {
    std::vector<std::string> order;
    CString a, b, c;
    CString sa, sb, sc;
    auto column = [&order](CString& stored, const char* name) {
        return B::Column<CString>{[&stored] { return stored; },
                                  [&order, &stored, name](const CString& value) {
                                      order.push_back(name);
                                      stored = value;
                                  }};
    };
    QZFieldBinding binding;
    binding.Text(1, a, column(sa, "a")).Text(2, b, column(sb, "b")).Text(3, c, column(sc, "c"));
    binding.StoreOrder({&c, &a});
    a = "1";
    b = "2";
    c = "3";
    binding.Store(nullptr);
    EXPECT_EQ(order, (std::vector<std::string>{"c", "a", "b"}));
}

} // namespace
