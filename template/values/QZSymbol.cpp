#include "template/values/QZSymbol.h"

#include "template/values/SymbolTable.h"

#include <cmath>
#include <utility>

namespace {

// References designate entries of tables; a chain longer than this is taken for a cycle.
constexpr int kMaxReferenceHops = 64;

} // namespace

QZSymbol::QZSymbol() = default;

QZSymbol::QZSymbol(const QZSymbol& source) {
    *this = source;
}

QZSymbol::~QZSymbol() = default;

QZSymbol& QZSymbol::operator=(const QZSymbol& source) {
    if (&source == this)
        return *this;
    // Everything is read from the source before this entry's old value goes: the source may
    // live inside it (an array assigned one of its own elements).
    Value copy = source.CopyValue();
    CString name = source.m_name;
    LONG kind = source.m_kind;
    LONG type = source.m_type;
    m_value = std::move(copy);
    m_name = name;
    m_kind = kind;
    m_type = type;
    return *this;
}

QZSymbol::Value QZSymbol::CopyValue() const {
    switch (m_type) {
    case TYPE_INTEGER:
        return GetInteger();
    case TYPE_DOUBLE:
        return GetDouble();
    case TYPE_STRING:
        return GetString();
    case TYPE_KEY:
        return GetKey();
    case TYPE_DATE:
        return GetDate();
    case TYPE_SPAN:
        return GetSpan();
    case TYPE_CURRENCY:
        return GetCurrency();
    case TYPE_ADDRESS:
    case TYPE_REFERENCE:
        return GetAddress();
    case TYPE_ARRAY:
    case TYPE_RECORD: {
        auto table = std::make_unique<SymbolTable>();
        if (const SymbolTable* source = GetArray())
            *table = *source;
        return table;
    }
    default:
        return std::monostate();
    }
}

template <typename T> T* QZSymbol::Make(LONG type) {
    if (m_type == type) {
        if (T* payload = std::get_if<T>(&m_value))
            return payload;
    }
    FreeValue();
    m_type = type;
    return &m_value.emplace<T>();
}

LONG* QZSymbol::MakeInteger() {
    return Make<LONG>(TYPE_INTEGER);
}
double* QZSymbol::MakeDouble() {
    return Make<double>(TYPE_DOUBLE);
}
CString* QZSymbol::MakeString() {
    return Make<CString>(TYPE_STRING);
}
QZKeyCombo* QZSymbol::MakeKey() {
    return Make<QZKeyCombo>(TYPE_KEY);
}
COleDateTime* QZSymbol::MakeDate() {
    return Make<COleDateTime>(TYPE_DATE);
}
QZDateSpan* QZSymbol::MakeSpan() {
    return Make<QZDateSpan>(TYPE_SPAN);
}
COleCurrency* QZSymbol::MakeCurrency() {
    return Make<COleCurrency>(TYPE_CURRENCY);
}
QZSymbol** QZSymbol::MakeAddress() {
    return Make<QZSymbol*>(TYPE_ADDRESS);
}
QZSymbol** QZSymbol::MakeReference() {
    return Make<QZSymbol*>(TYPE_REFERENCE);
}
SymbolTable* QZSymbol::MakeArray() {
    return MakeTable(TYPE_ARRAY);
}
SymbolTable* QZSymbol::MakeRecord() {
    return MakeTable(TYPE_RECORD);
}

SymbolTable* QZSymbol::MakeTable(LONG type) {
    std::unique_ptr<SymbolTable>* table = Make<std::unique_ptr<SymbolTable>>(type);
    if (*table == nullptr)
        *table = std::make_unique<SymbolTable>();
    return table->get();
}

