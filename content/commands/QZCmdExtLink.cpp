#include "content/commands/QZCmdExtLink.h"

#include "content/commands/QZObjectCommandParts.h"
#include "template/commands/QZArgumentContext.h"
#include "template/parser/QZTemplateRunOwner.h"
#include "template/parser/QZToken.h"
#include "template/parser/QZVantrelStmtContext.h"
#include "template/values/QZSymbol.h"

using namespace QZObjectCommandParts;

IMPLEMENT_DYNAMIC(QZCmdExtLink, QZCmdFunction)

QZCmdExtLink::QZCmdExtLink(QZVantrelContext* context, const CString& arguments)
    : QZCmdFunction(context, arguments, OBJ_NONE),
      m_pBody(std::make_unique<QZVantrelStmtContext>(GetArguments(), this)) {}

QZCmdExtLink::~QZCmdExtLink() = default;

void QZCmdExtLink::WriteSource(CString& text) {
    WriteBlockSource(text, "extlink", *this, *m_pBody, m_bClosed);
}

BOOL QZCmdExtLink::CheckParameters() {
    Evaluate(*this);
    QZSymbol* first = FindPositionalParam(1, QZSymbol::TYPE_STRING);
    m_strHref = first != nullptr ? first->GetString() : CString();
    if (m_strHref.IsEmpty()) {
        Error("extlink: no valid link target specified");
        return FALSE;
    }
    ReadString(*this, "other", m_strOther);
    const std::pair<LPCTSTR, CString*> texts[] = {
        {"onmouseover", &m_strOnMouseOver},
        {"onclick", &m_strOnClick},
        {"target", &m_strTarget},
    };
    for (const auto& [name, field] : texts)
        if (!ReadString(*this, name, *field))
            field->Empty();
    return TRUE;
}

void QZCmdExtLink::Execute() {
    if (m_pMessageOwner == nullptr || !m_pMessageOwner->GetLinkFlag()) {
        Error("extlink: can't use a link inside a link");
        m_pBody->Execute();
        return;
    }
    if (!CheckParameters()) {
        m_pBody->Execute();
        return;
    }
    m_pMessageOwner->SetLinkFlag(0);
    CString anchor = "<a href=\"" + m_strHref + "\"";
    if (!m_strOther.IsEmpty())
        anchor += " " + m_strOther;
    anchor += QuotedAttribute("onMouseOver", m_strOnMouseOver);
    anchor += QuotedAttribute("onClick", m_strOnClick);
    anchor += QuotedAttribute("target", m_strTarget);
    Write(anchor + ">");
    m_pBody->Execute();
    WriteText("</a>");
    m_pMessageOwner->SetLinkFlag(1);
}

QZVantrelStmtContext* QZCmdExtLink::GetSection(Section section) {
    return section == SECTION_BODY ? m_pBody.get() : nullptr;
}

void QZCmdExtLink::KeepWord(int token, const CString&) {
    if (token == TOKEN_ENDEXTLINK)
        m_bClosed = TRUE;
}
