#pragma once
// The list loaders: each runs one stored list query on the application's site database and
// returns a new list of named keys in the query's order (with the marker letters the query
// puts before some names). The caller owns the list and its items (DeleteNameAndKeyList).
// Engine errors pass on and no list is returned then. The show-deleted flag is passed on to
// the query: FALSE lists live objects, TRUE only deleted ones (where the query tests it).

#include "db/QZKeyCombo.h"
#include "db/QZNameAndKeyList.h"

QZNameAndKeyList* LoadListAuthors(BOOL showDeleted);
QZNameAndKeyList* LoadListServices(BOOL showDeleted);

// Under a service.
QZNameAndKeyList* LoadListSections(const QZKeyCombo& service, BOOL showDeleted);
QZNameAndKeyList* LoadListDocumentsByService(const QZKeyCombo& service, BOOL showDeleted);
QZNameAndKeyList* LoadListTemplates(const QZKeyCombo& service, BOOL showDeleted);
QZNameAndKeyList* LoadListImagesByService(const QZKeyCombo& service, BOOL showDeleted);
QZNameAndKeyList* LoadListForms(const QZKeyCombo& service, BOOL showDeleted);
QZNameAndKeyList* LoadListMessages(const QZKeyCombo& service, BOOL showDeleted);
QZNameAndKeyList* LoadListQueries(const QZKeyCombo& service, BOOL showDeleted);
QZNameAndKeyList* LoadListQueriesByService(const QZKeyCombo& service, BOOL showDeleted);
QZNameAndKeyList* LoadListStyles(const QZKeyCombo& service, BOOL showDeleted);
QZNameAndKeyList* LoadListActiveXByService(const QZKeyCombo& service, BOOL showDeleted);
QZNameAndKeyList* LoadListJavaByService(const QZKeyCombo& service, BOOL showDeleted);
QZNameAndKeyList* LoadListMediaByService(const QZKeyCombo& service, BOOL showDeleted);
QZNameAndKeyList* LoadListScriptsByService(const QZKeyCombo& service, BOOL showDeleted);
QZNameAndKeyList* LoadListEventsByService(const QZKeyCombo& service, BOOL showDeleted);
QZNameAndKeyList* LoadListAllAdvertisersByService(const QZKeyCombo& service, BOOL showDeleted);
QZNameAndKeyList* LoadListAllAdvertisersByService1(const QZKeyCombo& service, BOOL showDeleted);
QZNameAndKeyList* LoadListAllAdsByService(const QZKeyCombo& service, BOOL showDeleted);
QZNameAndKeyList* LoadListAllAdSpaceByService(const QZKeyCombo& service, BOOL showDeleted);
QZNameAndKeyList* LoadListPublishObjects(const QZKeyCombo& service, BOOL showDeleted);

// Under a section.
QZNameAndKeyList* LoadListDocuments(const QZKeyCombo& section, BOOL showDeleted);
QZNameAndKeyList* LoadListImages(const QZKeyCombo& section, BOOL showDeleted);
QZNameAndKeyList* LoadListActiveXBySection(const QZKeyCombo& section, BOOL showDeleted);
QZNameAndKeyList* LoadListJavaBySection(const QZKeyCombo& section, BOOL showDeleted);
QZNameAndKeyList* LoadListMediaBySection(const QZKeyCombo& section, BOOL showDeleted);
QZNameAndKeyList* LoadListScriptsBySection(const QZKeyCombo& section, BOOL showDeleted);

// Under an advertiser.
QZNameAndKeyList* LoadListAllAdsByAdvertiser(const QZKeyCombo& advertiser, BOOL showDeleted);
