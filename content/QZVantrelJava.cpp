#include "content/QZVantrelJava.h"

IMPLEMENT_DYNAMIC(QZVantrelJava, QZVantrelBase)

namespace {
const QZColumnBinding::Names kColumns{"[JavaID]", "[Title]", "[Code]"};
} // namespace

QZVantrelJava::QZVantrelJava(const QZKeyCombo& key, BOOL bOpen) : QZVantrelBase(OBJ_JAVA) {
    LoadRow<CJavaSet>(key, bOpen, nullptr, kColumns);
}

QZVantrelJava::QZVantrelJava() : QZVantrelBase(OBJ_JAVA) {
    AddNewRow<CJavaSet>(kColumns);
    SetServiceKey(CurrentServiceKey());
    SetSectionKey(CurrentSectionKey());
}

QZVantrelJava::~QZVantrelJava() = default;

QZVantrelJava& QZVantrelJava::operator=(const QZVantrelJava& other) {
    QZVantrelBase::operator=(other);
    return *this;
}
