#include "db/QZNameAndKey.h"

QZNameAndKey::QZNameAndKey(LPCTSTR name, const QZKeyCombo& key) : m_Name(name), m_Key(key) {
    BuildDisplayText();
}

QZNameAndKey::QZNameAndKey(LPCTSTR name, LONG dbId, LONG keyId, SHORT objectType)
    : m_Name(name), m_Key(dbId, keyId, objectType) {
    BuildDisplayText();
}

QZNameAndKey::~QZNameAndKey() = default;

void QZNameAndKey::SetName(LPCTSTR name) {
    m_Name = name;
    BuildDisplayText();
}

void QZNameAndKey::BuildDisplayText() {
    m_DisplayText = m_Name + "  (" + m_Key.Format() + ")";
}
