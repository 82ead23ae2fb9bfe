#include "content/commands/QZCmdMedia.h"

#include "content/QZSection.h"
#include "content/QZService.h"
#include "content/QZVantrelMedia.h"
#include "content/commands/QZObjectCommandParts.h"
#include "template/commands/QZArgumentContext.h"
#include "template/commands/QZCommandDialogs.h"
#include "template/parser/QZTemplateRunOwner.h"
#include "template/parser/QZToken.h"
#include "template/parser/QZVantrelStmtContext.h"

using namespace QZObjectCommandParts;

IMPLEMENT_DYNAMIC(QZCmdMedia, QZCmdFunction)

QZCmdMedia::QZCmdMedia(QZVantrelContext* context, const CString& arguments)
    : QZCmdFunction(context, arguments, OBJ_MEDIA), m_key(-1, -1, OBJ_MEDIA),
      m_pBody(std::make_unique<QZVantrelStmtContext>(GetArguments(), this)) {}

QZCmdMedia::~QZCmdMedia() = default;

void QZCmdMedia::WriteSource(CString& text) {
    WriteBlockSource(text, "media", *this, *m_pBody, m_bClosed);
}

void QZCmdMedia::ReadArguments() {
    Evaluate(*this);
    m_key = ReadKey(*this, OBJ_MEDIA, m_pKeyEntry);
    // Names in any case, so that the text the dialog writes is read back.
    const std::pair<LPCTSTR, CString*> texts[] = {
        {"other", &m_strOther},
        {"onMouseOver", &m_strOnMouseOver},
        {"onClick", &m_strOnClick},
        {"target", &m_strTarget},
    };
    for (const auto& [name, field] : texts)
        *field = ReadStringAnyCase(*this, name);
}

BOOL QZCmdMedia::CheckParameters() {
    ReadArguments();
    m_pObject.reset();
    if (m_key.m_KeyID < 1) {
        Error("media: no valid media key specified");
        return FALSE;
    }
    m_pObject = std::make_unique<QZVantrelMedia>(m_key, FALSE);
    if (!m_pObject->IsLoaded()) {
        ReportInvalidKey(*this, "media", "media", m_pKeyEntry, m_key);
        m_pObject.reset();
    }
    return m_pObject != nullptr;
}

void QZCmdMedia::Execute() {
    if (m_pMessageOwner == nullptr || !m_pMessageOwner->GetLinkFlag()) {
        Error("media: can't use a link inside a link");
        m_pBody->Execute();
        return;
    }
    if (!CheckParameters())
        return;
    m_pMessageOwner->SetLinkFlag(0);
    QZVantrelMedia& media = *m_pObject;
    media.LoadService();
    media.LoadSection();
    CString anchor = "<a href=\"" + m_pMessageOwner->GetRelativePath() +
                     DirectoryPart(media.GetService()->GetDirectory()) +
                     DirectoryPart(media.GetSection()->GetDirectory()) +
                     DirectoryPart(media.GetDirectory()) + media.GetFileName() + "\"";
    if (!m_strOther.IsEmpty())
        anchor += " " + m_strOther;
    anchor += QuotedAttribute("onMouseOver", m_strOnMouseOver);
    anchor += QuotedAttribute("onClick", m_strOnClick);
    anchor += QuotedAttribute("target", m_strTarget);
    Write(anchor);
    RecordDependency(m_pRunOwner != nullptr ? m_pRunOwner : m_pMessageOwner, m_pObject.get());
    m_pObject.reset();
    WriteText(">");
    m_pBody->Execute();
    WriteText("</a>");
    m_pMessageOwner->SetLinkFlag(1);
}

CString QZCmdMedia::EditProperties() {
    // The dialog shows the texts of the current arguments; no object is loaded.
    ReadArguments();
    CString keyText;
    CString rest;
    SplitKeyText(m_source, keyText, rest);
    m_properties.Empty();
    if (GetCommandDialogs().MultiMediaProps(m_key, RemoveAttribute(rest, "other")) == IDOK) {
        CString text = "<<media " + EditedKeyText(m_key, keyText);
        text += QuotedItem("other", m_strOther) + QuotedItem("onMouseOver", m_strOnMouseOver) +
                QuotedItem("onClick", m_strOnClick) + QuotedItem("target", m_strTarget);
        text += CarriedItems(rest, {"other", "onMouseOver", "onClick", "target"});
        m_properties = text + ">>";
    }
    return m_properties;
}

QZVantrelStmtContext* QZCmdMedia::GetSection(Section section) {
    return section == SECTION_BODY ? m_pBody.get() : nullptr;
}

void QZCmdMedia::KeepWord(int token, const CString&) {
    if (token == TOKEN_ENDMEDIA)
        m_bClosed = TRUE;
}
