#include "content/commands/QZCmdIntLink.h"

#include "content/QZSection.h"
#include "content/QZService.h"
#include "content/QZVantrelImage.h"
#include "content/QZVantrelPage.h"
#include "content/commands/QZObjectCommandParts.h"
#include "template/commands/QZArgumentContext.h"
#include "template/commands/QZCommandDialogs.h"
#include "template/parser/QZToken.h"
#include "template/parser/QZVantrelMemoFld.h"
#include "template/parser/QZVantrelStmtContext.h"
#include "template/values/QZBlockList.h"
#include "template/values/QZSymbol.h"
#include "template/values/SymbolTable.h"

using namespace QZObjectCommandParts;

IMPLEMENT_DYNAMIC(QZCmdIntLink, QZCmdFunction)

namespace {
// The parameters of the link itself, never passed on to the interpreter.
constexpr LPCTSTR kOwnParameters[] = {"linkid",      "anchor",  "other", "secure",
                                      "onMouseOver", "onClick", "target"};

bool IsOwnParameter(const CString& name) {
    for (LPCTSTR own : kOwnParameters)
        if (name.CompareNoCase(own) == 0)
            return true;
    return false;
}
} // namespace

QZCmdIntLink::QZCmdIntLink(QZVantrelContext* context, const CString& arguments)
    : QZCmdFunction(context, arguments, OBJ_PAGE), m_targetKey(-1, -1, OBJ_PAGE),
      m_pBody(std::make_unique<QZVantrelStmtContext>(GetArguments(), this)) {}

QZCmdIntLink::~QZCmdIntLink() = default;

void QZCmdIntLink::WriteSource(CString& text) {
    WriteBlockSource(text, "link", *this, *m_pBody, m_bClosed);
}

QZTemplateRunOwner* QZCmdIntLink::GeneratedObject() const {
    return m_pRunOwner != nullptr ? m_pRunOwner : m_pMessageOwner;
}

BOOL QZCmdIntLink::CheckParameters() {
    Evaluate(*this);
    m_targetKey = ReadKey(*this, OBJ_PAGE, m_pKeyEntry);
    m_pPage.reset();
    m_pImage.reset();
    SHORT type = m_targetKey.m_ObjectType;
    if ((type == OBJ_PAGE || type == OBJ_NONE) && !CheckPage())
        return FALSE;
    if (type == OBJ_IMAGE && !CheckImage())
        return FALSE;
    // Names in any case, so that the text the dialog writes is read back.
    const std::pair<LPCTSTR, CString*> texts[] = {
        {"anchor", &m_strAnchor},   {"other", &m_strOther},   {"onMouseOver", &m_strOnMouseOver},
        {"onClick", &m_strOnClick}, {"target", &m_strTarget},
    };
    for (const auto& [name, field] : texts)
        *field = ReadStringAnyCase(*this, name);
    SymbolTable* own = GetArguments()->GetSymbolTable();
    QZSymbol* secure = own != nullptr ? own->Lookup("secure", FALSE) : nullptr;
    m_bSecureGiven = secure != nullptr;
    m_bSecureOn = secure != nullptr && secure->IsTrue();
    m_bSecureOff = secure != nullptr && !secure->IsTrue();
    return TRUE;
}

BOOL QZCmdIntLink::CheckPage() {
    if (m_targetKey.m_KeyID < 1) {
        Error("link: no valid page key specified");
        return FALSE;
    }
    QZTemplateRunOwner* generated = GeneratedObject();
    m_pPage = std::make_unique<QZVantrelPage>(
        m_targetKey, FALSE, generated != nullptr ? generated->GetParser() : nullptr);
    if (!m_pPage->IsLoaded()) {
        ReportInvalidKey(*this, "link", "page", m_pKeyEntry, m_targetKey);
        m_pPage.reset();
    }
    return m_pPage != nullptr;
}

BOOL QZCmdIntLink::CheckImage() {
    if (m_targetKey.m_KeyID < 1) {
        Error("link: no valid page key specified");
        return FALSE;
    }
    m_pImage = std::make_unique<QZVantrelImage>(m_targetKey, FALSE);
    if (!m_pImage->IsLoaded()) {
        ReportInvalidKey(*this, "link", "page", m_pKeyEntry, m_targetKey);
        m_pImage.reset();
    }
    return m_pImage != nullptr;
}

