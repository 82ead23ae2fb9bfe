// The table movers of an insertion: the rows of sixteen object tables of the installed copy
// copied into the site database under new keys, and the references between them rewritten
// through the key table (key columns, the keys inside template text).
#include "content/QZComponentMover.h"

#include "db/CActiveXSet.h"
#include "db/CAdSet.h"
#include "db/CAdSpaceSet.h"
#include "db/CAdvertiserSet.h"
#include "db/CDocumentSet.h"
#include "db/CEventsSet.h"
#include "db/CFormsSet.h"
#include "db/CImagesSet.h"
#include "db/CJavaSet.h"
#include "db/CMediaSet.h"
#include "db/CMessagesSet.h"
#include "db/CQuerySet.h"
#include "db/CScriptSet.h"
#include "db/CSectionsSet.h"
#include "db/CStylesSet.h"
#include "db/CTemplatesSet.h"
#include "db/QZKeyTable.h"
#include "platform/dao/CDaoTableDef.h"
#include "template/parser/QZVantrelMemoFld.h"

namespace {

// The kinds in the order their movers run: each referenced kind before those that refer to it.
enum Kind {
    kSections,
    kImages,
    kStyles,
    kDocuments,
    kForms,
    kMessages,
    kQueries,
    kTemplates,
    kActiveX,
    kJava,
    kMedia,
    kScripts,
    kEvents,
    kAdvertisers,
    kAdSpaces,
    kAds,
};

template <class Set> QZRecordset* MakeSet(CDaoDatabase* db) {
    return new Set(db);
}

struct MovedKind {
    const char* table;
    SHORT type;
    QZRecordset* (*make)(CDaoDatabase*);
};

const MovedKind kKinds[QZComponentMover::kKindCount] = {
    {"Sections", OBJ_SECTION, MakeSet<CSectionsSet>},
    {"Images", OBJ_IMAGE, MakeSet<CImagesSet>},
    {"Styles", OBJ_STYLE, MakeSet<CStylesSet>},
    {"Documents", OBJ_PAGE, MakeSet<CDocumentSet>},
    {"Forms", OBJ_FORM, MakeSet<CFormsSet>},
    {"Messages", OBJ_MESSAGE, MakeSet<CMessagesSet>},
    {"Query", OBJ_QUERY, MakeSet<CQuerySet>},
    {"Templates", OBJ_MACRO, MakeSet<CTemplatesSet>},
    {"MQ_ActiveX", OBJ_ACTIVEX, MakeSet<CActiveXSet>},
    {"MQ_Java", OBJ_JAVA, MakeSet<CJavaSet>},
    {"MQ_Media", OBJ_MEDIA, MakeSet<CMediaSet>},
    {"MQ_Script", OBJ_SCRIPT, MakeSet<CScriptSet>},
    {"MQ_Events", OBJ_EVENT, MakeSet<CEventsSet>},
    {"MQ_Advertiser", OBJ_ADVERTISER, MakeSet<CAdvertiserSet>},
    {"MQ_AdSpace", OBJ_ADSPACE, MakeSet<CAdSpaceSet>},
    {"MQ_Ad", OBJ_AD, MakeSet<CAdSet>},
};

} // namespace

int QZComponentMover::CreateRecordsets(CDaoDatabase* componentDb, CDaoDatabase* siteDb) {
    for (int kind = 0; kind < kKindCount; kind++) {
        m_pComponentSets[kind].reset(kKinds[kind].make(componentDb));
        m_pSiteSets[kind].reset(kKinds[kind].make(siteDb));
    }
    return 1;
}

int QZComponentMover::CreateTableDefs() {
    for (auto& table : m_pTableDefs)
        table = std::make_unique<CDaoTableDef>(m_pComponentDb.get());
    return 1;
}

BOOL QZComponentMover::ShouldCopyRow(LONG dbId, BYTE deleted) {
    return dbId != 0 && deleted == 0;
}

// ---- The movers ----

template <class Set>
int QZComponentMover::MoveTable(int kind, const QZKeyCombo& serviceKey, LONG* count,
                                std::vector<KeyColumn<Set>> references) {
    *count = 0;
    CDaoTableDef& table = *m_pTableDefs[kind];
    auto& rows = static_cast<Set&>(*m_pComponentSets[kind]);
    table.Open(kKinds[kind].table);
    rows.Open(&table, dbOpenTable, dbReadOnly);
    for (BOOL more = rows.MoveFirstRow(); more; more = rows.MoveNextRow())
        if (ShouldCopyRow(rows.m_DbID, rows.m_Deleted))
            CopyRow(kind, serviceKey, references);
    rows.Close();
    table.Close();
    return 1;
}

