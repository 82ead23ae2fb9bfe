#include "shell/QZAuthorComboBox.h"

#include "content/QZAuthor.h"
#include "db/CAuthorsSet.h"
#include "db/QZApplication.h"
#include "db/QZListLoaders.h"

QZAuthorComboBox::QZAuthorComboBox() : m_Items(QZComboItems::nameOnly) {}

void QZAuthorComboBox::Fill(const QZKeyCombo& author) {
    m_Items.Load(LoadListAuthors(FALSE), FALSE);
    m_Items.FillControl(*this, author);
}

void QZAuthorComboBox::CommitTypedName() {
    CString name;
    GetWindowText(name);
    CString blank = name;
    blank.Trim();
    // A blank name would make an author nobody can tell from no author.
    if (blank.IsEmpty())
        return;
    Fill(AuthorKeyOf(name));
}

const QZKeyCombo& QZAuthorComboBox::GetSelectedKey() const {
    return m_Items.GetSelectedKey(*this);
}

QZKeyCombo QZAuthorComboBox::AuthorKeyOf(const CString& name) {
    {
        QZAuthor author(name, FALSE);
        if (author.IsLoaded())
            return author.GetKey();
    }
    CAuthorsSet authors(&GetVantrelApp()->GetVantrelDb());
    authors.AddNewRecord(0);
    authors.m_AuthorName = name;
    authors.SaveRecord(0);
    QZKeyCombo key = authors.GetKey();
    key.SetObjectType(OBJ_AUTHOR);
    authors.Close();
    return key;
}
