#pragma once
// What the five row commands (addrow, delrow, editrow, addrows, editrows) share: each is
// described by its keyword, its messages and its row-action set operation, and reports how it
// went to the template text in the variables DbError and DbErrorCode of the scope it stands
// in, never in the output. The array members take their rows from the array parameter
// "source", one record each, with the command's other parameters standing in for fields a
// record lacks.

#include "platform/core/CString.h"
#include "template/data/QZCmdRowAction.h"

#include <memory>

class CDaoException;
class SymbolTable;

class QZCmdRowActionMember : public QZCmdRowAction {
    DECLARE_DYNAMIC(QZCmdRowActionMember)
public:
    struct Member {
        const char* keyword;
        // "AddRow Failed: Invalid Query/Table Key" and its twins.
        const char* invalidKey;
        // "AddRow Failed: " and its twins, before the engine's description.
        const char* failurePrefix;
        // "AddRows %i Rows Failed: " for the array members; null for the others.
        const char* arrayFailure;
        CString (CActionSet::*operation)(SymbolTable* variables);
    };

    QZCmdRowActionMember(QZVantrelContext* context, const CString& arguments, const Member& member);
    ~QZCmdRowActionMember() override;

    void WriteSource(CString& text) override;
    // Changes the rows and sets DbError and DbErrorCode.
    void ExecuteAction() override;
    // The action property dialog (the multi-row one for the array members): the new command
    // text on OK, empty on Cancel.
    CString EditProperties() override;
    // The base's check; the array members also need an array "source", whose elements they
    // copy as their rows.
    BOOL CheckParameters() override;

    void SetQueryKey(const QZKeyCombo& key) { m_queryKey = key; }
    BOOL IsArrayMember() const { return m_member.arrayFailure != nullptr; }

private:
    void RunSingleRow();
    void RunRows();
    // The member's row-action set operation on the prepared set.
    CString ApplyOperation(SymbolTable* variables);
    // DbError and DbErrorCode in the scope of the command.
    void SetResult(const CString& error, const CString& code);
    void SetEngineError(CDaoException* e);
    void FreeActionSet();

    const Member& m_member;
    std::unique_ptr<SymbolTable> m_pRows;
};
