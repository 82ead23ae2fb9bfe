#pragma once
// The seeded site that the stored-query tests run on, written once for both of them: the
// tables as the queries see them and the rows every test starts from.
//
// Every object table holds a live row (key dbId:1, texts "Live") and a row marked deleted
// (dbId:2, "Gone", never to publish, not marked for publishing); both are static pages marked
// to generate, under the parent key dbId:10 (service, section, style, advertiser). Service
// dbId:10 itself is "Site", marked for publishing. Page dbId:1 uses object dbId:10 of every
// kind that pages use twice, page dbId:2 once. User dbId:5 holds the locks of pages 1 and 2 and
// is logged in; user dbId:6 holds the lock of page 3. One component is installed. The version
// row is not part of it.

#include "tests/platform/dao/JetSqlTestCatalog.h"

#include <string>
#include <vector>

// The 27 tables of a site database with their columns in order.
const JetSqlTestCatalog& SiteCatalog();

// The INSERT statements of the seeded site. Names are bracketed and texts single-quoted, so
// they run on SQLite as they are and through the database layer alike.
std::vector<std::string> SeededSiteStatements(long dbId);
