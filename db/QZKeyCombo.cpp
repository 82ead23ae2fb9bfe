#include "db/QZKeyCombo.h"

#include "db/QZApplication.h"

#include <climits>
#include <cstdlib>

namespace {

// The open site database's DbID, asked afresh each time; 0 while no application object exists
// (a key never remembers it).
LONG CurrentDbId() {
    QZApplication* app = GetVantrelApp();
    return app != nullptr ? app->GetDbID() : 0;
}

// The leading number of a text as atol reads it: white space skipped, optional sign, digits up
// to the first other character, 0 when there are none. Values beyond 32 bits saturate.
LONG LeadingNumber(const CString& text) {
    long long value = std::strtoll(static_cast<LPCTSTR>(text), nullptr, 10);
    if (value > INT32_MAX)
        return INT32_MAX;
    if (value < INT32_MIN)
        return INT32_MIN;
    return static_cast<LONG>(value);
}

struct TypeName {
    const char* name;
    SHORT type;
};

// In the order the parse compares them; ad spaces and ads have no name in key text.
constexpr TypeName kTypeNames[] = {
    {"page", OBJ_PAGE},       {"macro", OBJ_MACRO},     {"message", OBJ_MESSAGE},
    {"form", OBJ_FORM},       {"query", OBJ_QUERY},     {"image", OBJ_IMAGE},
    {"service", OBJ_SERVICE}, {"section", OBJ_SECTION}, {"photo", OBJ_PHOTO},
    {"style", OBJ_STYLE},     {"activex", OBJ_ACTIVEX}, {"java", OBJ_JAVA},
    {"media", OBJ_MEDIA},     {"script", OBJ_SCRIPT},   {"advertiser", OBJ_ADVERTISER},
    {"event", OBJ_EVENT},     {"author", OBJ_AUTHOR},
};

// Exact comparison, case and all; an unknown or empty name is a page.
SHORT TypeFromName(const CString& name) {
    for (const TypeName& entry : kTypeNames) {
        if (name == entry.name)
            return entry.type;
    }
    return OBJ_PAGE;
}

} // namespace

QZKeyCombo::QZKeyCombo() : QZKeyCombo(0, 0, OBJ_PAGE) {}

QZKeyCombo::QZKeyCombo(LONG dbId, LONG keyId) : QZKeyCombo(dbId, keyId, OBJ_PAGE) {}

QZKeyCombo::QZKeyCombo(LONG dbId, LONG keyId, SHORT objectType)
    : m_DbID(dbId), m_KeyID(keyId), m_ObjectType(objectType) {}

QZKeyCombo::QZKeyCombo(const QZKeyCombo& other)
    : CObject(), m_DbID(other.m_DbID), m_KeyID(other.m_KeyID), m_ObjectType(other.m_ObjectType) {}

QZKeyCombo::QZKeyCombo(LONG keyId) : QZKeyCombo(CurrentDbId(), keyId, OBJ_PAGE) {}

QZKeyCombo::QZKeyCombo(const CString& keyText) : QZKeyCombo() {
    int colon = keyText.Find(':');
    int at = keyText.Find('@');

    m_DbID = colon == -1 ? 0 : LeadingNumber(keyText.Left(colon));
    if (m_DbID == 0)
        m_DbID = CurrentDbId();

    if (at == -1) {
        m_KeyID = LeadingNumber(keyText.Mid(colon + 1));
        m_ObjectType = OBJ_PAGE;
        return;
    }
    int start = colon + 1; // 0 when there is no colon
    m_KeyID = at > start ? LeadingNumber(keyText.Mid(start, at - start)) : 0;
    m_ObjectType = TypeFromName(keyText.Mid(at + 1));
}

QZKeyCombo::~QZKeyCombo() = default;

QZKeyCombo& QZKeyCombo::operator=(const QZKeyCombo& other) {
    m_DbID = other.m_DbID;
    m_KeyID = other.m_KeyID;
    m_ObjectType = other.m_ObjectType;
    return *this;
}

const CString& QZKeyCombo::Format() const {
    if (m_DbID == CurrentDbId())
        m_ShortText.Format(":%ld", m_KeyID);
    else
        m_ShortText.Format("%ld:%ld", m_DbID, m_KeyID);
    return m_ShortText;
}

const CString& QZKeyCombo::FormatFull() const {
    m_FullText.Format("%ld:%ld", m_DbID, m_KeyID);
    return m_FullText;
}

const CString& QZKeyCombo::FormatDbId() const {
    m_DbIdText.Format("%ld", m_DbID);
    return m_DbIdText;
}

const CString& QZKeyCombo::FormatKeyId() const {
    m_KeyIdText.Format("%ld", m_KeyID);
    return m_KeyIdText;
}

void QZKeyCombo::SetKey(LONG dbId, LONG keyId) {
    m_DbID = dbId;
    m_KeyID = keyId;
}

void QZKeyCombo::SetKeyAndType(LONG dbId, LONG keyId, SHORT objectType) {
    m_DbID = dbId;
    m_KeyID = keyId;
    m_ObjectType = objectType;
}

bool operator==(const QZKeyCombo& a, const QZKeyCombo& b) {
    return a.m_DbID == b.m_DbID && a.m_KeyID == b.m_KeyID;
}
