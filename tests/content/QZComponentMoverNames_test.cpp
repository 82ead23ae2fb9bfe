// The name rules that decide what stripping an installed copy removes, and which component
// rows are copied.
#include "content/QZComponentMover.h"

#include <gtest/gtest.h>

namespace {

TEST(QZComponentMoverNames, StandardTablesAreKnownByNameWhateverTheirCase) {
    for (const char* name : {"Documents", "DOCUMENTS", "mq_adspace", "ComponentsInstalled",
                             "Marquill", "Sponsors", "Subscribers", "DynamicRequests",
                             "MQ_DynamicRequests", "PhotoImages", "MQ_ClickThroughs"})
        EXPECT_TRUE(QZComponentMover::IsSiteTable(name)) << name;
    for (const char* name : {"GuestEntries", "Document", "MQ_Documents", "MSysMqTables", ""})
        EXPECT_FALSE(QZComponentMover::IsSiteTable(name)) << name;
}

TEST(QZComponentMoverNames, SystemTablesBeginWithMSysAsWritten) {
    EXPECT_TRUE(QZComponentMover::IsSystemTable("MSysMqColumns"));
    EXPECT_TRUE(QZComponentMover::IsSystemTable("MSys"));
    EXPECT_FALSE(QZComponentMover::IsSystemTable("msysMqColumns"));
    EXPECT_FALSE(QZComponentMover::IsSystemTable("MSy"));
}

TEST(QZComponentMoverNames, SiteQueriesBeginWithMQOrREMAndAreLongerThanThat) {
    struct Case {
        const char* name;
        BOOL site;
    };
    for (const Case& c : {Case{"MQ_GetDocByDbID_DocID", TRUE}, Case{"REM_Cleanup", TRUE},
                          Case{"REM_", TRUE}, Case{"MQ_", FALSE}, Case{"mq_Lower", FALSE},
                          Case{"EntriesByPage", FALSE}, Case{"MQX", FALSE}})
        EXPECT_EQ(QZComponentMover::IsSiteQuery(c.name), c.site) << c.name;
}

TEST(QZComponentMoverNames, OnlyLiveRowsOfADatabaseAreCopied) {
    EXPECT_TRUE(QZComponentMover::ShouldCopyRow(77, 0));
    EXPECT_FALSE(QZComponentMover::ShouldCopyRow(0, 0));
    EXPECT_FALSE(QZComponentMover::ShouldCopyRow(77, 1));
}

} // namespace