void QZSymbol::SetType(LONG type) {
    switch (type) {
    case TYPE_NULL:
        FreeValue();
        m_type = TYPE_NULL;
        break;
    case TYPE_INTEGER:
        MakeInteger();
        break;
    case TYPE_CURRENCY:
        MakeCurrency();
        break;
    case TYPE_DOUBLE:
        MakeDouble();
        break;
    case TYPE_DATE:
        MakeDate();
        break;
    case TYPE_STRING:
        MakeString();
        break;
    case TYPE_ARRAY:
        MakeArray();
        break;
    case TYPE_KEY:
        MakeKey();
        break;
    case TYPE_SPAN:
        MakeSpan();
        break;
    case TYPE_RECORD:
        MakeRecord();
        break;
    case TYPE_ADDRESS:
        MakeAddress();
        break;
    case TYPE_REFERENCE:
        MakeReference();
        break;
    default:
        break;
    }
}

void QZSymbol::SetInteger(LONG value) {
    *MakeInteger() = value;
}
void QZSymbol::SetDouble(double value) {
    *MakeDouble() = value;
}
void QZSymbol::SetString(CString value) {
    *MakeString() = std::move(value);
}
void QZSymbol::SetKey(QZKeyCombo value) {
    MakeKey()->SetKeyAndType(value.m_DbID, value.m_KeyID, value.m_ObjectType);
}
void QZSymbol::SetDate(COleDateTime value) {
    *MakeDate() = value;
}
void QZSymbol::SetSpan(QZDateSpan value) {
    *MakeSpan() = value;
}
void QZSymbol::SetCurrency(COleCurrency value) {
    *MakeCurrency() = value;
}
void QZSymbol::SetAddress(QZSymbol* target) {
    *MakeAddress() = target;
}
void QZSymbol::SetReference(QZSymbol* target) {
    *MakeReference() = target;
}

void QZSymbol::SetTable(const SymbolTable& table, BOOL isArray) {
    // Copied first: the table may belong to this entry, or to one of its elements.
    auto copy = std::make_unique<SymbolTable>();
    *copy = table;
    m_value = std::move(copy);
    m_type = isArray ? TYPE_ARRAY : TYPE_RECORD;
}

LONG QZSymbol::GetInteger() const {
    const LONG* value = Payload<LONG>();
    return value != nullptr ? *value : 0;
}

double QZSymbol::GetDouble() const {
    const double* value = Payload<double>();
    return value != nullptr ? *value : 0.0;
}

const CString& QZSymbol::GetString() const {
    static const CString empty;
    const CString* value = Payload<CString>();
    return value != nullptr ? *value : empty;
}

QZKeyCombo QZSymbol::GetKey() const {
    const QZKeyCombo* value = Payload<QZKeyCombo>();
    return value != nullptr ? *value : QZKeyCombo();
}

COleDateTime QZSymbol::GetDate() const {
    const COleDateTime* value = Payload<COleDateTime>();
    return value != nullptr ? *value : COleDateTime();
}

QZDateSpan QZSymbol::GetSpan() const {
    const QZDateSpan* value = Payload<QZDateSpan>();
    return value != nullptr ? *value : QZDateSpan();
}

COleCurrency QZSymbol::GetCurrency() const {
    const COleCurrency* value = Payload<COleCurrency>();
    return value != nullptr ? *value : COleCurrency();
}

QZSymbol* QZSymbol::GetAddress() const {
    QZSymbol* const* value = Payload<QZSymbol*>();
    return value != nullptr ? *value : nullptr;
}

QZSymbol* QZSymbol::GetReference() const {
    return GetAddress();
}

SymbolTable* QZSymbol::GetArray() const {
    const std::unique_ptr<SymbolTable>* value = Payload<std::unique_ptr<SymbolTable>>();
    return value != nullptr ? value->get() : nullptr;
}

SymbolTable* QZSymbol::GetRecord() const {
    return GetArray();
}

void QZSymbol::FreeValue() {
    m_value = std::monostate();
}

