#pragma once
// The document of the advertiser editor: it edits one QZVantrelAdvertiser.

#include "content/QZVantrelAdvertiser.h"
#include "editors/QZKindDocument.h"

class QZAdvertiserDoc : public QZKindDocument {
    DECLARE_DYNCREATE(QZAdvertiserDoc)
public:
    QZAdvertiserDoc();

    QZVantrelAdvertiser* GetAdvertiser() const {
        return dynamic_cast<QZVantrelAdvertiser*>(m_pObject);
    }
};
