#include "content/commands/QZCmdAdSpace.h"

#include "content/QZSection.h"
#include "content/QZService.h"
#include "content/QZVantrelAd.h"
#include "content/QZVantrelAdSpace.h"
#include "content/QZVantrelImage.h"
#include "content/commands/QZObjectCommandParts.h"
#include "db/CPageImpressionsSet.h"
#include "db/QZApplication.h"
#include "template/commands/QZArgumentContext.h"
#include "template/commands/QZCommandDialogs.h"
#include "template/parser/QZTemplateRunOwner.h"

using namespace QZObjectCommandParts;

IMPLEMENT_DYNAMIC(QZCmdAdSpace, QZCmdFunction)

QZCmdAdSpace::QZCmdAdSpace(QZVantrelContext* context, const CString& arguments)
    : QZCmdFunction(context, arguments, OBJ_ADSPACE), m_key(-1, -1, OBJ_ADSPACE) {}

QZCmdAdSpace::~QZCmdAdSpace() = default;

void QZCmdAdSpace::WriteSource(CString& text) {
    text += "<<adspace " + GetArguments()->GetTranslatedText() + ">>";
}

BOOL QZCmdAdSpace::CheckParameters() {
    Evaluate(*this);
    m_key = ReadKey(*this, OBJ_ADSPACE, m_pKeyEntry);
    return ResolveObject();
}

BOOL QZCmdAdSpace::ResolveObject() {
    m_pObject.reset();
    if (m_key.m_KeyID < 1) {
        Error("adspace: no valid adspace key specified");
        return FALSE;
    }
    m_pObject = std::make_unique<QZVantrelAdSpace>(m_key, FALSE);
    if (!m_pObject->IsLoaded()) {
        ReportInvalidKey(*this, "adspace", "adspace", m_pKeyEntry, m_key);
        m_pObject.reset();
    }
    return m_pObject != nullptr;
}

void QZCmdAdSpace::Execute() {
    if (!CheckParameters())
        return;
    m_pObject->LoadService();
    QZKeyCombo ad = m_pObject->PickAd();
    // A slot without an ad has nothing to show, and no ad to ask the interpreter for.
    if (ad.m_KeyID > 0) {
        CString link = "<a href=\"" + InterpreterPath() + "?adlink=" + m_key.FormatFull();
        if (m_pPageOwner != nullptr)
            link += "&docid=" + m_pPageOwner->GetKey().FormatFull();
        link += "&ad=" + ad.FormatFull() + "\"><img src=\"";
        Write(link + ImageSource(ad) + "\" border=0></a>");
    }
    m_pObject.reset();
}

CString QZCmdAdSpace::ImageSource(const QZKeyCombo& ad) {
    BOOL preview = m_pRunOwner != nullptr && m_pRunOwner->IsPreview();
    if (!preview && m_pPageOwner != nullptr && !m_pPageOwner->IsDynamic())
        return InterpreterPath() + "?adspace=" + m_key.FormatFull() +
               "&docid=" + m_pPageOwner->GetKey().FormatFull() + "&ad=" + ad.FormatFull();
    if (preview || m_pPageOwner != nullptr)
        return AdImagePath(ad);
    return CString();
}

CString QZCmdAdSpace::AdImagePath(const QZKeyCombo& adKey) {
    QZVantrelAd ad(adKey, FALSE);
    if (!ad.IsLoaded())
        return CString();
    if (m_pRunOwner == nullptr || !m_pRunOwner->IsPreview())
        RecordImpression(adKey);
    QZVantrelImage image(ad.GetImageKey(), FALSE);
    if (!image.IsLoaded())
        return CString();
    image.LoadService();
    image.LoadSection();
    return "/" + DirectoryPart(image.GetService()->GetDirectory()) +
           DirectoryPart(image.GetSection()->GetDirectory()) + DirectoryPart(image.GetDirectory()) +
           image.GetFileName();
}

void QZCmdAdSpace::RecordImpression(const QZKeyCombo& ad) {
    CPageImpressionsSet impressions(&GetVantrelApp()->GetVantrelDb());
    impressions.AddNewRecord();
    impressions.m_AdSpaceDbID = m_key.m_DbID;
    impressions.m_AdSpaceID = m_key.m_KeyID;
    impressions.m_AdDbID = ad.m_DbID;
    impressions.m_AdID = ad.m_KeyID;
    QZKeyCombo page = m_pPageOwner->GetKey();
    impressions.m_DocDbID = page.m_DbID;
    impressions.m_DocID = page.m_KeyID;
    impressions.m_WhenPosted = COleDateTime::GetCurrentTime();
    impressions.SaveRecord(0);
    impressions.Close();
}

CString QZCmdAdSpace::EditProperties() {
    CheckParameters();
    CString keyText;
    CString rest;
    SplitKeyText(m_source, keyText, rest);
    m_properties.Empty();
    if (GetCommandDialogs().AdSpaceProps(m_key) == IDOK)
        m_properties = "<<adspace " + EditedKeyText(m_key, keyText) + ">>";
    m_pObject.reset();
    return m_properties;
}
