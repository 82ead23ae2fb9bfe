#pragma once
// Lookups over services, sections and authors: each opens the rows it needs by key, without a
// claim, and returns one column or a path made of several. The results are values: a second
// call never changes what the first returned. A key without a row gives empty text.

#include "db/QZKeyCombo.h"
#include "platform/core/CString.h"

// The service's Directory (the section key does not change it).
CString GetServiceDirectory(const QZKeyCombo& serviceKey, const QZKeyCombo& sectionKey);
CString GetServiceDevelopPath(const QZKeyCombo& serviceKey);
CString GetServiceProductionPath(const QZKeyCombo& serviceKey);
CString GetServiceClientsDb(const QZKeyCombo& serviceKey);
CString GetServiceClientsProdDb(const QZKeyCombo& serviceKey);
// The service's Directory and the section's, joined ("site/news", "news" or "site").
CString GetServiceSectionDirectory(const QZKeyCombo& serviceKey, const QZKeyCombo& sectionKey);
// The service's DevelopPath, its Directory and the section's Directory, joined.
CString GetSectionDevelopPath(const QZKeyCombo& serviceKey, const QZKeyCombo& sectionKey);
CString GetAuthorName(const QZKeyCombo& authorKey);
