#pragma once
// The document of the ad space editor: it edits one QZVantrelAdSpace.

#include "content/QZVantrelAdSpace.h"
#include "editors/QZKindDocument.h"

class QZAdSpaceDoc : public QZKindDocument {
    DECLARE_DYNCREATE(QZAdSpaceDoc)
public:
    QZAdSpaceDoc();

    QZVantrelAdSpace* GetAdSpace() const { return dynamic_cast<QZVantrelAdSpace*>(m_pObject); }
};
