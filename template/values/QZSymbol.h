#pragma once
// A named entry of a symbol table that carries one typed value: every variable, constant,
// reserved word, record field, parameter and intermediate result of the template language.
// An entry owns exactly one value at a time, of the type its type field names.

#include "db/QZKeyCombo.h"
#include "platform/core/COleCurrency.h"
#include "platform/core/COleDateTime.h"
#include "platform/core/COleVariant.h"
#include "platform/core/CString.h"
#include "platform/core/Types.h"
#include "template/values/QZDateSpan.h"

#include <memory>
#include <variant>

class SymbolTable;

class QZSymbol {
public:
    // Value type codes.
    enum : LONG {
        TYPE_NONE = -1, // never given a type
        TYPE_NULL = 0,  // a database NULL or an unsupported variant
        TYPE_INTEGER = 3,
        TYPE_CURRENCY = 5,
        TYPE_DOUBLE = 6,
        TYPE_DATE = 8,
        TYPE_STRING = 10,
        TYPE_ARRAY = 103,
        TYPE_KEY = 104,
        TYPE_SPAN = 107,
        TYPE_RECORD = 108,
        TYPE_ADDRESS = 109,
        TYPE_REFERENCE = 110,
    };
    // Entry kinds: a variable, or the token number of a literal constant's kind.
    enum : LONG {
        KIND_VARIABLE = 1,
        KIND_INTEGER_CONST = 106,
        KIND_FLOAT_CONST = 117,
        KIND_STRING_CONST = 118,
        KIND_KEY_CONST = 121,
        KIND_CURRENCY_CONST = 124,
        KIND_DATE_CONST = 125,
        KIND_SPAN_CONST = 137,
    };
    // The string that every failed operation leaves in its result; it counts as false.
    static constexpr const char* kErrorValue = "!Error!";

    QZSymbol();
    QZSymbol(const QZSymbol& source);
    ~QZSymbol();
    // Takes the source's name, kind, type and a copy of its value (arrays and records whole;
    // addresses and references designate the same entry).
    QZSymbol& operator=(const QZSymbol& source);

    const CString& GetName() const { return m_name; }
    void SetName(const CString& name) { m_name = name; }
    LONG GetKind() const { return m_kind; }
    // True for the entries of the literal pool, which no name look-up may find.
    bool IsLiteralConstant() const {
        switch (m_kind) {
        case KIND_INTEGER_CONST:
        case KIND_FLOAT_CONST:
        case KIND_STRING_CONST:
        case KIND_KEY_CONST:
        case KIND_CURRENCY_CONST:
        case KIND_DATE_CONST:
        case KIND_SPAN_CONST:
            return true;
        default:
            return false;
        }
    }
    void SetKind(LONG kind) { m_kind = kind; }
    LONG GetType() const { return m_type; }
    SymbolTable* GetOwner() const { return m_owner; }
    void SetOwner(SymbolTable* owner) { m_owner = owner; }
    // True when the entry holds a value; the type can be set without one.
    bool HasValue() const { return !std::holds_alternative<std::monostate>(m_value); }

    // Makers: the value of the type, kept when the entry already holds one, else a new empty
    // one that replaces whatever value the entry held.
    LONG* MakeInteger();
    double* MakeDouble();
    CString* MakeString();
    QZKeyCombo* MakeKey();
    COleDateTime* MakeDate();
    QZDateSpan* MakeSpan();
    COleCurrency* MakeCurrency();
    QZSymbol** MakeAddress();
    QZSymbol** MakeReference();
    SymbolTable* MakeArray();
    SymbolTable* MakeRecord();
    // 0 drops the value; a known type code calls its maker; other codes do nothing.
    void SetType(LONG type);

    // Setters take their value as a copy, made before the entry's old value is released: the
    // value may live inside it (an array or record assigned one of its own members).
    void SetInteger(LONG value);
    void SetDouble(double value);
    void SetString(CString value);
    void SetKey(QZKeyCombo value);
    void SetDate(COleDateTime value);
    void SetSpan(QZDateSpan value);
    void SetCurrency(COleCurrency value);
    void SetAddress(QZSymbol* target);
    void SetReference(QZSymbol* target);
    // Makes the entry an array (`isArray`) or a record holding copies of the table's entries.
    void SetTable(const SymbolTable& table, BOOL isArray);

    // Getters read the value as the asked type; the caller checks the type first. A value of
    // another type, or none, reads as the asked type's empty value.
    LONG GetInteger() const;
    double GetDouble() const;
    const CString& GetString() const;
    QZKeyCombo GetKey() const;
    COleDateTime GetDate() const;
    QZDateSpan GetSpan() const;
    COleCurrency GetCurrency() const;
    QZSymbol* GetAddress() const;
    QZSymbol* GetReference() const;
    SymbolTable* GetArray() const;
    SymbolTable* GetRecord() const;

    // Releases the value; the type stays.
    void FreeValue();

    // The truth of the value, following references.
    BOOL IsTrue() const;

    // The value as a variant (kept in the entry); types without a variant form leave it as
    // it was.
    const COleVariant& GetVariant();
    // Takes the value of a variant; types without a counterpart make the entry type 0.
    void SetVariant(const COleVariant& value);

    // The value as the symbol-table dump shows it: "%d", "$" and the currency, "%g", the date,
    // the string in double quotes, the key "%ld:%ld", the span, or a word for the rest.
    CString GetValueText() const;

private:
    using Value = std::variant<std::monostate, LONG, double, CString, QZKeyCombo, COleDateTime,
                               QZDateSpan, COleCurrency, QZSymbol*, std::unique_ptr<SymbolTable>>;

    template <typename T> T* Make(LONG type);
    template <typename T> const T* Payload() const { return std::get_if<T>(&m_value); }
    SymbolTable* MakeTable(LONG type);
    Value CopyValue() const;

    Value m_value;
    COleVariant m_variant;
    SymbolTable* m_owner = nullptr;
    CString m_name;
    LONG m_kind = KIND_VARIABLE;
    LONG m_type = TYPE_NONE;
};
