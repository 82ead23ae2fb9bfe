#include "db/QZListLoaders.h"

#include "db/CActiveXListSet.h"
#include "db/CAdListSet.h"
#include "db/CAdSpaceListSet.h"
#include "db/CAdvertiserListSet.h"
#include "db/CAuthorsListSet.h"
#include "db/CDocumentListSet.h"
#include "db/CEventsListSet.h"
#include "db/CFormsListSet.h"
#include "db/CImagesListSet.h"
#include "db/CJavaListSet.h"
#include "db/CMediaListSet.h"
#include "db/CMessagesListSet.h"
#include "db/CPublishListSet.h"
#include "db/CQueriesListSet.h"
#include "db/CScriptListSet.h"
#include "db/CSectionsListSet.h"
#include "db/CServicesListSet.h"
#include "db/CStylesListSet.h"
#include "db/CTemplatesListSet.h"
#include "db/QZApplication.h"

namespace {
// The list set is a local: it is gone when the loader returns, also when an error passes.
template <class ListSet>
QZNameAndKeyList* LoadKeyed(const QZKeyCombo& parent, const char* query, BOOL showDeleted) {
    ListSet set(&GetVantrelApp()->GetVantrelDb());
    return set.OpenList(parent, query, showDeleted);
}

template <class ListSet> QZNameAndKeyList* LoadFlagOnly(const char* query, BOOL showDeleted) {
    ListSet set(&GetVantrelApp()->GetVantrelDb());
    return set.OpenList(query, showDeleted);
}
} // namespace

QZNameAndKeyList* LoadListAuthors(BOOL showDeleted) {
    return LoadFlagOnly<CAuthorsListSet>("MQ_GetListAuthors", showDeleted);
}

QZNameAndKeyList* LoadListServices(BOOL showDeleted) {
    return LoadFlagOnly<CServicesListSet>("MQ_GetListServices", showDeleted);
}

QZNameAndKeyList* LoadListSections(const QZKeyCombo& service, BOOL showDeleted) {
    return LoadKeyed<CSectionsListSet>(service, "MQ_GetListSections", showDeleted);
}

QZNameAndKeyList* LoadListDocumentsByService(const QZKeyCombo& service, BOOL showDeleted) {
    return LoadKeyed<CDocumentListSet>(service, "MQ_GetListDocumentsByService", showDeleted);
}

QZNameAndKeyList* LoadListTemplates(const QZKeyCombo& service, BOOL showDeleted) {
    return LoadKeyed<CTemplatesListSet>(service, "MQ_GetListTemplates", showDeleted);
}

QZNameAndKeyList* LoadListImagesByService(const QZKeyCombo& service, BOOL showDeleted) {
    return LoadKeyed<CImagesListSet>(service, "MQ_GetListImagesByService", showDeleted);
}

QZNameAndKeyList* LoadListForms(const QZKeyCombo& service, BOOL showDeleted) {
    return LoadKeyed<CFormsListSet>(service, "MQ_GetListForms", showDeleted);
}

QZNameAndKeyList* LoadListMessages(const QZKeyCombo& service, BOOL showDeleted) {
    return LoadKeyed<CMessagesListSet>(service, "MQ_GetListMessages", showDeleted);
}

QZNameAndKeyList* LoadListQueries(const QZKeyCombo& service, BOOL showDeleted) {
    return LoadKeyed<CQueriesListSet>(service, "MQ_GetListQueries", showDeleted);
}

QZNameAndKeyList* LoadListQueriesByService(const QZKeyCombo& service, BOOL showDeleted) {
    return LoadKeyed<CQueriesListSet>(service, "MQ_GetListQueriesByService", showDeleted);
}

QZNameAndKeyList* LoadListStyles(const QZKeyCombo& service, BOOL showDeleted) {
    return LoadKeyed<CStylesListSet>(service, "MQ_GetListStyles", showDeleted);
}

