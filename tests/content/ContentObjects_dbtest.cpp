// What every kind of content object does alike: load for editing or read-only, a read-only copy
// while another program copy holds the row, accessors, save, assignment, missing keys and new
// rows.
#include "content/QZSection.h"
#include "content/QZService.h"
#include "content/QZVantrelImage.h"
#include "db/QZRecordsetCaches.h"
#include "tests/content/ContentFixture.h"
#include "tests/support/ChildProcess.h"

#include <memory>
#include <string>

namespace {

class ContentObjectsTest : public ContentTest {
protected:
    static QZKeyCombo Key(const ContentKind& kind, LONG id) {
        return QZKeyCombo(kDbId, id, kind.type);
    }
    static std::string NameOf(const ContentKind& kind) {
        return std::string("Row of ") + kind.label;
    }
    // Row 7 of every kind.
    void AddEveryKind(LONG id = 7) {
        for (const ContentKind& kind : ContentKinds())
            AddRow(kind, id, NameOf(kind));
    }
};

TEST_F(ContentObjectsTest, EveryKindLoadsForEditingWithItsClaimGivenUpWithTheObject) {
    AddEveryKind();
    for (const ContentKind& kind : ContentKinds()) {
        SCOPED_TRACE(kind.label);
        auto object = kind.load(Key(kind, 7), TRUE);
        EXPECT_TRUE(object->IsLoaded());
        EXPECT_TRUE(object->m_bEditable);
        EXPECT_EQ(object->GetObjectType(), kind.type);
        EXPECT_EQ(object->GetKey().FormatFull(), "5:7");
        EXPECT_EQ(object->GetKey().m_ObjectType, kind.type);
        EXPECT_EQ(object->GetName().str(), NameOf(kind));
        EXPECT_EQ(Claims(kind.type, 7), 1);
        object.reset();
        EXPECT_EQ(Claims(kind.type, 7), 0);
    }
}

TEST_F(ContentObjectsTest, EveryKindLoadsReadOnlyWithoutAClaim) {
    AddEveryKind();
    for (const ContentKind& kind : ContentKinds()) {
        if (kind.alwaysClaims)
            continue;
        SCOPED_TRACE(kind.label);
        auto object = kind.load(Key(kind, 7), FALSE);
        EXPECT_TRUE(object->IsLoaded());
        EXPECT_FALSE(object->m_bEditable);
        EXPECT_EQ(object->GetName().str(), NameOf(kind));
        EXPECT_EQ(Claims(kind.type, 7), 0);
        // A read-only copy writes nothing.
        object->SetName("Changed");
        EXPECT_EQ(object->Save(), 0);
        EXPECT_EQ(Text(kind, 7, kind.nameColumn), NameOf(kind));
    }
}

// Two read-only loads share the cached row; it is freed once, after the cache and both
// objects have let go.
template <class Kind, class Set>
void ExpectOneSharedCachedRow(QZRecordsetCache<Set>& cache, const QZKeyCombo& key) {
    auto first = std::make_unique<Kind>(key, FALSE);
    auto second = std::make_unique<Kind>(key, FALSE);
    std::weak_ptr<Set> row = cache.Find(key);
    ASSERT_FALSE(row.expired());
    EXPECT_EQ(cache.GetCount(), 1);
    EXPECT_EQ(first->GetRecordset(), row.lock().get());
    EXPECT_EQ(second->GetRecordset(), first->GetRecordset());
    cache.RemoveAll();
    first.reset();
    ASSERT_FALSE(row.expired());
    EXPECT_EQ(second->GetName().str(), "Cached");
    second.reset();
    EXPECT_TRUE(row.expired());
}

TEST_F(ContentObjectsTest, ServicesSectionsAndImagesShareOneCachedRowFreedAfterBothLetGo) {
    for (SHORT type : {OBJ_SERVICE, OBJ_SECTION, OBJ_IMAGE})
        AddRow(ContentKindOf(type), 7, "Cached");
    ExpectOneSharedCachedRow<QZService>(g_ServicesCache, QZKeyCombo(kDbId, 7, OBJ_SERVICE));
    ExpectOneSharedCachedRow<QZSection>(g_SectionsCache, QZKeyCombo(kDbId, 7, OBJ_SECTION));
    ExpectOneSharedCachedRow<QZVantrelImage>(g_ImagesCache, QZKeyCombo(kDbId, 7, OBJ_IMAGE));
}

TEST_F(ContentObjectsTest, EveryKindIsAReadOnlyCopyWhileAnotherProgramHoldsTheRow) {
    AddEveryKind();
    std::string keys;
    for (const ContentKind& kind : ContentKinds())
        keys += std::to_string(kind.type) + ":7;";
    std::string dir = m_dir.path().string();
    ChildProcess other("hold", {{"DB", m_path}, {"DIR", dir}, {"USER", "5:200"}, {"KEYS", keys}});
    ASSERT_EQ(WaitForFile(dir + "/claimed"), std::string(ContentKinds().size(), '1'));

    for (const ContentKind& kind : ContentKinds()) {
        SCOPED_TRACE(kind.label);
        auto object = kind.load(Key(kind, 7), TRUE);
        EXPECT_TRUE(object->IsLoaded());
        EXPECT_FALSE(object->m_bEditable);
        EXPECT_EQ(object->GetName().str(), NameOf(kind));
        object->SetName("Changed");
        EXPECT_EQ(object->Save(), 0);
        EXPECT_EQ(Text(kind, 7, kind.nameColumn), NameOf(kind));
        EXPECT_EQ(Claims(kind.type, 7), 1);
    }
    WriteFileAtomically(dir + "/release", "");
    EXPECT_EQ(other.Wait(), 0);
}

TEST_F(ContentObjectsTest, SaveWritesTheAccessorsChangesWithStampsAndKeepsTheClaim) {
    AddEveryKind();
    for (const ContentKind& kind : ContentKinds()) {
        SCOPED_TRACE(kind.label);
        auto object = kind.load(Key(kind, 7), TRUE);
        object->SetName("Saved name");
        object->SetPublishFlag(TRUE);
        object->SetNeverPublishFlag(TRUE);
        object->SetLastPublished(COleDateTime(2023, 1, 2, 3, 4, 5));
        object->SetPublisher(QZKeyCombo(6, 300));
        if (kind.place != ContentKind::ownPlace)
            object->SetServiceKey(QZKeyCombo(kDbId, 33));
        if (kind.place == ContentKind::inServiceAndSection)
            object->SetSectionKey(QZKeyCombo(kDbId, 44));
        EXPECT_TRUE(object->GetPublishFlag());
        EXPECT_TRUE(object->GetNeverPublishFlag());
        EXPECT_EQ(object->GetPublishedByKey().FormatFull(), "6:300");

        EXPECT_EQ(object->Save(), 1);
        EXPECT_EQ(Claims(kind.type, 7), 1);
        EXPECT_EQ(object->GetLastChanged(), Now());
        EXPECT_EQ(object->GetChangedByKey().FormatFull(), "5:100");
        EXPECT_EQ(Text(kind, 7, kind.nameColumn), "Saved name");
        EXPECT_EQ(COleDateTime(Value(kind, 7, "LastChanged").date), Now());
        EXPECT_EQ(COleDateTime(Value(kind, 7, "LastPublished").date),
                  COleDateTime(2023, 1, 2, 3, 4, 5));
        EXPECT_EQ(Number(kind, 7, "WhoChanged"), 100);
        EXPECT_EQ(Number(kind, 7, "AuthorChangedDbID"), 5);
        EXPECT_EQ(Number(kind, 7, "WhoPublished"), 300);
        EXPECT_EQ(Number(kind, 7, "AuthorPublishedDbID"), 6);
        EXPECT_EQ(Number(kind, 7, "PublishFlag"), 1);
        EXPECT_EQ(Number(kind, 7, "NeverPublishFlag"), 1);
        if (kind.place != ContentKind::ownPlace) {
            EXPECT_EQ(Number(kind, 7, "ServiceID"), 33);
        }
        if (kind.place == ContentKind::inServiceAndSection) {
            EXPECT_EQ(Number(kind, 7, "SectionID"), 44);
        }
        // Saving again keeps writing under the same claim.
        object->SetName("Saved again");
        EXPECT_EQ(object->Save(), 1);
        EXPECT_EQ(Text(kind, 7, kind.nameColumn), "Saved again");
    }
}

TEST_F(ContentObjectsTest, UserKeysAreValuesThatLaterCallsLeaveAlone) {
    const ContentKind& kind = ContentKindOf(OBJ_AD);
    AddRow(kind, 7, "Ad", "AuthorChangedDbID, WhoChanged, AuthorPublishedDbID, WhoPublished",
           "5, 101, 6, 102");
    auto ad = kind.load(Key(kind, 7), FALSE);
    QZKeyCombo changedBy = ad->GetChangedByKey();
    QZKeyCombo publishedBy = ad->GetPublishedByKey();
    EXPECT_EQ(changedBy.FormatFull(), "5:101");
    EXPECT_EQ(publishedBy.FormatFull(), "6:102");
}

TEST_F(ContentObjectsTest, AssignmentCopiesTheOtherRowButNotItsNumber) {
    for (const ContentKind& kind : ContentKinds()) {
        SCOPED_TRACE(kind.label);
        AddRow(kind, 7, "First");
        AddRow(kind, 8, "Second");
        auto target = kind.load(Key(kind, 7), TRUE);
        auto source = kind.load(Key(kind, 8), TRUE);
        *target = *source;
        EXPECT_EQ(target->GetName().str(), "Second");
        EXPECT_EQ(target->GetKey().m_KeyID, 7);
        EXPECT_EQ(target->Save(), 1);
        EXPECT_EQ(Text(kind, 7, kind.nameColumn), "Second");
        EXPECT_EQ(Text(kind, 8, kind.nameColumn), "Second");
    }
}

TEST_F(ContentObjectsTest, AssignmentFromAnotherDatabaseKeepsTheTargetsKey) {
    for (const ContentKind& kind : ContentKinds()) {
        SCOPED_TRACE(kind.label);
        AddRow(kind, 7, "First");
        Insert(kind.table,
               std::string("DbID, ") + kind.idColumn + ", " + kind.nameColumn + ", Deleted",
               "9, 8, 'Imported', 0");
        auto target = kind.load(Key(kind, 7), TRUE);
        auto source = kind.load(QZKeyCombo(9, 8, kind.type), FALSE);
        ASSERT_TRUE(source->IsLoaded());
        *target = *source;
        EXPECT_EQ(target->GetKey().FormatFull(), "5:7");
        EXPECT_EQ(target->Save(), 1);
        EXPECT_EQ(Text(kind, 7, kind.nameColumn), "Imported");
        EXPECT_EQ(Count(std::string("SELECT * FROM ") + kind.table + " WHERE DbID = 9"), 1);
    }
}

TEST_F(ContentObjectsTest, AKeyWithoutARowIsNotLoadedOnEitherPath) {
    for (const ContentKind& kind : ContentKinds()) {
        SCOPED_TRACE(kind.label);
        for (BOOL bOpen : {TRUE, FALSE}) {
            auto object = kind.load(Key(kind, 99), bOpen);
            EXPECT_FALSE(object->IsLoaded());
            EXPECT_EQ(object->GetName().str(), "");
            EXPECT_EQ(object->Save(), 0);
            EXPECT_EQ(Claims(kind.type, 99), 0);
        }
        EXPECT_EQ(Count(std::string("SELECT * FROM ") + kind.table), 0);
    }
}

TEST_F(ContentObjectsTest, NewRowsAreClaimedAndTakeTheCurrentServiceAndSection) {
    for (const ContentKind& kind : ContentKinds()) {
        SCOPED_TRACE(kind.label);
        auto object = kind.create();
        ASSERT_TRUE(object->IsLoaded());
        EXPECT_TRUE(object->m_bEditable);
        LONG id = object->GetKey().m_KeyID;
        EXPECT_GT(id, 0);
        EXPECT_EQ(object->GetKey().m_DbID, kDbId);
        EXPECT_EQ(Claims(kind.type, id), 1);
        EXPECT_EQ(object->Save(), 1);
        if (kind.place != ContentKind::ownPlace) {
            EXPECT_EQ(object->GetServiceKey().FormatFull(), "5:10");
            EXPECT_EQ(Number(kind, id, "ServiceID"), kService);
        }
        if (kind.place == ContentKind::inServiceAndSection) {
            EXPECT_EQ(object->GetSectionKey().FormatFull(), "5:20");
            EXPECT_EQ(Number(kind, id, "SectionID"), kSection);
        }
    }
}

TEST_F(ContentObjectsTest, ANewSectionTakesItsServicesStyle) {
    AddRow(ContentKindOf(OBJ_SERVICE), kService, "Site", "StyleDbID, StyleID", "5, 3");
    QZSection section;
    EXPECT_EQ(section.GetServiceKey().FormatFull(), "5:10");
    EXPECT_EQ(section.GetStyleKey().FormatFull(), "5:3");
    EXPECT_EQ(section.Save(), 1);
    EXPECT_EQ(Number(ContentKindOf(OBJ_SECTION), section.GetKey().m_KeyID, "StyleID"), 3);
}

TEST_F(ContentObjectsTest, ServicesAndSectionsAreTheirOwnServiceAndSectionKeys) {
    AddRow(ContentKindOf(OBJ_SERVICE), 7, "Site", "StyleDbID, StyleID", "5, 3");
    AddRow(ContentKindOf(OBJ_SECTION), 8, "News",
           "ServiceDbID, ServiceID, DefaultDocDbID, "
           "DefaultDocID",
           "5, 7, 5, 40");
    QZService service(QZKeyCombo(kDbId, 7, OBJ_SERVICE), FALSE);
    EXPECT_EQ(service.GetServiceKey().FormatFull(), "5:7");
    EXPECT_EQ(service.GetServiceKey().m_ObjectType, OBJ_SERVICE);
    EXPECT_EQ(service.GetStyleKey().FormatFull(), "5:3");
    QZSection section(QZKeyCombo(kDbId, 8, OBJ_SECTION), FALSE);
    EXPECT_EQ(section.GetSectionKey().FormatFull(), "5:8");
    EXPECT_EQ(section.GetServiceKey().FormatFull(), "5:7");
    EXPECT_EQ(section.GetDefaultDocKey().FormatFull(), "5:40");
    section.LoadService();
    ASSERT_NE(section.GetService(), nullptr);
    EXPECT_EQ(section.GetService()->GetName().str(), "Site");
}

TEST_F(ContentObjectsTest, ObjectsPostMessagesNamingThemselves) {
    AddRow(ContentKindOf(OBJ_IMAGE), 7, "Logo");
    auto image = ContentKindOf(OBJ_IMAGE).load(QZKeyCombo(kDbId, 7, OBJ_IMAGE), FALSE);
    image->PostEngineMessage(0, "image: bad file", 3);
    image->PostEngineMessage(3, "Done", 0);
    TestApp().m_bVerboseMessages = TRUE;
    image->PostEngineMessage(3, "Done", 0);
    EXPECT_EQ(
        m_messages.displays(),
        (std::vector<std::string>{"Image :7, Line 3: error: image: bad file", "Image :7: Done"}));
}

TEST_F(ContentObjectsTest, DeleteDependentsRemovesThePageRowsOfItsKeyOnly) {
    const std::string columns = "ObjDbID, ObjKeyID, ObjTypeID, UseDbID, UseKeyID, UseTypeID";
    for (const char* row : {"5, 7, 2, 5, 1, 4", "5, 7, 2, 5, 2, 3", "5, 8, 2, 5, 1, 4",
                            "6, 7, 2, 5, 1, 4", "5, 7, 4, 5, 1, 4"})
        Insert("Dependents", columns, row);
    AddRow(ContentKindOf(OBJ_IMAGE), 7, "Stands for page 7");
    auto object = ContentKindOf(OBJ_IMAGE).load(QZKeyCombo(kDbId, 7, OBJ_IMAGE), TRUE);
    object->DeleteDependents();
    EXPECT_EQ(Count("SELECT * FROM Dependents WHERE ObjDbID = 5 AND ObjKeyID = 7 AND "
                    "ObjTypeID = 2"),
              0);
    EXPECT_EQ(Count("SELECT * FROM Dependents"), 3);
    object->DeleteDependents();
    EXPECT_EQ(Count("SELECT * FROM Dependents"), 3);
}

} // namespace
