#include "editors/QZAdDoc.h"

#include "shell/CVantrel3App.h"

IMPLEMENT_DYNCREATE(QZAdDoc, QZKindDocument)

QZAdDoc::QZAdDoc() : QZKindDocument(OBJ_AD) {}

void QZAdDoc::PrepareLoadedObject() {
    QZVantrelAd* ad = GetAd();
    const QZKeyCombo advertiser = ad->GetAdvertiserKey();
    const bool empty = advertiser.m_DbID == 0 && advertiser.m_KeyID == 0;
    const bool unset = advertiser.m_DbID == -1 && advertiser.m_KeyID == -1;
    if (empty || unset)
        ad->SetAdvertiserKey(GetVantrel3App()->GetCurrentSectionKey());
}
