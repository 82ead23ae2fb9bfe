#pragma once
// The query's form: the development and production data databases, and the stored query or
// table it reads, chosen from the development database through the "Select a Query/Table"
// dialog. The DSN and SQL code are carried through unseen. A query saved without a production
// database takes the development one for both.

#include "db/CQuerySet.h"
#include "editors/QZBoundFormView.h"
#include "platform/ui/CButton.h"
#include "platform/ui/CEdit.h"

class QZQueryForm : public QZBoundFormView {
    DECLARE_DYNCREATE(QZQueryForm)
public:
    QZQueryForm();

    void OnInitialUpdate() override;
    BOOL SaveToObject() override;
    void LoadFromObject() override;

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

    void OnChooseDatabase();
    void OnChooseProduction();
    // Saves the form first, so that the object holds the paths, then lets the user pick a
    // stored query or a table of the development database.
    void OnBrowseQuery();

private:
    CQuerySet* Row() const;
    void ShowQueryType();
    // The user's chosen database file into the member and its edit.
    void ChooseFile(UINT editId, CString& member);
    // Replaces the edit's whole text as typing would.
    void ReplaceText(UINT editId, const CString& text);

    CString m_strSQLName;
    CString m_strSQLCode;
    CString m_strDSN;
    CString m_strDatabase;
    CString m_strProduction;
    int m_nQueryType = 0;
    CButton m_btnQuery;
    CButton m_btnTable;
};
