// The recordset caches: bounded at 100 with the oldest dropped first, shared between the cache
// and the objects that loaded a recordset, every recordset freed exactly once after its last
// holder let go, and emptied before their database closes.

#include "db/QZRecordsetCaches.h"

#include "tests/db/SiteDatabaseFixture.h"

#include <functional>

namespace {

using DocCache = QZRecordsetCache<CDocumentSet>;

class RecordsetCacheTest : public SiteDatabaseTest {
protected:
    void TearDown() override {
        ClearRecordsetCaches();
        SiteDatabaseTest::TearDown();
    }

    // A loaded page of this database, as a loader would hand it to the cache.
    DocCache::Handle Page(LONG docId) {
        auto set = std::make_shared<CDocumentSet>(&Db());
        set->m_DbID = kDbId;
        set->m_DocID = docId;
        return set;
    }

    // Fills the cache with pages numbered from `first`, none of them held by an object.
    void AddPages(DocCache& cache, LONG first, int count) {
        for (int i = 0; i < count; ++i)
            cache.Add(Page(first + i));
    }

    // A saved page row titled so; its DocID.
    LONG AddPageRow(const char* title) {
        CDocumentSet set(&Db());
        EXPECT_EQ(set.AddNewRecord(0), 1);
        set.m_Title = title;
        EXPECT_EQ(set.SaveRecord(0), 1);
        return set.m_DocID;
    }
};

TEST_F(RecordsetCacheTest, EmptyCacheFindsNothingAndReleasesNothing) {
    DocCache cache;
    EXPECT_EQ(cache.GetCapacity(), 100);
    EXPECT_EQ(cache.Find(QZKeyCombo(kDbId, 1)), nullptr);
    DocCache::Handle owner = Page(1);
    EXPECT_EQ(cache.MarkReleased(owner), 0);
    EXPECT_EQ(owner, nullptr);
    cache.RemoveAll();
    EXPECT_EQ(cache.GetCount(), 0);
}

TEST_F(RecordsetCacheTest, HundredAreKeptAndTheHundredAndFirstDropsExactlyTheOldest) {
    DocCache cache;
    std::weak_ptr<CDocumentSet> oldest = [&] {
        auto first = Page(1);
        cache.Add(first);
        return std::weak_ptr<CDocumentSet>(first);
    }();
    AddPages(cache, 2, 99);
    EXPECT_EQ(cache.GetCount(), 100);
    EXPECT_NE(cache.Find(QZKeyCombo(kDbId, 1)), nullptr);
    EXPECT_NE(cache.Find(QZKeyCombo(kDbId, 100)), nullptr);

    cache.Add(Page(101));
    EXPECT_EQ(cache.GetCount(), 100);
    EXPECT_EQ(cache.Find(QZKeyCombo(kDbId, 1)), nullptr);
    EXPECT_TRUE(oldest.expired()); // nobody held it: freed
    EXPECT_NE(cache.Find(QZKeyCombo(kDbId, 2)), nullptr);
    EXPECT_NE(cache.Find(QZKeyCombo(kDbId, 101)), nullptr);
}

TEST_F(RecordsetCacheTest, EvictedSetThatAnObjectHoldsStaysWithItUntilReleased) {
    DocCache cache;
    DocCache::Handle owner = Page(1);
    cache.Add(owner);
    std::weak_ptr<CDocumentSet> watch = owner;
    AddPages(cache, 2, 100);
    EXPECT_EQ(cache.Find(QZKeyCombo(kDbId, 1)), nullptr);
    ASSERT_FALSE(watch.expired());
    EXPECT_EQ(owner->m_DocID, 1);
    EXPECT_EQ(cache.MarkReleased(owner), 0);
    EXPECT_TRUE(watch.expired());
}

TEST_F(RecordsetCacheTest, ReleasedSetStaysCachedUntilDroppedThenIsFreed) {
    DocCache cache;
    DocCache::Handle owner = Page(1);
    cache.Add(owner);
    std::weak_ptr<CDocumentSet> watch = owner;
    EXPECT_EQ(cache.MarkReleased(owner), 1);
    EXPECT_FALSE(watch.expired());
    EXPECT_EQ(cache.Find(QZKeyCombo(kDbId, 1)).get(), watch.lock().get());
    AddPages(cache, 2, 100);
    EXPECT_TRUE(watch.expired());
}

TEST_F(RecordsetCacheTest, RemoveAllFreesWhatNobodyHoldsAndLeavesTheHeld) {
    DocCache cache;
    DocCache::Handle held = Page(1);
    cache.Add(held);
    DocCache::Handle released = Page(2);
    cache.Add(released);
    std::weak_ptr<CDocumentSet> watchReleased = released;
    cache.MarkReleased(released);
    cache.RemoveAll();
    EXPECT_EQ(cache.GetCount(), 0);
    EXPECT_TRUE(watchReleased.expired());
    EXPECT_EQ(held->m_DocID, 1);
}

TEST_F(RecordsetCacheTest, FindMatchesDbIdAndOwnIdWhateverTheKeyType) {
    DocCache cache;
    cache.Add(Page(7));
    EXPECT_NE(cache.Find(QZKeyCombo(kDbId, 7, OBJ_IMAGE)), nullptr);
    EXPECT_EQ(cache.Find(QZKeyCombo(kDbId + 1, 7)), nullptr);
    EXPECT_EQ(cache.Find(QZKeyCombo(kDbId, 8)), nullptr);
}

TEST_F(RecordsetCacheTest, LoadReadsTheRowOnceAndSharesItWithEveryLoader) {
    LONG id = AddPageRow("Home");
    DocCache::Handle first = g_DocumentCache.Load(&Db(), QZKeyCombo(kDbId, id));
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->m_Title, CString("Home"));
    EXPECT_FALSE(first->IsOpen());
    EXPECT_FALSE(first->IsLockHeld());
    Db().Execute("UPDATE Documents SET Title = 'Changed'");
    DocCache::Handle second = g_DocumentCache.Load(&Db(), QZKeyCombo(kDbId, id));
    EXPECT_EQ(second, first);
    EXPECT_EQ(second->m_Title, CString("Home")); // from the cache, not the database
    EXPECT_EQ(g_DocumentCache.GetCount(), 1);

