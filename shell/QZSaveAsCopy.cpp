#include "shell/QZSaveAsCopy.h"

#include "content/QZAttributes.h"
#include "content/QZVantrelActiveX.h"
#include "content/QZVantrelAd.h"
#include "content/QZVantrelAdSpace.h"
#include "content/QZVantrelAdvertiser.h"
#include "content/QZVantrelEvent.h"
#include "content/QZVantrelForm.h"
#include "content/QZVantrelImage.h"
#include "content/QZVantrelJava.h"
#include "content/QZVantrelMedia.h"
#include "content/QZVantrelMessage.h"
#include "content/QZVantrelPage.h"
#include "content/QZVantrelQuery.h"
#include "content/QZVantrelScript.h"
#include "content/QZVantrelTemplate.h"
#include "platform/core/MessageBox.h"
#include "shell/QZSaveAsDlg.h"

#include <memory>

namespace {

template <class Kind> QZVantrelBase* NewRow() {
    return new Kind();
}

struct CopyKind {
    SHORT type;
    QZVantrelBase* (*newRow)();
};

// The new-record constructor of each kind: a new row, claimed, in the current site and
// section.
constexpr CopyKind kKinds[] = {
    {OBJ_PAGE, NewRow<QZVantrelPage>},       {OBJ_MACRO, NewRow<QZVantrelTemplate>},
    {OBJ_IMAGE, NewRow<QZVantrelImage>},     {OBJ_QUERY, NewRow<QZVantrelQuery>},
    {OBJ_MESSAGE, NewRow<QZVantrelMessage>}, {OBJ_STYLE, NewRow<QZAttributes>},
    {OBJ_FORM, NewRow<QZVantrelForm>},       {OBJ_ACTIVEX, NewRow<QZVantrelActiveX>},
    {OBJ_JAVA, NewRow<QZVantrelJava>},       {OBJ_MEDIA, NewRow<QZVantrelMedia>},
    {OBJ_SCRIPT, NewRow<QZVantrelScript>},   {OBJ_ADVERTISER, NewRow<QZVantrelAdvertiser>},
    {OBJ_EVENT, NewRow<QZVantrelEvent>},     {OBJ_ADSPACE, NewRow<QZVantrelAdSpace>},
    {OBJ_AD, NewRow<QZVantrelAd>},
};

const CopyKind* KindOf(SHORT type) {
    for (const CopyKind& kind : kKinds) {
        if (kind.type == type)
            return &kind;
    }
    return nullptr;
}

} // namespace

BOOL QZSaveAsCopy::CanCopy(SHORT objectType) {
    return KindOf(objectType) != nullptr;
}

QZVantrelBase* QZSaveAsCopy::Run(QZVantrelBase& current, const CString& savedName, BOOL hasSection,
                                 CWnd* pParent) {
    if (!CanCopy(current.GetObjectType()))
        return nullptr;
    QZSaveAsDlg dialog(pParent);
    const CString name = current.GetName();
    dialog.m_strTitle = name == savedName ? "Copy of " + name : name;
    dialog.m_ServiceKey = current.GetServiceKey();
    dialog.m_bSection = hasSection;
    if (hasSection)
        dialog.m_SectionKey = current.GetSectionKey();
    if (auto* page = dynamic_cast<QZVantrelPage*>(&current)) {
        dialog.m_bPage = TRUE;
        dialog.m_strFileName = page->GetFileName();
    }
    // The copy has no row, and so no key, before OK.
    if (dialog.DoModal() != IDOK)
        return nullptr;
    return MakeCopy(current, dialog);
}

QZVantrelBase* QZSaveAsCopy::MakeCopy(QZVantrelBase& current, const QZSaveAsDlg& settled) {
    const CopyKind* kind = KindOf(current.GetObjectType());
    if (!kind)
        return nullptr;
    std::unique_ptr<QZVantrelBase> copy(kind->newRow());
    // Whether the new row was added (a query's own test asks for its open data rows as well,
    // which a new query has not).
    if (!copy->QZVantrelBase::IsLoaded())
        return nullptr;
    *copy = current;
    copy->SetName(settled.m_strTitle);
    copy->SetServiceKey(settled.m_ServiceKey);
    if (settled.m_bSection)
        copy->SetSectionKey(settled.m_SectionKey);
    if (auto* page = dynamic_cast<QZVantrelPage*>(copy.get())) {
        if (settled.m_bPage)
            page->SetFileName(settled.m_strFileName);
        page->GetRecordset()->m_GenerateFlag = 1;
    } else {
        copy->SetPublishFlag(TRUE);
    }
    return copy.release();
}
