#include "content/commands/QZCmdActiveX.h"

#include "content/QZSection.h"
#include "content/QZService.h"
#include "content/QZVantrelActiveX.h"
#include "content/commands/QZObjectCommandParts.h"
#include "platform/dao/CDaoException.h"
#include "template/commands/QZArgumentContext.h"
#include "template/commands/QZCommandDialogs.h"
#include "template/parser/QZTemplateRunOwner.h"
#include "template/parser/QZToken.h"
#include "template/parser/QZVantrelStmtContext.h"

using namespace QZObjectCommandParts;

IMPLEMENT_DYNAMIC(QZCmdActiveX, QZCmdFunction)

QZCmdActiveX::QZCmdActiveX(QZVantrelContext* context, const CString& arguments)
    : QZCmdFunction(context, arguments, OBJ_ACTIVEX), m_key(-1, -1, OBJ_ACTIVEX),
      m_pBody(std::make_unique<QZVantrelStmtContext>(GetArguments(), this)) {}

QZCmdActiveX::~QZCmdActiveX() = default;

void QZCmdActiveX::WriteSource(CString& text) {
    WriteBlockSource(text, "activex", *this, *m_pBody, m_bClosed);
}

BOOL QZCmdActiveX::CheckParameters() {
    Evaluate(*this);
    m_key = ReadKey(*this, OBJ_ACTIVEX, m_pKeyEntry);
    if (!ResolveObject(m_pKeyEntry))
        return FALSE;
    ReadParameters();
    return TRUE;
}

BOOL QZCmdActiveX::ResolveObject(QZSymbol* keyEntry) {
    m_pObject.reset();
    if (m_key.m_KeyID < 1) {
        Error("activex: no valid ActiveX key specified");
        return FALSE;
    }
    try {
        m_pObject = std::make_unique<QZVantrelActiveX>(m_key, FALSE);
    } catch (CDaoException* e) {
        // The row could not be read: the key counts as naming no object.
        e->Delete();
    }
    if (m_pObject == nullptr || !m_pObject->IsLoaded()) {
        ReportInvalidKey(*this, "activex", "ActiveX", keyEntry, m_key);
        m_pObject.reset();
    }
    return m_pObject != nullptr;
}

void QZCmdActiveX::ReadParameters() {
    const CActiveXSet& row = *m_pObject->GetRecordset();
    ReadInteger(*this, "align", m_nAlign);
    if (!ReadInteger(*this, "border", m_nBorder))
        m_nBorder = row.m_Border;
    std::vector<TextField> texts = TextFields();
    std::vector<CString> columns = TextColumns();
    for (size_t i = 0; i < texts.size(); i++)
        if (!ReadString(*this, texts[i].name, *texts[i].value))
            *texts[i].value = columns[i];
    const std::pair<LPCTSTR, std::pair<LONG*, LONG>> numbers[] = {
        {"height", {&m_nHeight, row.m_Height}},
        {"width", {&m_nWidth, row.m_Width}},
        {"hspace", {&m_nHSpace, row.m_HSpace}},
        {"vspace", {&m_nVSpace, row.m_VSpace}},
    };
    for (const auto& [name, field] : numbers)
        if (!ReadInteger(*this, name, *field.first))
            *field.first = field.second;
    ReadInteger(*this, "tabindex", m_nTabIndex);
    m_bDeclare = HasOwnWord(*this, "declare");
    m_bNoTab = HasOwnWord(*this, "notab");
    m_bShapes = HasOwnWord(*this, "shapes");
}

