#include "content/QZAttributes.h"

IMPLEMENT_DYNAMIC(QZAttributes, QZVantrelBase)

namespace {
const QZColumnBinding::Names kColumns{"[StyleID]", "[StyleName]"};
} // namespace

QZAttributes::QZAttributes(const QZKeyCombo& key, BOOL bOpen) : QZVantrelBase(OBJ_STYLE) {
    LoadRow<CStylesSet>(key, bOpen, nullptr, kColumns);
    BindOwnKeyAsStyleKey();
}

QZAttributes::QZAttributes() : QZVantrelBase(OBJ_STYLE) {
    AddNewRow<CStylesSet>(kColumns);
    BindOwnKeyAsStyleKey();
    SetServiceKey(CurrentServiceKey());
}

// The recordset gives up its claim as it goes; a style the user left unsaved stays as it was.
QZAttributes::~QZAttributes() = default;

QZAttributes& QZAttributes::operator=(const QZAttributes& other) {
    QZVantrelBase::operator=(other);
    return *this;
}

void QZAttributes::BindOwnKeyAsStyleKey() {
    m_Columns.styleDbId = m_Columns.dbId;
    m_Columns.styleId = m_Columns.ownId;
}
