#include "template/values/SymbolTable.h"

#include "template/values/QZSymbol.h"

#include <climits>
#include <cstdlib>

namespace {

// atol as the system's 32-bit runtime reads a number: values beyond 32 bits saturate.
LONG TextToLong(const CString& text) {
    long long value = std::strtoll(static_cast<LPCTSTR>(text), nullptr, 10);
    if (value > INT32_MAX)
        return INT32_MAX;
    if (value < INT32_MIN)
        return INT32_MIN;
    return static_cast<LONG>(value);
}

double TextToDouble(const CString& text) {
    return std::atof(static_cast<LPCTSTR>(text));
}

} // namespace

SymbolTable::SymbolTable(SymbolTable* parent)
    : m_blocks(std::make_unique<QZBlockList>()), m_parent(parent) {
    m_blocks->AddBlock(kBlockSize, this);
}

SymbolTable::~SymbolTable() = default;

SymbolTable& SymbolTable::operator=(const SymbolTable& source) {
    if (&source == this)
        return *this;
    *m_blocks = *source.m_blocks;
    m_count = source.m_count;
    m_iterNode = nullptr;
    m_iterIndex = 0;
    StampOwner();
    return *this;
}

QZSymbol* SymbolTable::Find(const CString& name, BOOL searchParents) const {
    for (const SymbolTable* table = this; table != nullptr; table = table->m_parent) {
        for (QZBlockList::Node* node = table->m_blocks->GetHead(); node; node = node->next) {
            for (LONG i = 0; i < node->used; i++) {
                // A literal is named by its text: "title" must not answer for the variable
                // title. Lengths first, since this loop dominates compiling.
                const QZSymbol& entry = node->item[i];
                if (entry.GetName().GetLength() == name.GetLength() && !entry.IsLiteralConstant() &&
                    entry.GetName().CompareNoCase(name) == 0)
                    return &node->item[i];
            }
        }
        if (!searchParents)
            break;
    }
    return nullptr;
}

QZSymbol* SymbolTable::Lookup(LPCTSTR name, BOOL searchParents) const {
    return Find(CString(name), searchParents);
}

QZSymbol* SymbolTable::Define(const CString& name, BOOL searchParents) {
    QZSymbol* entry = Find(name, searchParents);
    return entry != nullptr ? entry : AddEntry(name, QZSymbol::KIND_VARIABLE);
}

QZSymbol* SymbolTable::AddEntry(const CString& name, LONG kind) {
    QZBlockList::Node* last = m_blocks->GetTail();
    if (last == nullptr || last->used >= last->capacity) {
        if (m_blocks->AddBlock(kBlockSize, this) == nullptr)
            return nullptr;
        last = m_blocks->GetTail();
    }
    QZSymbol* entry = &last->item[last->used];
    entry->SetName(name);
    entry->SetKind(kind);
    last->used++;
    m_count++;
    return entry;
}

QZSymbol* SymbolTable::AddTemp() {
    return AddEntry(CString(), QZSymbol::KIND_VARIABLE);
}

template <typename Equal> QZSymbol* SymbolTable::FindConst(LONG kind, Equal equal) const {
    for (const SymbolTable* table = this; table != nullptr; table = table->m_parent) {
        for (QZBlockList::Node* node = table->m_blocks->GetHead(); node; node = node->next) {
            for (LONG i = 0; i < node->used; i++) {
                QZSymbol& entry = node->item[i];
                if (entry.GetKind() == kind && equal(entry))
                    return &entry;
            }
        }
    }
    return nullptr;
}

QZSymbol* SymbolTable::AddIntConst(const CString& text) {
    LONG value = TextToLong(text);
    QZSymbol* entry = FindConst(QZSymbol::KIND_INTEGER_CONST,
                                [&](QZSymbol& e) { return TextToLong(e.GetName()) == value; });
    if (entry == nullptr && (entry = AddEntry(text, QZSymbol::KIND_INTEGER_CONST)) != nullptr)
        entry->SetInteger(value);
    return entry;
}

QZSymbol* SymbolTable::AddFloatConst(const CString& text) {
    double value = TextToDouble(text);
    QZSymbol* entry = FindConst(QZSymbol::KIND_FLOAT_CONST,
                                [&](QZSymbol& e) { return TextToDouble(e.GetName()) == value; });
    if (entry == nullptr && (entry = AddEntry(text, QZSymbol::KIND_FLOAT_CONST)) != nullptr)
        entry->SetDouble(value);
    return entry;
}

QZSymbol* SymbolTable::AddStringConst(const CString& text) {
    QZSymbol* entry = FindConst(QZSymbol::KIND_STRING_CONST, [&](QZSymbol& e) {
        return e.GetType() == QZSymbol::TYPE_STRING && e.GetString() == text;
    });
    if (entry == nullptr && (entry = AddEntry(text, QZSymbol::KIND_STRING_CONST)) != nullptr)
        entry->SetString(text);
    return entry;
}

QZSymbol* SymbolTable::AddKeyConst(const CString& text) {
    QZKeyCombo value(text);
    QZSymbol* entry = FindConst(QZSymbol::KIND_KEY_CONST, [&](QZSymbol& e) {
        return e.GetType() == QZSymbol::TYPE_KEY && e.GetKey() == value;
    });
    if (entry == nullptr && (entry = AddEntry(text, QZSymbol::KIND_KEY_CONST)) != nullptr)
        entry->SetKey(value);
    return entry;
}

