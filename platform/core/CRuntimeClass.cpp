#include "platform/core/CRuntimeClass.h"

#include "platform/core/CArchive.h"

#include <cstring>

namespace {

// Head of the chain of registered classes. A plain pointer is constant-initialised, so classes
// registering from other files' static initialisers never find it unset.
constinit CRuntimeClass* g_firstClass = nullptr;

// Longest class name an archive may name; longer ones are refused as unknown.
constexpr WORD kMaxStoredNameLength = 64;

} // namespace

CObject* CRuntimeClass::CreateObject() {
    return m_pfnCreateObject ? m_pfnCreateObject() : nullptr;
}

BOOL CRuntimeClass::IsDerivedFrom(const CRuntimeClass* pBaseClass) const {
    for (const CRuntimeClass* c = this; c; c = c->m_pBaseClass) {
        if (c == pBaseClass)
            return TRUE;
    }
    return FALSE;
}

CRuntimeClass* CRuntimeClass::FromName(LPCSTR lpszClassName) {
    if (!lpszClassName)
        return nullptr;
    for (CRuntimeClass* c = g_firstClass; c; c = c->m_pNextClass) {
        if (std::strcmp(c->m_lpszClassName, lpszClassName) == 0)
            return c;
    }
    return nullptr;
}

CObject* CRuntimeClass::CreateObject(LPCSTR lpszClassName) {
    CRuntimeClass* c = FromName(lpszClassName);
    return c ? c->CreateObject() : nullptr;
}

void CRuntimeClass::Register() {
    if (m_bRegistered)
        return;
    m_bRegistered = true;
    m_pNextClass = g_firstClass;
    g_firstClass = this;
}

void CRuntimeClass::Store(CArchive& ar) const {
    WORD length = static_cast<WORD>(std::strlen(m_lpszClassName));
    ar << static_cast<WORD>(m_wSchema) << length;
    ar.Write(m_lpszClassName, length);
}

CRuntimeClass* CRuntimeClass::Load(CArchive& ar, UINT* pwSchemaNum) {
    WORD schema = 0;
    WORD length = 0;
    ar >> schema >> length;
    if (length >= kMaxStoredNameLength)
        return nullptr;
    char name[kMaxStoredNameLength] = {};
    if (ar.Read(name, length) != length)
        return nullptr;
    *pwSchemaNum = schema;
    return FromName(name);
}
