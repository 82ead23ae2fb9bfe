// The stored queries of a site database: QZDbUpdate makes them from their table of texts.

#include "db/QZDbUpdate.h"
#include "db/QZStoredQueryTexts.h"
#include "db/RunOrZero.h"

#include <span>

namespace {

// Replaces each query of the group in order; 0 at the first that cannot be made. An exception
// that escapes (a failed delete of the old query among them) is a failure of the chain.
int CreateGroup(QZDbUpdate& update, std::span<const QZStoredQueryText> group) {
    CDaoDatabase* database = QZDbUpdate::GetDatabaseUnderConstruction();
    if (!database)
        return 0;
    return RunOrZero([&] {
        for (const QZStoredQueryText& query : group) {
            if (update.QueryDefExists(database, query.name))
                database->DeleteQueryDef(query.name);
            if (!update.CreateQueryDef(query.name, query.sql, database))
                return 0;
        }
        return 1;
    });
}

} // namespace

int QZDbUpdate::CreateQueryDefs() {
    auto minimal = QZStoredQueryTexts::Minimal();
    if (!CreateGroup(*this, minimal))
        return 0;
    if (m_bMinimalQueries)
        return 1;
    if (!CreateGroup(*this, QZStoredQueryTexts::BeforePublish().subspan(minimal.size())))
        return 0;
    return CreatePublishQueryDefs();
}

int QZDbUpdate::CreatePublishQueryDefs() {
    return CreateGroup(*this, QZStoredQueryTexts::Publish());
}
