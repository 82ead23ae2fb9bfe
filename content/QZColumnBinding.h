#pragma once
// How a content object reaches the columns of its row: each binding points at the member that
// holds a column in the object's recordset, found by the column's name in the recordset's own
// column table. A kind names only what differs between tables (its own number, its name and
// file columns); a column its table lacks stays unbound (null).

#include "db/QZColumn.h"
#include "platform/core/COleDateTime.h"
#include "platform/core/CString.h"
#include "platform/core/Types.h"

#include <variant>

// The columns of a row that every kind of content object may have, as the base reads them.
struct QZColumnBinding {
    // What differs between tables: the bracketed names of the own number, name or title and
    // file name columns ("[ImageID]", "[Name]", "[FileName]"); null for none.
    struct Names {
        const char* ownId;
        const char* name;
        const char* fileName = nullptr;
    };

    LONG* ownId = nullptr;
    LONG* dbId = nullptr;
    LONG* serviceId = nullptr;
    LONG* sectionId = nullptr;
    LONG* styleId = nullptr;
    LONG* serviceDbId = nullptr;
    LONG* sectionDbId = nullptr;
    LONG* styleDbId = nullptr;
    LONG* whoChanged = nullptr;
    LONG* authorChangedDbId = nullptr;
    LONG* whoPublished = nullptr;
    LONG* authorPublishedDbId = nullptr;
    LONG* whoGenerated = nullptr;
    LONG* authorGenDbId = nullptr;
    COleDateTime* lastChanged = nullptr;
    COleDateTime* lastPublished = nullptr;
    CString* name = nullptr;
    BYTE* publishFlag = nullptr;
    BYTE* neverPublishFlag = nullptr;
    BYTE* deleted = nullptr;
    CString* directory = nullptr;
    CString* fileName = nullptr;
};

// The member of `set` that holds the column of that bracketed name, when the column is held in
// a member of type T; else null.
template <class T, class Set> T* FindColumn(Set& set, const char* name) {
    if (name == nullptr)
        return nullptr;
    for (const QZColumn<Set>& column : Set::Columns()) {
        if (CString(column.name).CompareNoCase(name) != 0)
            continue;
        auto* pointer = std::get_if<T Set::*>(&column.member);
        return pointer != nullptr ? &(set.*(*pointer)) : nullptr;
    }
    return nullptr;
}

// Every binding of the base found in the set's column table.
template <class Set> QZColumnBinding BindColumns(Set& set, const QZColumnBinding::Names& names) {
    QZColumnBinding b;
    b.ownId = FindColumn<LONG>(set, names.ownId);
    b.dbId = FindColumn<LONG>(set, "[DbID]");
    b.serviceId = FindColumn<LONG>(set, "[ServiceID]");
    b.sectionId = FindColumn<LONG>(set, "[SectionID]");
    b.styleId = FindColumn<LONG>(set, "[StyleID]");
    b.serviceDbId = FindColumn<LONG>(set, "[ServiceDbID]");
    b.sectionDbId = FindColumn<LONG>(set, "[SectionDbID]");
    b.styleDbId = FindColumn<LONG>(set, "[StyleDbID]");
    b.whoChanged = FindColumn<LONG>(set, "[WhoChanged]");
    b.authorChangedDbId = FindColumn<LONG>(set, "[AuthorChangedDbID]");
    b.whoPublished = FindColumn<LONG>(set, "[WhoPublished]");
    b.authorPublishedDbId = FindColumn<LONG>(set, "[AuthorPublishedDbID]");
    b.whoGenerated = FindColumn<LONG>(set, "[WhoGenerated]");
    b.authorGenDbId = FindColumn<LONG>(set, "[AuthorGenDbID]");
    b.lastChanged = FindColumn<COleDateTime>(set, "[LastChanged]");
    b.lastPublished = FindColumn<COleDateTime>(set, "[LastPublished]");
    b.name = FindColumn<CString>(set, names.name);
    b.publishFlag = FindColumn<BYTE>(set, "[PublishFlag]");
    b.neverPublishFlag = FindColumn<BYTE>(set, "[NeverPublishFlag]");
    b.deleted = FindColumn<BYTE>(set, "[Deleted]");
    b.directory = FindColumn<CString>(set, "[Directory]");
    b.fileName = FindColumn<CString>(set, names.fileName);
    return b;
}
