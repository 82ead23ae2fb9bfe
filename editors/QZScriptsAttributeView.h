#pragma once
// The attributes of a script (form 192): besides the identifier, title, site and section, its
// language, chosen from "JavaScript" and "VBScript" or typed, and its type.

#include "editors/QZFormView.h"
#include "platform/ui/CComboBox.h"

class QZVantrelScript;

class QZScriptsAttributeView : public QZFormView {
    DECLARE_DYNCREATE(QZScriptsAttributeView)
public:
    QZScriptsAttributeView();

    void OnInitialUpdate() override;
    // The fields into the script's row, each changed one marking the document modified; FALSE
    // when the exchange refused a value.
    BOOL SaveToObject() override;
    void LoadFromObject() override;

    CString m_strLanguage;
    CString m_strType;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

private:
    QZVantrelScript* Script() const;
    void ReadRow();

    CComboBox m_cbLanguage;
};