    std::weak_ptr<CDocumentSet> watch = first;
    EXPECT_EQ(g_DocumentCache.MarkReleased(first), 1);
    g_DocumentCache.RemoveAll();
    ASSERT_FALSE(watch.expired()); // the second loader still reads it
    EXPECT_EQ(second->m_DocID, id);
    EXPECT_EQ(g_DocumentCache.MarkReleased(second), 0);
    EXPECT_TRUE(watch.expired());
}

TEST_F(RecordsetCacheTest, KeyLoadedAgainAfterEvictionGetsASetOfItsOwn) {
    LONG id = AddPageRow("Home");
    DocCache::Handle early = g_DocumentCache.Load(&Db(), QZKeyCombo(kDbId, id));
    AddPages(g_DocumentCache, 1000, 100);
    DocCache::Handle late = g_DocumentCache.Load(&Db(), QZKeyCombo(kDbId, id));
    ASSERT_NE(late, nullptr);
    EXPECT_NE(late, early);
    std::weak_ptr<CDocumentSet> watchEarly = early, watchLate = late;
    EXPECT_EQ(g_DocumentCache.MarkReleased(early), 0);
    EXPECT_TRUE(watchEarly.expired());
    EXPECT_EQ(g_DocumentCache.MarkReleased(late), 1);
    EXPECT_FALSE(watchLate.expired());
}

TEST_F(RecordsetCacheTest, EveryCacheAnswersAMissingOrDeletedRowWithNothing) {
    Db().Execute("INSERT INTO Sections (DbID, SectionID, SectionName, AccessControl, Deleted) "
                 "VALUES (5, 3, 'Gone', 0, 1)");
    struct {
        const char* name;
        std::function<bool(const QZKeyCombo&)> loads;
        QZRecordsetCacheBase* cache;
    } caches[] = {
        {"templates", [&](auto& k) { return g_TemplatesCache.Load(&Db(), k) != nullptr; },
         &g_TemplatesCache},
        {"pages", [&](auto& k) { return g_DocumentCache.Load(&Db(), k) != nullptr; },
         &g_DocumentCache},
        {"forms", [&](auto& k) { return g_FormsCache.Load(&Db(), k) != nullptr; }, &g_FormsCache},
        {"messages", [&](auto& k) { return g_MessagesCache.Load(&Db(), k) != nullptr; },
         &g_MessagesCache},
        {"events", [&](auto& k) { return g_EventsCache.Load(&Db(), k) != nullptr; },
         &g_EventsCache},
        {"images", [&](auto& k) { return g_ImagesCache.Load(&Db(), k) != nullptr; },
         &g_ImagesCache},
        {"services", [&](auto& k) { return g_ServicesCache.Load(&Db(), k) != nullptr; },
         &g_ServicesCache},
        {"sections", [&](auto& k) { return g_SectionsCache.Load(&Db(), k) != nullptr; },
         &g_SectionsCache},
    };
    for (const auto& c : caches) {
        EXPECT_FALSE(c.loads(QZKeyCombo(kDbId, 3))) << c.name;
        EXPECT_EQ(c.cache->GetCount(), 0) << c.name;
    }
}

TEST_F(RecordsetCacheTest, ClosingTheDatabaseEmptiesTheCachesFirst) {
    LONG id = AddPageRow("Home");
    DocCache::Handle held = g_DocumentCache.Load(&Db(), QZKeyCombo(kDbId, id));
    g_ServicesCache.Add(std::make_shared<CServicesSet>(&Db()));
    std::weak_ptr<CDocumentSet> watch = held;
    Db().Close();
    EXPECT_EQ(g_DocumentCache.GetCount(), 0);
    EXPECT_EQ(g_ServicesCache.GetCount(), 0);
    ASSERT_FALSE(watch.expired());
    EXPECT_EQ(held->m_Title, CString("Home")); // the object still reads its row
    EXPECT_EQ(g_DocumentCache.MarkReleased(held), 0);
    EXPECT_TRUE(watch.expired());
}

TEST_F(RecordsetCacheTest, ClearingEmptiesAllEight) {
    g_TemplatesCache.Add(std::make_shared<CTemplatesSet>(&Db()));
    g_DocumentCache.Add(std::make_shared<CDocumentSet>(&Db()));
    g_FormsCache.Add(std::make_shared<CFormsSet>(&Db()));
    g_MessagesCache.Add(std::make_shared<CMessagesSet>(&Db()));
    g_EventsCache.Add(std::make_shared<CEventsSet>(&Db()));
    g_ImagesCache.Add(std::make_shared<CImagesSet>(&Db()));
    g_ServicesCache.Add(std::make_shared<CServicesSet>(&Db()));
    g_SectionsCache.Add(std::make_shared<CSectionsSet>(&Db()));
    ClearRecordsetCaches();
    for (QZRecordsetCacheBase* cache : std::initializer_list<QZRecordsetCacheBase*>{
             &g_TemplatesCache, &g_DocumentCache, &g_FormsCache, &g_MessagesCache, &g_EventsCache,
             &g_ImagesCache, &g_ServicesCache, &g_SectionsCache})
        EXPECT_EQ(cache->GetCount(), 0);
}

} // namespace