template <class Set>
void QZComponentMover::CopyRow(int kind, const QZKeyCombo& serviceKey,
                               const std::vector<KeyColumn<Set>>& references) {
    auto& from = static_cast<Set&>(*m_pComponentSets[kind]);
    auto& to = static_cast<Set&>(*m_pSiteSets[kind]);
    if (to.AddNewRecord(0) != 1) {
        ReportError(CString("A row cannot be added to ") + kKinds[kind].table + ".");
        return;
    }
    QZKeyCombo newKey = to.GetKey();
    QZKeyCombo oldKey = from.GetKey();
    m_pKeyTable->AddEntry(oldKey, newKey, kKinds[kind].type);
    to = from;
    to.m_DbID = newKey.m_DbID;
    to.m_ServiceDbID = serviceKey.m_DbID;
    to.m_ServiceID = serviceKey.m_KeyID;
    MapColumns(to, references);
    // The queries name the installed copy, which keeps the component's own tables.
    if constexpr (std::is_same_v<Set, CQuerySet>)
        to.m_DatabaseName = m_strInstalledCopyPath;
    to.SaveRecord(0);
}

template <class Set>
void QZComponentMover::MapColumns(Set& row, const std::vector<KeyColumn<Set>>& columns) {
    for (const KeyColumn<Set>& column : columns) {
        QZKeyCombo key = m_pKeyTable->MapKey(
            QZKeyCombo(row.*column.dbId, row.*column.id, column.type), column.type);
        row.*column.dbId = key.m_DbID;
        row.*column.id = key.m_KeyID;
    }
}

int QZComponentMover::MoveSections(QZKeyCombo serviceKey, LONG* count) {
    return MoveTable<CSectionsSet>(kSections, serviceKey, count, {});
}

int QZComponentMover::MoveImages(QZKeyCombo serviceKey, LONG* count) {
    using S = CImagesSet;
    return MoveTable<S>(kImages, serviceKey, count,
                        {{&S::m_SectionDbID, &S::m_SectionID, OBJ_SECTION}});
}

int QZComponentMover::MoveStyles(QZKeyCombo serviceKey, LONG* count) {
    using S = CStylesSet;
    return MoveTable<S>(kStyles, serviceKey, count,
                        {{&S::m_BackImageDbID, &S::m_BackImageID, OBJ_IMAGE}});
}

int QZComponentMover::MoveDocuments(QZKeyCombo serviceKey, LONG* count) {
    using S = CDocumentSet;
    return MoveTable<S>(kDocuments, serviceKey, count,
                        {{&S::m_SectionDbID, &S::m_SectionID, OBJ_SECTION},
                         {&S::m_StyleDbID, &S::m_StyleID, OBJ_STYLE}});
}

int QZComponentMover::MoveForms(QZKeyCombo serviceKey, LONG* count) {
    return MoveTable<CFormsSet>(kForms, serviceKey, count, {});
}

int QZComponentMover::MoveMessages(QZKeyCombo serviceKey, LONG* count) {
    return MoveTable<CMessagesSet>(kMessages, serviceKey, count, {});
}

int QZComponentMover::MoveQueries(QZKeyCombo serviceKey, LONG* count) {
    return MoveTable<CQuerySet>(kQueries, serviceKey, count, {});
}

int QZComponentMover::MoveTemplates(QZKeyCombo serviceKey, LONG* count) {
    return MoveTable<CTemplatesSet>(kTemplates, serviceKey, count, {});
}

int QZComponentMover::MoveActiveX(QZKeyCombo serviceKey, LONG* count) {
    using S = CActiveXSet;
    return MoveTable<S>(kActiveX, serviceKey, count,
                        {{&S::m_SectionDbID, &S::m_SectionID, OBJ_SECTION}});
}

int QZComponentMover::MoveJava(QZKeyCombo serviceKey, LONG* count) {
    using S = CJavaSet;
    return MoveTable<S>(kJava, serviceKey, count,
                        {{&S::m_SectionDbID, &S::m_SectionID, OBJ_SECTION}});
}

int QZComponentMover::MoveMedia(QZKeyCombo serviceKey, LONG* count) {
    using S = CMediaSet;
    return MoveTable<S>(kMedia, serviceKey, count,
                        {{&S::m_SectionDbID, &S::m_SectionID, OBJ_SECTION}});
}

int QZComponentMover::MoveScripts(QZKeyCombo serviceKey, LONG* count) {
    using S = CScriptSet;
    return MoveTable<S>(kScripts, serviceKey, count,
                        {{&S::m_SectionDbID, &S::m_SectionID, OBJ_SECTION}});
}

int QZComponentMover::MoveEvents(QZKeyCombo serviceKey, LONG* count) {
    return MoveTable<CEventsSet>(kEvents, serviceKey, count, {});
}

