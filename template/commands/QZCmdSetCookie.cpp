#include "template/commands/QZCmdSetCookie.h"

#include "platform/core/COleDateTime.h"
#include "template/commands/QZArgumentContext.h"
#include "template/values/QZBlockList.h"
#include "template/values/QZSymbol.h"
#include "template/values/SymbolTable.h"

#include <ctime>

IMPLEMENT_DYNAMIC(QZCmdSetCookie, QZCmdFunction)

namespace {
const char* const kWeekdays[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                 "Thursday", "Friday", "Saturday"};
const char* const kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                               "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

bool IsControl(unsigned char c) {
    return c < 0x20 || c == 0x7F;
}

// The names of the attribute parameters, which are no cookies.
bool IsAttributeName(const CString& name) {
    for (const char* attribute : {"expires", "domain", "path", "secure"})
        if (name.CompareNoCase(attribute) == 0)
            return true;
    return false;
}
} // namespace

QZCmdSetCookie::QZCmdSetCookie(QZVantrelContext* context, const CString& arguments)
    : QZCmdFunction(context, arguments, OBJ_NONE) {}

void QZCmdSetCookie::WriteSource(CString& text) {
    text += "<<setcookie " + GetArguments()->GetTranslatedText() + ">>";
}

CString QZCmdSetCookie::FormatExpires(const COleDateTime& when) {
    std::tm local{};
    local.tm_year = when.GetYear() - 1900;
    local.tm_mon = when.GetMonth() - 1;
    local.tm_mday = when.GetDay();
    local.tm_hour = when.GetHour();
    local.tm_min = when.GetMinute();
    local.tm_sec = when.GetSecond();
    // Daylight saving as the time zone has it on that day.
    local.tm_isdst = -1;
    std::time_t moment = std::mktime(&local);
    std::tm gmt{};
    gmtime_r(&moment, &gmt);
    CString text;
    text.Format("%s %02d-%s-%02d %02d:%02d:%02d GMT", kWeekdays[gmt.tm_wday], gmt.tm_mday,
                kMonths[gmt.tm_mon], gmt.tm_year % 100, gmt.tm_hour, gmt.tm_min, gmt.tm_sec);
    return text;
}

CString QZCmdSetCookie::EncodeValue(const CString& value) {
    CString encoded;
    for (int i = 0; i < value.GetLength(); i++) {
        auto c = static_cast<unsigned char>(value.GetAt(i));
        if (c == ' ')
            encoded += '+';
        else if (IsControl(c) || CString("%&+;=?").Find(static_cast<char>(c)) >= 0)
            encoded.AppendFormat("%%%02x", static_cast<int>(c));
        else
            encoded += static_cast<char>(c);
    }
    return encoded;
}

CString QZCmdSetCookie::ReadAttribute(const char* name) {
    QZSymbol* entry = FindNamedParam(name, QZSymbol::TYPE_STRING);
    if (entry == nullptr)
        return CString();
    const CString& value = entry->GetString();
    // A control character or ";" would end the header line or the attribute early.
    for (int i = 0; i < value.GetLength(); i++) {
        auto c = static_cast<unsigned char>(value.GetAt(i));
        if (IsControl(c) || c == ';') {
            Error(CString("setcookie: invalid ") + name + " %s specified", value);
            return CString();
        }
    }
    return value;
}

void QZCmdSetCookie::ReadAttributes() {
    m_expires.Empty();
    if (QZSymbol* expires = FindNamedParam("expires", QZSymbol::TYPE_DATE))
        m_expires = FormatExpires(expires->GetDate());
    m_path = ReadAttribute("path");
    m_domain = ReadAttribute("domain");
    SymbolTable* own = GetArguments()->GetSymbolTable();
    m_bSecure = own != nullptr && own->Find("secure", FALSE) != nullptr;
}

CString QZCmdSetCookie::CookieLine(QZSymbol* entry) {
    const CString& name = entry->GetName();
    if (name.IsEmpty() || entry->IsLiteralConstant() || IsAttributeName(name))
        return CString();
    QZSymbol* value = entry;
    if (value->GetType() == QZSymbol::TYPE_REFERENCE && value->GetReference() != nullptr)
        value = value->GetReference();
    SymbolTable* own = GetArguments()->GetSymbolTable();
    SymbolTable* enclosing = own != nullptr ? own->GetParent() : nullptr;
    CString line = "Set-Cookie: " + name + "=";
    switch (value->GetType()) {
    case QZSymbol::TYPE_INTEGER:
        line.AppendFormat("%ld", value->GetInteger());
        if (enclosing != nullptr)
            enclosing->SetInteger(name, value->GetInteger());
        break;
    case QZSymbol::TYPE_DOUBLE:
        line.AppendFormat("%g", value->GetDouble());
        if (enclosing != nullptr)
            enclosing->SetDouble(name, value->GetDouble());
        break;
    case QZSymbol::TYPE_STRING: {
        CString text = value->GetString();
        line += EncodeValue(text);
        if (enclosing != nullptr)
            enclosing->SetString(name, text);
        break;
    }
    default:
        break;
    }
    if (!m_expires.IsEmpty())
        line += "; expires=" + m_expires;
    if (!m_path.IsEmpty())
        line += "; path=" + m_path;
    if (!m_domain.IsEmpty())
        line += "; domain=" + m_domain;
    if (m_bSecure)
        line += "; secure";
    return line + "\r\n";
}

void QZCmdSetCookie::ExecuteAction() {
    QZCommandBase::Execute();
    ReadAttributes();
    QZBlockList* results = GetArguments()->GetResults();
    if (results == nullptr)
        return;
    for (QZBlockList::Node* node = results->GetHead(); node != nullptr; node = node->next) {
        if (node->item == nullptr)
            continue;
        CString line = CookieLine(node->item);
        if (!line.IsEmpty())
            Write(line);
    }
}
