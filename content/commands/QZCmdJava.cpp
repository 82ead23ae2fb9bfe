#include "content/commands/QZCmdJava.h"

#include "content/QZSection.h"
#include "content/QZService.h"
#include "content/QZVantrelJava.h"
#include "content/commands/QZObjectCommandParts.h"
#include "template/commands/QZArgumentContext.h"
#include "template/commands/QZCommandDialogs.h"
#include "template/parser/QZTemplateRunOwner.h"
#include "template/parser/QZToken.h"
#include "template/parser/QZVantrelStmtContext.h"

using namespace QZObjectCommandParts;

IMPLEMENT_DYNAMIC(QZCmdJava, QZCmdFunction)

QZCmdJava::QZCmdJava(QZVantrelContext* context, const CString& arguments)
    : QZCmdFunction(context, arguments, OBJ_JAVA), m_key(-1, -1, OBJ_JAVA),
      m_pBody(std::make_unique<QZVantrelStmtContext>(GetArguments(), this)) {}

QZCmdJava::~QZCmdJava() = default;

void QZCmdJava::WriteSource(CString& text) {
    WriteBlockSource(text, "java", *this, *m_pBody, m_bClosed);
}

BOOL QZCmdJava::CheckParameters() {
    Evaluate(*this);
    m_key = ReadKey(*this, OBJ_JAVA, m_pKeyEntry);
    if (!ResolveObject(m_pKeyEntry))
        return FALSE;
    ReadParameters();
    return TRUE;
}

BOOL QZCmdJava::ResolveObject(QZSymbol* keyEntry) {
    m_pObject.reset();
    if (m_key.m_KeyID < 1) {
        Error("java: no valid applet key specified");
        return FALSE;
    }
    m_pObject = std::make_unique<QZVantrelJava>(m_key, FALSE);
    if (!m_pObject->IsLoaded()) {
        ReportInvalidKey(*this, "java", "applet", keyEntry, m_key);
        m_pObject.reset();
    }
    return m_pObject != nullptr;
}

void QZCmdJava::ReadParameters() {
    const CJavaSet& row = *m_pObject->GetRecordset();
    ReadInteger(*this, "align", m_nAlign);
    if (!ReadString(*this, "alt", m_strAlt))
        m_strAlt = row.m_AlternateText;
    if (!ReadString(*this, "title", m_strTitle))
        m_strTitle = m_pObject->GetName();
    const std::pair<LPCTSTR, std::pair<LONG*, LONG>> numbers[] = {
        {"height", {&m_nHeight, row.m_Height}},       {"width", {&m_nWidth, row.m_Width}},
        {"hspace", {&m_nHSpace, row.m_HSpace}},       {"vspace", {&m_nVSpace, row.m_VSpace}},
        {"download", {&m_nDownload, row.m_Download}},
    };
    for (const auto& [name, field] : numbers)
        if (!ReadInteger(*this, name, *field.first))
            *field.first = field.second;
}

void QZCmdJava::Execute() {
    if (!CheckParameters())
        return;
    QZVantrelJava& applet = *m_pObject;
    applet.LoadService();
    applet.LoadSection();
    CString tag = "<applet code=\"" + applet.GetRecordset()->m_Code + "\"";
    CString codebase = m_pMessageOwner != nullptr ? m_pMessageOwner->GetRelativePath() : CString();
    codebase += DirectoryPart(applet.GetService()->GetDirectory()) +
                DirectoryPart(applet.GetSection()->GetDirectory()) +
                DirectoryPart(applet.GetDirectory());
    tag += QuotedAttribute("codebase", codebase);
    tag += AlignAttribute(m_nAlign);
    tag += " alt=\"" + m_strAlt + "\"";
    tag += QuotedAttribute("title", m_strTitle);
    if (m_nHeight != 0)
        tag.AppendFormat(" height=%d", m_nHeight);
    if (m_nWidth != 0)
        tag.AppendFormat(" width=%d", m_nWidth);
    tag.AppendFormat(" hspace=%d vspace=%d", m_nHSpace, m_nVSpace);
    if (m_nDownload != 0)
        tag.AppendFormat(" download=%d", m_nDownload);
    Write(tag + ">");
    m_pBody->Execute();
    WriteText("</applet>");
    RecordDependency(m_pRunOwner != nullptr ? m_pRunOwner : m_pMessageOwner, m_pObject.get());
    m_pObject.reset();
}

CString QZCmdJava::EditProperties() {
    CheckParameters();
    std::optional<CString> altDefault = RowDefault(*this, "alt", m_strAlt);
    CString keyText;
    CString rest;
    SplitKeyText(m_source, keyText, rest);
    m_properties.Empty();
    if (GetCommandDialogs().JavaProps(*this) == IDOK) {
        CString text = "<<java " + EditedKeyText(m_key, keyText);
        if (ResolveObject(nullptr))
            text += DifferingItems(altDefault);
        // The title is no value of the dialog's: it stays as it was written.
        text +=
            CarriedItems(rest, {"alt", "align", "height", "width", "hspace", "vspace", "download"});
        m_properties = text + ">>";
    }
    m_pObject.reset();
    return m_properties;
}

CString QZCmdJava::DifferingItems(const std::optional<CString>& altDefault) const {
    const CJavaSet& row = *m_pObject->GetRecordset();
    CString items;
    if (WritesText(m_strAlt, row.m_AlternateText, altDefault))
        items += ",alt=\"" + m_strAlt + "\"";
    items += AlignItem(m_nAlign);
    const std::pair<LPCTSTR, std::pair<LONG, LONG>> numbers[] = {
        {",height=%d", {m_nHeight, row.m_Height}},       {",width=%d", {m_nWidth, row.m_Width}},
        {",hspace=%d", {m_nHSpace, row.m_HSpace}},       {",vspace=%d", {m_nVSpace, row.m_VSpace}},
        {",download=%d", {m_nDownload, row.m_Download}},
    };
    for (const auto& [format, values] : numbers)
        if (values.first != values.second)
            items.AppendFormat(format, values.first);
    return items;
}

QZVantrelStmtContext* QZCmdJava::GetSection(Section section) {
    return section == SECTION_BODY ? m_pBody.get() : nullptr;
}

void QZCmdJava::KeepWord(int token, const CString&) {
    if (token == TOKEN_ENDJAVA)
        m_bClosed = TRUE;
}
