#pragma once
// The recordset of one table, written once for every table: a class names its table, object
// type, key query and bound columns in a QZTableDef, and this base gives it the field exchange,
// the key, the new row's DbID, the copy and the rewrite of the per-table contract. The class
// adds its new-row defaults (SetNewRowDefaults) and its key accessors.

#include "db/QZColumn.h"
#include "db/QZRecordset.h"

#include <vector>

template <class Set> struct QZTableDef {
    const char* table;    // GetTableName
    SHORT objectType;     // GetObjectType
    const char* keyQuery; // the stored query that opens one row by key; "" when none
    LONG Set::*dbId;      // the DbID column; nullptr when the table has none
    LONG Set::*ownId;     // the own-ID column; nullptr when the table has none
    std::vector<QZColumn<Set>> columns;
};

template <class Set> class QZTableSet : public QZRecordset {
public:
    explicit QZTableSet(CDaoDatabase* database) : QZRecordset(database) {
        m_nFields = static_cast<int>(Def().columns.size());
        m_nDefaultType = dbOpenDynaset;
    }

    static const char* GetKeyQueryName() { return Def().keyQuery; }
    static const std::vector<QZColumn<Set>>& Columns() { return Def().columns; }

    // The base adds, writes and claims the row; the members then take the set's DbID and the
    // class's defaults, which reach the row at the next save. The base's result is returned.
    int AddNewRecord(int flag) override {
        int result = QZRecordset::AddNewRecord(flag);
        if (Def().dbId != nullptr)
            self().*Def().dbId = m_SetDbID;
        SetNewRowDefaults();
        return result;
    }

    // Copies every bound member of a set of the same class, the own ID only with m_bCopyOwnId.
    // A set of another class is refused: nothing is copied.
    void CopyFields(QZRecordset* other) override {
        auto* from = dynamic_cast<Set*>(other);
        if (from == nullptr || from == this)
            return;
        for (const QZColumn<Set>& column : Def().columns)
            if (m_bCopyOwnId || Def().ownId == nullptr || !column.Is(Def().ownId))
                column.Copy(self(), *from);
    }

    // (DbID, own ID) in the scratch key; its type is left as it was.
    QZKeyCombo& GetKey() override {
        if (Def().ownId == nullptr)
            return QZRecordset::GetKey();
        return FillScratchKey(Def().dbId, Def().ownId);
    }

    CString GetTableName() override { return Def().table; }
    SHORT GetObjectType() override { return Def().objectType; }

    int RewriteRecord() override {
        return RewriteAllFields(Def().ownId != nullptr ? &(self().*Def().ownId) : nullptr);
    }

    void DoFieldExchange(CDaoFieldExchange* pFX) override {
        QZExchangeColumns(self(), Def().columns, pFX);
    }

protected:
    // The class's values for a new row, put into the members after the base has added it.
    virtual void SetNewRowDefaults() {}

    // Copies `from` into this set through the virtual CopyFields; the assignment of each class.
    Set& Assign(const Set& from) {
        CopyFields(const_cast<Set*>(&from));
        return self();
    }

    // The scratch key filled from a pair of columns; every key getter returns this one key.
    QZKeyCombo& FillScratchKey(LONG Set::*dbId, LONG Set::*id) {
        m_ScratchKey.SetKey(self().*dbId, self().*id);
        return m_ScratchKey;
    }

    // Copies a key's DbID and KeyID into a pair of columns; nothing is written until saved.
    void SetKeyPair(const QZKeyCombo& key, LONG Set::*dbId, LONG Set::*id) {
        self().*dbId = key.m_DbID;
        self().*id = key.m_KeyID;
    }

    QZKeyCombo m_ScratchKey;

private:
    static const QZTableDef<Set>& Def() { return Set::TableDef(); }
    Set& self() { return static_cast<Set&>(*this); }
};