QZSymbol* SymbolTable::AddCurrencyConst(const COleCurrency& value, const CString& text) {
    QZSymbol* entry = FindConst(QZSymbol::KIND_CURRENCY_CONST, [&](QZSymbol& e) {
        return e.GetType() == QZSymbol::TYPE_CURRENCY && e.GetCurrency() == value;
    });
    if (entry == nullptr && (entry = AddEntry(text, QZSymbol::KIND_CURRENCY_CONST)) != nullptr)
        entry->SetCurrency(value);
    return entry;
}

QZSymbol* SymbolTable::AddDateConst(const COleDateTime& value, const CString& text) {
    QZSymbol* entry = FindConst(QZSymbol::KIND_DATE_CONST, [&](QZSymbol& e) {
        if (e.GetType() != QZSymbol::TYPE_DATE)
            return false;
        COleDateTime date = e.GetDate();
        return date.GetStatus() == value.GetStatus() && date.m_dt == value.m_dt;
    });
    if (entry == nullptr && (entry = AddEntry(text, QZSymbol::KIND_DATE_CONST)) != nullptr)
        entry->SetDate(value);
    return entry;
}

QZSymbol* SymbolTable::AddSpanConst(const QZDateSpan& value, const CString& text) {
    QZSymbol* entry = FindConst(QZSymbol::KIND_SPAN_CONST, [&](QZSymbol& e) {
        return e.GetType() == QZSymbol::TYPE_SPAN && e.GetSpan() == value;
    });
    if (entry == nullptr && (entry = AddEntry(text, QZSymbol::KIND_SPAN_CONST)) != nullptr)
        entry->SetSpan(value);
    return entry;
}

QZSymbol* SymbolTable::SetInteger(const CString& name, LONG value) {
    QZSymbol* entry = Define(name, TRUE);
    if (entry != nullptr)
        entry->SetInteger(value);
    return entry;
}

QZSymbol* SymbolTable::SetDouble(const CString& name, double value) {
    QZSymbol* entry = Define(name, TRUE);
    if (entry != nullptr)
        entry->SetDouble(value);
    return entry;
}

QZSymbol* SymbolTable::SetString(const CString& name, const CString& value) {
    QZSymbol* entry = Define(name, TRUE);
    if (entry != nullptr)
        entry->SetString(value);
    return entry;
}

QZSymbol* SymbolTable::SetKey(const CString& name, const QZKeyCombo& value) {
    QZSymbol* entry = Define(name, TRUE);
    if (entry != nullptr)
        entry->SetKey(value);
    return entry;
}

QZSymbol* SymbolTable::SetDate(const CString& name, const COleDateTime& value) {
    QZSymbol* entry = Define(name, TRUE);
    if (entry != nullptr)
        entry->SetDate(value);
    return entry;
}

QZSymbol* SymbolTable::SetVariant(const CString& name, const COleVariant& value) {
    QZSymbol* entry = Define(name, TRUE);
    if (entry != nullptr)
        entry->SetVariant(value);
    return entry;
}

QZSymbol* SymbolTable::GetFirst() {
    m_iterNode = m_blocks->GetHead();
    m_iterIndex = 0;
    if (m_iterNode == nullptr || m_iterNode->capacity < 1)
        return nullptr;
    return &m_iterNode->item[0];
}

QZSymbol* SymbolTable::GetNext() {
    if (m_iterNode == nullptr)
        return nullptr;
    if (++m_iterIndex >= m_iterNode->capacity) {
        m_iterNode = m_iterNode->next;
        m_iterIndex = 0;
        if (m_iterNode == nullptr || m_iterNode->capacity < 1)
            return nullptr;
    }
    return &m_iterNode->item[m_iterIndex];
}

QZSymbol* SymbolTable::GetElement(LONG index, BOOL create) {
    if (index < 1)
        return nullptr;
    QZSymbol* block = m_blocks->GetAt((index - 1) / kBlockSize + 1, create, kBlockSize, this);
    if (block == nullptr)
        return nullptr;
    QZSymbol* entry = &block[(index - 1) % kBlockSize];
    if (!create && !entry->HasValue())
        return nullptr;
    if (m_count < index)
        m_count = index;
    return entry;
}

const CString& SymbolTable::Dump() {
    m_dumpText = "<H3>Symbol Table Dump:</H3>\n<P>\n";
    for (QZBlockList::Node* node = m_blocks->GetHead(); node; node = node->next) {
        for (LONG i = 0; i < node->used; i++) {
            const QZSymbol& entry = node->item[i];
            m_dumpText += entry.GetName().IsEmpty() ? CString("(temp entry)") : entry.GetName();
            m_dumpText += "=";
            m_dumpText += entry.GetValueText();
            m_dumpText += "<br>\n";
        }
    }
    m_dumpText += "\n";
    if (m_parent != nullptr)
        m_dumpText += m_parent->Dump();
    return m_dumpText;
}

LONG SymbolTable::CountSlots(LONG limit) const {
    LONG slots = 0;
    for (QZBlockList::Node* node = m_blocks->GetHead(); node; node = node->next) {
        slots += node->capacity;
        for (LONG i = 0; i < node->capacity && slots <= limit; i++) {
            const SymbolTable* inner = node->item[i].GetArray();
            if (inner != nullptr)
                slots += inner->CountSlots(limit - slots);
        }
        if (slots > limit)
            break;
    }
    return slots;
}

void SymbolTable::StampOwner() {
    for (QZBlockList::Node* node = m_blocks->GetHead(); node; node = node->next) {
        for (LONG i = 0; i < node->capacity; i++)
            node->item[i].SetOwner(this);
    }
}
