#pragma once
// The edit targets over content objects: a template-text object's text, a page's header and a
// form's action text. The object must outlive the target.

#include "editors/QZEditTarget.h"

class QZVantrelForm;
class QZVantrelPage;
class QZVantrelTemplate;

// The template text of a page, macro, script, form, event or message.
class QZTemplateEditTarget : public QZEditTarget {
public:
    explicit QZTemplateEditTarget(QZVantrelTemplate& object) : m_object(object) {}

    CString GetText() override;
    void SetText(const CString& text) override;
    QZVantrelMemoFld::ColorSpanList GetColorSpans(const CString& text) override;
    std::pair<int, int> FindCommandRange(const CString& lineText, int position) override;
    QZCommandBase* SetSourceText(const CString& text) override;
    BOOL IsWritable() override;

protected:
    QZVantrelTemplate& m_object;
};

// A page's Header field, coloured and parsed as the page's text.
class QZHeaderEditTarget : public QZTemplateEditTarget {
public:
    explicit QZHeaderEditTarget(QZVantrelPage& page);

    CString GetText() override;
    void SetText(const CString& text) override;

private:
    QZVantrelPage& m_page;
};

// A form's action text, coloured by the form's action context.
class QZActionEditTarget : public QZTemplateEditTarget {
public:
    explicit QZActionEditTarget(QZVantrelForm& form);

    CString GetText() override;
    void SetText(const CString& text) override;
    QZVantrelMemoFld::ColorSpanList GetColorSpans(const CString& text) override;

private:
    QZVantrelForm& m_form;
};
