#include "shell/QZQueryWizardP3.h"

#include "res/Resource.h"
#include "shell/QZQueryWizardBase.h"

namespace {

constexpr LONG kTextArea = 300;
constexpr LONG kDefaultWidth = 30;

} // namespace

QZQueryWizardP3::QZQueryWizardP3() : CPropertyPage(IDD_QUERYWIZ_P3) {}

BOOL QZQueryWizardP3::OnInitDialog() {
    CPropertyPage::OnInitDialog();
    m_Fields.SubclassDlgItem(IDC_QWIZ_FIELDS, this);
    return TRUE;
}

BOOL QZQueryWizardP3::OnSetActive() {
    QZQueryWizardBase* sheet = Sheet();
    if (!sheet)
        return FALSE;
    sheet->SetWizardButtons(PSWIZB_BACK | PSWIZB_NEXT);
    m_Fields.ResetContent();
    m_widths.clear();
    for (int i = 0; i < sheet->GetFieldCount(); ++i) {
        const int line = m_Fields.AddString(sheet->GetFieldName(i));
        m_Fields.SetCheck(line, 1);
        m_widths.push_back(sheet->GetFieldWidth(i));
    }
    return CPropertyPage::OnSetActive();
}

LRESULT QZQueryWizardP3::OnWizardNext() {
    QZQueryWizardBase* sheet = Sheet();
    if (!sheet)
        return 0;
    sheet->m_strFields.Empty();
    for (int line = 0; line < m_Fields.GetCount(); ++line) {
        if (!m_Fields.GetCheck(line))
            continue;
        CString name;
        m_Fields.GetText(line, name);
        const LONG width = line < static_cast<int>(m_widths.size()) ? m_widths[line] : 0;
        sheet->m_strFields += FieldLine(sheet->m_nMode, name, width);
    }
    return 0;
}

CString QZQueryWizardP3::FieldLine(LONG mode, const CString& name, LONG width) {
    CString line;
    if (mode == QZQueryWizardBase::PRINT_ROWS)
        return "\t<<print [" + name + "]>> <br>\r\n";
    const LONG length = width == 0 ? kDefaultWidth : width;
    if (mode == QZQueryWizardBase::ADD_ROWS) {
        if (width == kTextArea)
            line.Format("\t%s:  <textarea rows=6 cols=50 name=\"%s\"></textarea> <br>\r\n",
                        (LPCTSTR)name, (LPCTSTR)name);
        else
            line.Format("\t%s:  <input type=\"text\" name=\"%s\" value=\"\" size=\"30\" "
                        "maxlength=\"%d\"> <br>\r\n",
                        (LPCTSTR)name, (LPCTSTR)name, length);
        return line;
    }
    if (width == kTextArea)
        line.Format(
            "\t%s:  <textarea rows=6 cols=50 name=\"%s\"><<print [%s]>></textarea> <br>\r\n",
            (LPCTSTR)name, (LPCTSTR)name, (LPCTSTR)name);
    else
        line.Format("\t%s:  <input type=\"text\" name=\"%s\" value=\"<<print [%s]>>\" size=\"30\" "
                    "maxlength=\"%d\"> <br>\r\n",
                    (LPCTSTR)name, (LPCTSTR)name, (LPCTSTR)name, length);
    return line;
}

QZQueryWizardBase* QZQueryWizardP3::Sheet() const {
    return dynamic_cast<QZQueryWizardBase*>(GetParent());
}
