// The copy that Save As makes after OK, for every kind it copies: a new row holding the
// object's record with the settled title, site and section, marked for publishing (a page for
// generation), claimed by the user; the object's own row and claim are left to the caller.

#include "shell/QZSaveAsCopy.h"
#include "shell/QZSaveAsDlg.h"
#include "tests/content/ContentKinds.h"
#include "tests/shell/ShellSiteFixture.h"

#include <memory>

namespace {

class SaveAsCopyTest : public ShellSiteTest, public ::testing::WithParamInterface<SHORT> {
protected:
    void SetUp() override {
        ShellSiteTest::SetUp();
        TestApp().GetCurrentServiceKey() = QZKeyCombo(5, 1, OBJ_SERVICE);
        TestApp().GetCurrentSectionKey() = QZKeyCombo(5, 10, OBJ_SECTION);
    }

    long Claims(SHORT type, const std::string& id) {
        return Count("SELECT * FROM Semaphor WHERE ObjDbID = 5 AND ObjKeyID = " + id +
                     " AND ObjTypeID = " + std::to_string(type));
    }
};

TEST_P(SaveAsCopyTest, MakesANewRowWithTheSettledValuesAndItsFlag) {
    const ContentKind& kind = ContentKindOf(GetParam());
    const std::string table = kind.table;
    const std::string id = kind.idColumn;
    const bool inSection = kind.place == ContentKind::inServiceAndSection;
    const long rowsBefore = Count("SELECT * FROM " + table);

    std::unique_ptr<QZVantrelBase> current = kind.load(QZKeyCombo(5, 2, kind.type), TRUE);
    ASSERT_TRUE(current->m_bEditable);
    QZSaveAsDlg settled;
    settled.m_strTitle = "Copy of Alpha";
    settled.m_ServiceKey = QZKeyCombo(5, 2, OBJ_SERVICE);
    settled.m_bSection = inSection;
    settled.m_SectionKey = QZKeyCombo(5, 13, OBJ_SECTION);
    settled.m_bPage = kind.type == OBJ_PAGE;
    settled.m_strFileName = "copy.html";
    std::unique_ptr<QZVantrelBase> copy(QZSaveAsCopy::MakeCopy(*current, settled));
    ASSERT_NE(copy, nullptr);

    // What the editor does after OK: it lets the object go and saves the copy.
    current.reset();
    ASSERT_EQ(copy->Save(), 1);
    const std::string copyId = std::to_string(copy->GetKey().m_KeyID);
    EXPECT_EQ(Count("SELECT * FROM " + table), rowsBefore + 1);
    EXPECT_EQ(Claims(kind.type, "2"), 0);
    EXPECT_EQ(Claims(kind.type, copyId), 1);

    const std::string copyRow = id + " = " + copyId;
    EXPECT_EQ(TextOf(table, kind.nameColumn, copyRow), "Copy of Alpha");
    EXPECT_EQ(NumberOf(table, "ServiceID", copyRow), 2);
    if (inSection) {
        EXPECT_EQ(NumberOf(table, "SectionID", copyRow), 13);
    }
    if (kind.type == OBJ_PAGE) {
        EXPECT_EQ(NumberOf(table, "GenerateFlag", copyRow), 1);
        EXPECT_EQ(TextOf(table, "FileName", copyRow), "copy.html");
    } else {
        EXPECT_EQ(NumberOf(table, "PublishFlag", copyRow), 1);
    }
    // The object's own row is as it was.
    EXPECT_EQ(TextOf(table, kind.nameColumn, id + " = 2"), "Alpha");
    EXPECT_EQ(NumberOf(table, "ServiceID", id + " = 2"), 1);
}

INSTANTIATE_TEST_SUITE_P(EveryCopiedKind, SaveAsCopyTest,
                         ::testing::Values(OBJ_PAGE, OBJ_MACRO, OBJ_STYLE, OBJ_IMAGE, OBJ_MEDIA,
                                           OBJ_JAVA, OBJ_ACTIVEX, OBJ_ADVERTISER, OBJ_AD,
                                           OBJ_ADSPACE, OBJ_FORM, OBJ_EVENT, OBJ_SCRIPT,
                                           OBJ_MESSAGE),
                         [](const auto& info) {
                             std::string name = ContentKindOf(info.param).label;
                             for (char& ch : name)
                                 if (ch == ' ' || ch == '-')
                                     ch = '_';
                             return name;
                         });

TEST(SaveAsKinds, ThePhotoAndTheSiteStructureAreNotCopied) {
    for (SHORT type : {OBJ_PHOTO, OBJ_SERVICE, OBJ_SECTION, OBJ_AUTHOR})
        EXPECT_FALSE(QZSaveAsCopy::CanCopy(type)) << type;
    EXPECT_TRUE(QZSaveAsCopy::CanCopy(OBJ_QUERY));
}

} // namespace
