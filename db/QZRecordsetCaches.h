#pragma once
// The eight recordset caches of the program, one for each class whose rows are loaded read-only
// over and over during a generate, preview or publish run.

#include "db/CDocumentSet.h"
#include "db/CEventsSet.h"
#include "db/CFormsSet.h"
#include "db/CImagesSet.h"
#include "db/CMessagesSet.h"
#include "db/CSectionsSet.h"
#include "db/CServicesSet.h"
#include "db/CTemplatesSet.h"
#include "db/QZRecordsetCache.h"

extern QZRecordsetCache<CTemplatesSet> g_TemplatesCache;
extern QZRecordsetCache<CDocumentSet> g_DocumentCache;
extern QZRecordsetCache<CFormsSet> g_FormsCache;
extern QZRecordsetCache<CMessagesSet> g_MessagesCache;
extern QZRecordsetCache<CEventsSet> g_EventsCache;
extern QZRecordsetCache<CImagesSet> g_ImagesCache;
extern QZRecordsetCache<CServicesSet> g_ServicesCache;
extern QZRecordsetCache<CSectionsSet> g_SectionsCache;

// Empties all eight (pages, messages, macros, forms, services, sections, events, images), and
// the cache of open data databases: after every generate or preview run, after publishing and
// at exit.
void ClearRecordsetCaches();
