#pragma once
// The query wizard: a wizard-mode sheet that writes the template text running a query object
// of the site, to print its rows or to offer form fields that add or edit rows, with parameter
// values, row count, no-rows text, grouping and buttons. Only the first page is there at
// first; leaving it sets up the others for the chosen query and mode.

#include "db/QZKeyCombo.h"
#include "platform/core/CPtrList.h"
#include "platform/core/CString.h"
#include "platform/ui/CPropertySheet.h"
#include "shell/QZQueryWizardP1.h"
#include "shell/QZQueryWizardP2.h"
#include "shell/QZQueryWizardP3.h"
#include "shell/QZQueryWizardP4.h"
#include "shell/QZQueryWizardP5.h"
#include "shell/QZQueryWizardP6.h"
#include "shell/QZQueryWizardP7.h"

#include <memory>
#include <vector>

class QZVantrelQuery;

class QZQueryWizardBase : public CPropertySheet {
public:
    // What the rows are for.
    enum Mode { PRINT_ROWS = 0, ADD_ROWS = 1, EDIT_ROWS = 2 };

    explicit QZQueryWizardBase(LPCTSTR caption, CWnd* parent = nullptr, UINT selectPage = 0);
    ~QZQueryWizardBase() override;

    // Leaving the first page: the pages after it for the chosen query and mode, all texts
    // emptied.
    void SetUpPages();
    // The query's fields ("name\twidth", or the name alone) and parameters, anew; none for an
    // empty key. A database error leaves the lists as far as filled.
    void LoadQueryInfo(const QZKeyCombo& key);
    // Assembles the result text from the pages' texts.
    void BuildQueryText();
    void FreeQueryInfo();

    // The query chosen on the first page (owned), replacing the one before.
    void SetQuery(std::unique_ptr<QZVantrelQuery> query, const QZKeyCombo& key);
    QZVantrelQuery* GetQuery() const { return m_pQuery.get(); }
    const QZKeyCombo& GetQueryKey() const { return m_QueryKey; }

    // The field names and their input widths (0 when the list gives none), and the
    // parameter names.
    int GetFieldCount() const;
    CString GetFieldName(int index) const;
    LONG GetFieldWidth(int index) const;
    std::vector<CString> GetParameterNames() const;

    QZQueryWizardP1 m_P1;
    QZQueryWizardP2 m_P2;
    QZQueryWizardP3 m_P3;
    QZQueryWizardP4 m_P4;
    QZQueryWizardP5 m_P5;
    QZQueryWizardP6 m_P6;
    QZQueryWizardP7 m_P7;

    CString m_strParameters;
    CString m_strFields;
    CString m_strRowCount;
    CString m_strNoRows;
    CString m_strGroup;
    CString m_strButtons;
    CString m_strResult;
    LONG m_nMode = PRINT_ROWS;

private:
    std::unique_ptr<QZVantrelQuery> m_pQuery;
    QZKeyCombo m_QueryKey;
    CPtrList* m_pFields = nullptr;
    CPtrList* m_pParameters = nullptr;
};

// Runs the query wizard over `parent` (the main window when none): the text it built, or an
// empty text when the user cancelled it.
CString RunQueryWizard(CWnd* parent = nullptr);
