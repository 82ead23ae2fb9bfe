#include "db/QZRecordsetCaches.h"

#include "db/QZDataDatabaseCache.h"

QZRecordsetCache<CTemplatesSet> g_TemplatesCache;
QZRecordsetCache<CDocumentSet> g_DocumentCache;
QZRecordsetCache<CFormsSet> g_FormsCache;
QZRecordsetCache<CMessagesSet> g_MessagesCache;
QZRecordsetCache<CEventsSet> g_EventsCache;
QZRecordsetCache<CImagesSet> g_ImagesCache;
QZRecordsetCache<CServicesSet> g_ServicesCache;
QZRecordsetCache<CSectionsSet> g_SectionsCache;

void ClearRecordsetCaches() {
    g_DocumentCache.RemoveAll();
    g_MessagesCache.RemoveAll();
    g_TemplatesCache.RemoveAll();
    g_FormsCache.RemoveAll();
    g_ServicesCache.RemoveAll();
    g_SectionsCache.RemoveAll();
    g_EventsCache.RemoveAll();
    g_ImagesCache.RemoveAll();
    g_DataDatabaseCache.RemoveAll();
}
