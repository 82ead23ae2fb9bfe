#pragma once
// One scope of the template language: the variables of a page, the members of a record, the
// elements of an array, the fields of a query row, the reserved words, and the literal constants
// and temporaries of compiled expressions. A name not found here is looked up in the parent.
// Entries live in blocks of 32 that never move, so pointers to entries stay valid while the
// table grows.

#include "platform/core/CString.h"
#include "platform/core/Types.h"
#include "template/values/QZBlockList.h"

#include <memory>

class COleCurrency;
class COleDateTime;
class COleVariant;
class QZDateSpan;
class QZKeyCombo;
class QZSymbol;

class SymbolTable {
public:
    static constexpr LONG kBlockSize = 32;

    explicit SymbolTable(SymbolTable* parent = nullptr);
    virtual ~SymbolTable();
    SymbolTable(const SymbolTable&) = delete;
    // Replaces the entries by copies of the source's (arrays and records deeply), block by
    // block; the parent stays.
    SymbolTable& operator=(const SymbolTable& source);

    // Look-up by name without regard to case, in this scope and, when asked, its parents.
    QZSymbol* Find(const CString& name, BOOL searchParents) const;
    QZSymbol* Lookup(LPCTSTR name, BOOL searchParents) const;
    // Find, or a new variable of that name in this table.
    QZSymbol* Define(const CString& name, BOOL searchParents);
    QZSymbol* AddEntry(const CString& name, LONG kind);
    QZSymbol* AddTemp();

    // Literal constants: one entry per equal constant along the parent chain.
    QZSymbol* AddIntConst(const CString& text);
    QZSymbol* AddFloatConst(const CString& text);
    QZSymbol* AddStringConst(const CString& text);
    QZSymbol* AddKeyConst(const CString& text);
    QZSymbol* AddCurrencyConst(const COleCurrency& value, const CString& text);
    QZSymbol* AddDateConst(const COleDateTime& value, const CString& text);
    QZSymbol* AddSpanConst(const QZDateSpan& value, const CString& text);

    // Typed setters: define the name (parents searched) and give it the value.
    QZSymbol* SetInteger(const CString& name, LONG value);
    QZSymbol* SetDouble(const CString& name, double value);
    QZSymbol* SetString(const CString& name, const CString& value);
    QZSymbol* SetKey(const CString& name, const QZKeyCombo& value);
    QZSymbol* SetDate(const CString& name, const COleDateTime& value);
    QZSymbol* SetVariant(const CString& name, const COleVariant& value);

    // Iteration over every slot of every block, used or not.
    QZSymbol* GetFirst();
    QZSymbol* GetNext();

    // Array element by index from 1; with `create` missing blocks are added. Without it a
    // missing element, or one without a value, is null.
    QZSymbol* GetElement(LONG index, BOOL create);

    // The HTML dump of this scope and then of its parents.
    const CString& Dump();

    // The entry slots of the table and of the arrays and records inside it, at every depth:
    // what a copy of it allocates. Counting stops once the count passes `limit`.
    LONG CountSlots(LONG limit) const;

    SymbolTable* GetParent() const { return m_parent; }
    // Entries added; for an array, the highest index used.
    LONG GetCount() const { return m_count; }
    const QZBlockList& GetBlocks() const { return *m_blocks; }

private:
    template <typename Equal> QZSymbol* FindConst(LONG kind, Equal equal) const;
    void StampOwner();

    std::unique_ptr<QZBlockList> m_blocks;
    SymbolTable* m_parent;
    QZBlockList::Node* m_iterNode = nullptr;
    SHORT m_iterIndex = 0;
    LONG m_count = 0;
    CString m_dumpText;
};
