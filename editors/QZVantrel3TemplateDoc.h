#pragma once
// The document of the macro editor: it edits one QZVantrelTemplate.

#include "content/QZVantrelTemplate.h"
#include "editors/QZKindDocument.h"

class QZVantrel3TemplateDoc : public QZKindDocument {
    DECLARE_DYNCREATE(QZVantrel3TemplateDoc)
public:
    QZVantrel3TemplateDoc();

    QZVantrelTemplate* GetTemplate() const { return dynamic_cast<QZVantrelTemplate*>(m_pObject); }
};
