#pragma once
// The document of the ad editor: it edits one QZVantrelAd.

#include "content/QZVantrelAd.h"
#include "editors/QZKindDocument.h"

class QZAdDoc : public QZKindDocument {
    DECLARE_DYNCREATE(QZAdDoc)
public:
    QZAdDoc();

    QZVantrelAd* GetAd() const { return dynamic_cast<QZVantrelAd*>(m_pObject); }

protected:
    // An ad without an advertiser takes the selected section key, where the advertising tree
    // puts the chosen advertiser.
    void PrepareLoadedObject() override;
};
