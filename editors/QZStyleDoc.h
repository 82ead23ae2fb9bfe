#pragma once
// The document of the style editor: it edits one QZAttributes.

#include "content/QZAttributes.h"
#include "editors/QZKindDocument.h"

class QZStyleDoc : public QZKindDocument {
    DECLARE_DYNCREATE(QZStyleDoc)
public:
    QZStyleDoc();

    QZAttributes* GetStyle() const { return dynamic_cast<QZAttributes*>(m_pObject); }
};