void QZCmdActiveX::Execute() {
    if (!CheckParameters())
        return;
    QZVantrelActiveX& object = *m_pObject;
    object.LoadService();
    object.LoadSection();
    const CString& classId = object.GetRecordset()->m_ClassID;
    CString tag = "<object classid=\"";
    if (classId.Left(6) != "clsid:")
        tag += "clsid:";
    tag += classId + "\"";
    CString codebase = m_pMessageOwner != nullptr ? m_pMessageOwner->GetRelativePath() : CString();
    codebase += DirectoryPart(object.GetService()->GetDirectory()) +
                DirectoryPart(object.GetSection()->GetDirectory());
    tag += QuotedAttribute("codebase", codebase);
    tag += AlignAttribute(m_nAlign);
    tag.AppendFormat(" border=%d", m_nBorder);
    tag += QuotedAttribute("data", m_strData) + QuotedAttribute("type", m_strType) +
           QuotedAttribute("name", m_strName) + QuotedAttribute("title", m_strTitle) +
           QuotedAttribute("standby", m_strStandBy);
    if (m_nHeight != 0)
        tag.AppendFormat(" height=%d", m_nHeight);
    if (m_nWidth != 0)
        tag.AppendFormat(" width=%d", m_nWidth);
    tag.AppendFormat(" hspace=%d vspace=%d", m_nHSpace, m_nVSpace);
    if (m_nTabIndex != 0)
        tag.AppendFormat(" tabindex=%d", m_nTabIndex);
    if (m_bDeclare)
        tag += " declare";
    if (m_bNoTab)
        tag += " notab";
    if (m_bShapes)
        tag += " shapes";
    Write(tag + ">");
    m_pBody->Execute();
    WriteText("</object>");
    RecordDependency(m_pRunOwner != nullptr ? m_pRunOwner : m_pMessageOwner, m_pObject.get());
    m_pObject.reset();
}

CString QZCmdActiveX::EditProperties() {
    CheckParameters();
    std::vector<TextField> texts = TextFields();
    CString keyText;
    CString rest;
    SplitKeyText(m_source, keyText, rest);
    m_properties.Empty();
    if (GetCommandDialogs().ActiveXProps(*this) == IDOK) {
        CString text = "<<activex " + EditedKeyText(m_key, keyText);
        if (ResolveObject(nullptr))
            text += DifferingItems(texts);
        text += CarriedItems(rest, {"align", "border", "data", "type", "name", "standby", "title",
                                    "height", "width", "hspace", "vspace"});
        m_properties = text + ">>";
    }
    m_pObject.reset();
    return m_properties;
}

std::vector<QZCmdActiveX::TextField> QZCmdActiveX::TextFields() {
    std::vector<TextField> fields{{"data", &m_strData, std::nullopt},
                                  {"type", &m_strType, std::nullopt},
                                  {"name", &m_strName, std::nullopt},
                                  {"standby", &m_strStandBy, std::nullopt},
                                  {"title", &m_strTitle, std::nullopt}};
    for (TextField& field : fields)
        field.rowDefault = RowDefault(*this, field.name, *field.value);
    return fields;
}

std::vector<CString> QZCmdActiveX::TextColumns() const {
    const CActiveXSet& row = *m_pObject->GetRecordset();
    return {row.m_Data, row.m_DataType, row.m_Name, row.m_StandBy, m_pObject->GetName()};
}

CString QZCmdActiveX::DifferingItems(const std::vector<TextField>& texts) const {
    const CActiveXSet& row = *m_pObject->GetRecordset();
    CString items = AlignItem(m_nAlign);
    if (m_nBorder != row.m_Border)
        items.AppendFormat(",border=%d", m_nBorder);
    std::vector<CString> columns = TextColumns();
    for (size_t i = 0; i < texts.size(); i++)
        if (WritesText(*texts[i].value, columns[i], texts[i].rowDefault))
            items += CString(",") + texts[i].name + "=\"" + *texts[i].value + "\"";
    const std::pair<LPCTSTR, std::pair<LONG, LONG>> numbers[] = {
        {",height=%d", {m_nHeight, row.m_Height}},
        {",width=%d", {m_nWidth, row.m_Width}},
        {",hspace=%d", {m_nHSpace, row.m_HSpace}},
        {",vspace=%d", {m_nVSpace, row.m_VSpace}},
    };
    for (const auto& [format, values] : numbers)
        if (values.first != values.second)
            items.AppendFormat(format, values.first);
    return items;
}

QZVantrelStmtContext* QZCmdActiveX::GetSection(Section section) {
    return section == SECTION_BODY ? m_pBody.get() : nullptr;
}

void QZCmdActiveX::KeepWord(int token, const CString&) {
    if (token == TOKEN_ENDACTIVEX)
        m_bClosed = TRUE;
}