BOOL QZSymbol::IsTrue() const {
    const QZSymbol* entry = this;
    for (int hops = 0; entry->m_type == TYPE_REFERENCE; hops++) {
        if (hops == kMaxReferenceHops || !entry->HasValue())
            return FALSE;
        entry = entry->GetReference();
        if (entry == nullptr)
            return FALSE;
    }
    if (!entry->HasValue())
        return FALSE;
    switch (entry->m_type) {
    case TYPE_INTEGER:
        return entry->GetInteger() != 0;
    case TYPE_CURRENCY: {
        // An amount that is not valid (an overflow) counts as false, as dates and spans do.
        COleCurrency amount = entry->GetCurrency();
        return amount.GetStatus() == COleCurrency::valid && amount.m_cur.int64 != 0;
    }
    case TYPE_DOUBLE: {
        double value = entry->GetDouble();
        return !std::isnan(value) && value != 0.0;
    }
    case TYPE_DATE:
        return entry->GetDate().GetStatus() == COleDateTime::valid;
    case TYPE_STRING:
        return !entry->GetString().IsEmpty() && entry->GetString() != kErrorValue;
    case TYPE_KEY:
        return entry->GetKey().m_KeyID != 0;
    case TYPE_SPAN: {
        // A span counts when it is valid and moves a date at all: by time or by months.
        QZDateSpan span = entry->GetSpan();
        return span.GetStatus() == COleDateTimeSpan::valid &&
               (span.m_span != 0.0 || span.GetTotalMonths() != 0);
    }
    default:
        return FALSE;
    }
}

const COleVariant& QZSymbol::GetVariant() {
    switch (m_type) {
    case TYPE_INTEGER:
        m_variant = GetInteger();
        break;
    case TYPE_CURRENCY:
        m_variant = GetCurrency();
        break;
    case TYPE_DOUBLE:
        m_variant = GetDouble();
        break;
    case TYPE_DATE:
        m_variant = GetDate();
        break;
    case TYPE_STRING:
        m_variant = GetString();
        break;
    case TYPE_KEY:
        m_variant = GetKey().Format();
        break;
    default:
        break; // spans, arrays, records, addresses and references have no variant form
    }
    return m_variant;
}

void QZSymbol::SetVariant(const COleVariant& value) {
    switch (value.vt) {
    case VT_I2:
        SetInteger(value.iVal);
        break;
    case VT_I4:
        SetInteger(value.lVal);
        break;
    case VT_BOOL:
        SetInteger(value.boolVal); // true is -1
        break;
    case VT_UI1:
        SetInteger(value.bVal);
        break;
    case VT_R4:
        SetDouble(value.fltVal);
        break;
    case VT_R8:
        SetDouble(value.dblVal);
        break;
    case VT_CY: {
        COleCurrency currency(value.cyVal);
        currency.SetStatus(COleCurrency::valid);
        SetCurrency(currency);
        break;
    }
    case VT_DATE: {
        COleDateTime date(value.date);
        date.SetStatus(COleDateTime::valid);
        SetDate(date);
        break;
    }
    case VT_BSTR:
        SetString(value.bstrVal);
        break;
    default:
        FreeValue();
        m_type = TYPE_NULL;
        break;
    }
}

CString QZSymbol::GetValueText() const {
    CString text;
    if (!HasValue())
        return "reserved word or record member";
    switch (m_type) {
    case TYPE_INTEGER:
        text.Format("%d", GetInteger());
        return text;
    case TYPE_CURRENCY:
        return "$" + GetCurrency().Format();
    case TYPE_DOUBLE:
        text.Format("%g", GetDouble());
        return text;
    case TYPE_DATE:
        return GetDate().Format("%a %b %d %Y %H:%M:%S");
    case TYPE_STRING:
        return "\"" + GetString() + "\"";
    case TYPE_ARRAY:
        return "array";
    case TYPE_KEY:
        return GetKey().FormatFull();
    case TYPE_SPAN:
        return GetSpan().Format("%D days, %H:%M:%S");
    case TYPE_RECORD:
        return "record";
    case TYPE_ADDRESS:
        return "address";
    case TYPE_REFERENCE:
        return "entry placeholder";
    default:
        return "reserved word or record member";
    }
}