int QZComponentMover::MoveAdvertisers(QZKeyCombo serviceKey, LONG* count) {
    return MoveTable<CAdvertiserSet>(kAdvertisers, serviceKey, count, {});
}

int QZComponentMover::MoveAdSpaces(QZKeyCombo serviceKey, LONG* count) {
    // The ad keys wait for the ads, which come later (RelinkAdSpaces).
    return MoveTable<CAdSpaceSet>(kAdSpaces, serviceKey, count, {});
}

int QZComponentMover::MoveAds(QZKeyCombo serviceKey, LONG* count) {
    using S = CAdSet;
    return MoveTable<S>(kAds, serviceKey, count,
                        {{&S::m_AdvertiserDbID, &S::m_AdvertiserID, OBJ_ADVERTISER},
                         {&S::m_ImageDbID, &S::m_ImageID, OBJ_IMAGE}});
}

// ---- Relinking after all rows are copied ----

template <class Set>
void QZComponentMover::RelinkRows(SHORT type, const std::vector<KeyColumn<Set>>& columns) {
    Set row(m_pSiteDb);
    for (QZKeyTableEntry* entry = m_pKeyTable->FindFirst(type); entry != nullptr;
         entry = m_pKeyTable->FindNext(type)) {
        if (row.OpenByKey(entry->m_NewKey, Set::GetKeyQueryName(), 1) != QZRecordset::openFound)
            continue;
        MapColumns(row, columns);
        row.SaveRecord(0);
    }
}

void QZComponentMover::RelinkSections() {
    using S = CSectionsSet;
    RelinkRows<S>(OBJ_SECTION, {{&S::m_StyleDbID, &S::m_StyleID, OBJ_STYLE},
                                {&S::m_DefaultDocDbID, &S::m_DefaultDocID, OBJ_PAGE}});
}

void QZComponentMover::RelinkAdSpaces() {
    using S = CAdSpaceSet;
    RelinkRows<S>(OBJ_ADSPACE, {{&S::m_DbID1, &S::m_AdID1, OBJ_AD},
                                {&S::m_DbID2, &S::m_AdID2, OBJ_AD},
                                {&S::m_DbID3, &S::m_AdID3, OBJ_AD},
                                {&S::m_DbID4, &S::m_AdID4, OBJ_AD},
                                {&S::m_DbID5, &S::m_AdID5, OBJ_AD},
                                {&S::m_DbID6, &S::m_AdID6, OBJ_AD},
                                {&S::m_DbID7, &S::m_AdID7, OBJ_AD},
                                {&S::m_DbID8, &S::m_AdID8, OBJ_AD},
                                {&S::m_DbID9, &S::m_AdID9, OBJ_AD},
                                {&S::m_DbID10, &S::m_AdID10, OBJ_AD}});
}

// ---- Keys inside template text ----

template <class Set>
int QZComponentMover::TranslateText(SHORT type, std::vector<CString Set::*> columns) {
    Set row(m_pSiteDb);
    for (QZKeyTableEntry* entry = m_pKeyTable->FindFirst(type); entry != nullptr;
         entry = m_pKeyTable->FindNext(type)) {
        // A row another user holds, or one that cannot be loaded, keeps its text.
        if (row.OpenByKey(entry->m_NewKey, Set::GetKeyQueryName(), 1) != QZRecordset::openFound)
            continue;
        for (CString Set::*column : columns)
            m_pParser->TranslateKeys(row.*column, m_pKeyTable.get());
        row.SaveRecord(0);
    }
    return 1;
}

int QZComponentMover::TranslateDocumentText() {
    return TranslateText<CDocumentSet>(OBJ_PAGE,
                                       {&CDocumentSet::m_ScriptBody, &CDocumentSet::m_Header});
}

int QZComponentMover::TranslateFormText() {
    return TranslateText<CFormsSet>(OBJ_FORM, {&CFormsSet::m_ScriptBody, &CFormsSet::m_ActionBody});
}

int QZComponentMover::TranslateMessageText() {
    return TranslateText<CMessagesSet>(OBJ_MESSAGE, {&CMessagesSet::m_Body});
}

int QZComponentMover::TranslateTemplateText() {
    return TranslateText<CTemplatesSet>(OBJ_MACRO, {&CTemplatesSet::m_ScriptBody});
}

int QZComponentMover::TranslateEventText() {
    return TranslateText<CEventsSet>(OBJ_EVENT, {&CEventsSet::m_ScriptBody});
}

int QZComponentMover::TranslateScriptText() {
    return TranslateText<CScriptSet>(OBJ_SCRIPT, {&CScriptSet::m_ScriptBody});
}