void QZCmdIntLink::Execute() {
    if (m_pMessageOwner == nullptr || !m_pMessageOwner->GetLinkFlag()) {
        Error("link: can't use a link inside a link");
        m_pBody->Execute();
        return;
    }
    if (!CheckParameters()) {
        m_pBody->Execute();
        return;
    }
    m_pMessageOwner->SetLinkFlag(0);
    CString anchor = "<a href=\"";
    if (m_pPage != nullptr)
        anchor += PageAddress();
    else if (m_pImage != nullptr)
        anchor += ImageAddress();
    anchor += "\"";
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

CString QZCmdIntLink::PageAddress() {
    QZVantrelPage& page = *m_pPage;
    page.LoadService();
    page.LoadSection();
    const CServicesSet& service = *page.GetService()->GetRecordset();
    const CSectionsSet& section = *page.GetSection()->GetRecordset();
    const CDocumentSet& row = *page.GetRecordset();
    CString query = QueryText();
    CString address;
    if (!row.m_Dynamic && query.IsEmpty()) {
        if (row.m_AccessControl == 1)
            address = "https://" + service.m_ProductionAlias + "/";
        else if (m_pPageOwner != nullptr && !m_pPageOwner->IsDynamic())
            address = m_pMessageOwner->GetRelativePath();
        else
            address = "/";
        address += DirectoryPart(service.m_Directory) + DirectoryPart(section.m_Directory) +
                   DirectoryPart(page.GetDirectory()) + page.GetFileName();
        if (!m_strAnchor.IsEmpty())
            address += "#" + m_strAnchor;
    } else {
        if ((row.m_AccessControl == 1 && !m_bSecureOff) || m_bSecureOn)
            address = "https://" + service.m_ProductionAlias;
        else if (m_bSecureOff)
            address = "http://" + service.m_ProductionAlias;
        if (section.m_SecureCGI == 1) {
            if (!service.m_Directory.IsEmpty())
                address += "/" + service.m_Directory;
            if (!section.m_Directory.IsEmpty())
                address += "/" + section.m_Directory;
        }
        // The interpreter finds the place in the page itself: no anchor.
        address += InterpreterPath() + "?docid=" + m_targetKey.FormatFull() + query;
    }
    RecordDependency(GeneratedObject(), static_cast<QZTemplateRunOwner*>(&page));
    m_pPage.reset();
    return address;
}

CString QZCmdIntLink::ImageAddress() {
    QZVantrelImage& image = *m_pImage;
    image.LoadService();
    image.LoadSection();
    CString address = m_pMessageOwner->GetRelativePath() +
                      DirectoryPart(image.GetService()->GetDirectory()) +
                      DirectoryPart(image.GetSection()->GetDirectory()) +
                      DirectoryPart(image.GetDirectory()) + image.GetFileName();
    RecordDependency(GeneratedObject(), &image);
    m_pImage.reset();
    return address;
}

CString QZCmdIntLink::QueryText() {
    QZBlockList* results = GetArguments()->GetResults();
    CString query;
    if (results == nullptr)
        return query;
    int position = 0;
    for (QZBlockList::Node* node = results->GetHead(); node != nullptr; node = node->next) {
        QZSymbol* entry = node->item;
        // The key is the link's target, not a parameter; results of expressions and
        // constants have no name to pass.
        if (++position == 1 && m_pKeyEntry != nullptr)
            continue;
        if (entry == nullptr || entry->IsLiteralConstant() || entry->GetName().IsEmpty() ||
            IsOwnParameter(entry->GetName()))
            continue;
        query += "&" + URLEncode(entry->GetName(), TRUE) + "=";
        QZSymbol* value = entry;
        if (value->GetType() == QZSymbol::TYPE_REFERENCE && value->GetReference() != nullptr)
            value = value->GetReference();
        switch (value->GetType()) {
        case QZSymbol::TYPE_INTEGER:
            query.AppendFormat("%ld", value->GetInteger());
            break;
        case QZSymbol::TYPE_DOUBLE:
            query.AppendFormat("%g", value->GetDouble());
            break;
        case QZSymbol::TYPE_DATE:
            query += value->GetDate().Format("%m/%d/%Y");
            break;
        case QZSymbol::TYPE_STRING:
            query += URLEncode(value->GetString(), TRUE);
            break;
        default:
            break;
        }
    }
    return query;
}

CString QZCmdIntLink::EditProperties() {
    CheckParameters();
    CString keyText;
    CString rest;
    SplitKeyText(m_source, keyText, rest);
    CString leftover = rest;
    for (LPCTSTR name : {"anchor", "other", "onMouseOver", "onClick", "target"})
        leftover = RemoveAttribute(leftover, name);
    m_properties.Empty();
    if (GetCommandDialogs().IntLinkProps(*this, leftover) == IDOK) {
        CString text = "<<link " + EditedKeyText(m_targetKey, keyText);
        // Without its type an image's key would name a page.
        if (m_targetKey.m_ObjectType == OBJ_IMAGE && m_targetKey.m_KeyID > 0)
            text += "@image";
        text += QuotedItem("anchor", m_strAnchor) + QuotedItem("other", m_strOther) +
                QuotedItem("onMouseOver", m_strOnMouseOver) + QuotedItem("onClick", m_strOnClick) +
                QuotedItem("target", m_strTarget);
        text += CarriedItems(rest, {"anchor", "other", "onMouseOver", "onClick", "target"});
        m_properties = text + ">>";
    }
    m_pPage.reset();
    m_pImage.reset();
    return m_properties;
}

QZVantrelStmtContext* QZCmdIntLink::GetSection(Section section) {
    return section == SECTION_BODY ? m_pBody.get() : nullptr;
}

void QZCmdIntLink::KeepWord(int token, const CString&) {
    if (token == TOKEN_ENDLINK)
        m_bClosed = TRUE;
}
