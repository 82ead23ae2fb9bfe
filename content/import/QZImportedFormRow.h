#pragma once
// The form of an imported page as a Forms row of its own, until the form content object takes
// its place: the row is added and claimed when it is made, rewritten by Save and given up when
// it goes.

#include "content/import/QZImportedForm.h"
#include "db/CFormsSet.h"

class QZImportedFormRow : public QZImportedForm {
public:
    // A new row of the application's current service, claimed for the current user.
    QZImportedFormRow();
    ~QZImportedFormRow() override;
    QZImportedFormRow(const QZImportedFormRow&) = delete;
    QZImportedFormRow& operator=(const QZImportedFormRow&) = delete;

    QZKeyCombo GetKey() const override;
    void SetActionBody(const CString& text) override { m_set.m_ActionBody = text; }
    void SetTitle(const CString& title) override { m_set.m_Title = title; }
    void SetScriptBody(const CString& text) override { m_set.m_ScriptBody = text; }
    int Save() override;

private:
    CFormsSet m_set;
    BOOL m_bAdded;
};