QZNameAndKeyList* LoadListActiveXByService(const QZKeyCombo& service, BOOL showDeleted) {
    return LoadKeyed<CActiveXListSet>(service, "MQ_GetListActiveXByService", showDeleted);
}

QZNameAndKeyList* LoadListJavaByService(const QZKeyCombo& service, BOOL showDeleted) {
    return LoadKeyed<CJavaListSet>(service, "MQ_GetListJavaByService", showDeleted);
}

QZNameAndKeyList* LoadListMediaByService(const QZKeyCombo& service, BOOL showDeleted) {
    return LoadKeyed<CMediaListSet>(service, "MQ_GetListMediaByService", showDeleted);
}

QZNameAndKeyList* LoadListScriptsByService(const QZKeyCombo& service, BOOL showDeleted) {
    return LoadKeyed<CScriptListSet>(service, "MQ_GetListScriptsByService", showDeleted);
}

QZNameAndKeyList* LoadListEventsByService(const QZKeyCombo& service, BOOL showDeleted) {
    return LoadKeyed<CEventsListSet>(service, "MQ_GetListEventsByService", showDeleted);
}

QZNameAndKeyList* LoadListAllAdvertisersByService(const QZKeyCombo& service, BOOL showDeleted) {
    return LoadKeyed<CAdvertiserListSet>(service, "MQ_GetListAllAdvertisersByService", showDeleted);
}

QZNameAndKeyList* LoadListAllAdvertisersByService1(const QZKeyCombo& service, BOOL showDeleted) {
    return LoadKeyed<CAdvertiserListSet>(service, "MQ_GetListAllAdvertisersByService1",
                                         showDeleted);
}

QZNameAndKeyList* LoadListAllAdsByService(const QZKeyCombo& service, BOOL showDeleted) {
    return LoadKeyed<CAdListSet>(service, "MQ_GetListAllAdsByService", showDeleted);
}

QZNameAndKeyList* LoadListAllAdSpaceByService(const QZKeyCombo& service, BOOL showDeleted) {
    return LoadKeyed<CAdSpaceListSet>(service, "MQ_GetListAllAdSpaceByService", showDeleted);
}

QZNameAndKeyList* LoadListPublishObjects(const QZKeyCombo& service, BOOL showDeleted) {
    return LoadKeyed<CPublishListSet>(service, "MQ_GetListPublishObjects", showDeleted);
}

QZNameAndKeyList* LoadListDocuments(const QZKeyCombo& section, BOOL showDeleted) {
    return LoadKeyed<CDocumentListSet>(section, "MQ_GetListDocuments", showDeleted);
}

QZNameAndKeyList* LoadListImages(const QZKeyCombo& section, BOOL showDeleted) {
    return LoadKeyed<CImagesListSet>(section, "MQ_GetListImages", showDeleted);
}

QZNameAndKeyList* LoadListActiveXBySection(const QZKeyCombo& section, BOOL showDeleted) {
    return LoadKeyed<CActiveXListSet>(section, "MQ_GetListActiveXBySection", showDeleted);
}

QZNameAndKeyList* LoadListJavaBySection(const QZKeyCombo& section, BOOL showDeleted) {
    return LoadKeyed<CJavaListSet>(section, "MQ_GetListJavaBySection", showDeleted);
}

QZNameAndKeyList* LoadListMediaBySection(const QZKeyCombo& section, BOOL showDeleted) {
    return LoadKeyed<CMediaListSet>(section, "MQ_GetListMediaBySection", showDeleted);
}

QZNameAndKeyList* LoadListScriptsBySection(const QZKeyCombo& section, BOOL showDeleted) {
    return LoadKeyed<CScriptListSet>(section, "MQ_GetListScriptsBySection", showDeleted);
}

QZNameAndKeyList* LoadListAllAdsByAdvertiser(const QZKeyCombo& advertiser, BOOL showDeleted) {
    return LoadKeyed<CAdListSet>(advertiser, "MQ_GetListAllAdsByAdvertiser", showDeleted);
}
