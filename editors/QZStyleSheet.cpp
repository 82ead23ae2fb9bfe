#include "editors/QZStyleSheet.h"

#include "content/QZAttributes.h"
#include "db/QZApplication.h"
#include "editors/QZDocument.h"
#include "res/ImageViewResources.h"
#include "shell/HtmlColor.h"

IMPLEMENT_DYNCREATE(QZStyleSheet, QZBoundFormView)

const QZStyleSheet::Colour QZStyleSheet::s_colours[5] = {
    {&QZStyleSheet::m_wellBackColor, IDC_STYLE_BACK_COLOR, &CStylesSet::m_BackColor},
    {&QZStyleSheet::m_wellTextColor, IDC_STYLE_TEXT_COLOR, &CStylesSet::m_TextColor},
    {&QZStyleSheet::m_wellLinkColor, IDC_STYLE_LINK_COLOR, &CStylesSet::m_LinkColor},
    {&QZStyleSheet::m_wellActiveLinkColor, IDC_STYLE_ACTIVE_LINK_COLOR,
     &CStylesSet::m_ActiveLinkColor},
    {&QZStyleSheet::m_wellUsedLinkColor, IDC_STYLE_USED_LINK_COLOR, &CStylesSet::m_UsedLinkColor},
};

QZStyleSheet::QZStyleSheet() : QZBoundFormView(IDD_STYLE_SHEET) {
    QZFieldBinding::Column<QZKeyCombo> backImage{
        [this] {
            CStylesSet* row = Style() ? Style()->GetRecordset() : nullptr;
            return row ? QZKeyCombo(row->m_BackImageDbID, row->m_BackImageID, OBJ_IMAGE)
                       : QZKeyCombo();
        },
        [this](const QZKeyCombo& key) {
            if (CStylesSet* row = Style() ? Style()->GetRecordset() : nullptr) {
                row->m_BackImageDbID = key.m_DbID;
                row->m_BackImageID = key.m_KeyID;
            }
        }};
    m_binding.ComboKey(IDC_STYLE_IMAGE, m_backImageKey, backImage, m_cbImage);
}

QZStyleSheet::~QZStyleSheet() = default;

QZAttributes* QZStyleSheet::Style() const {
    return dynamic_cast<QZAttributes*>(GetObject());
}

void QZStyleSheet::FillImages() {
    QZAttributes* style = Style();
    if (!style)
        return;
    m_binding.Fill();
    QZKeyCombo site = style->GetServiceKey();
    if (site.m_KeyID <= 0 && GetVantrelApp())
        site = GetVantrelApp()->GetCurrentServiceKey();
    m_cbImage.Fill(site, m_backImageKey, TRUE);
}

void QZStyleSheet::SetWellColours() {
    QZAttributes* style = Style();
    CStylesSet* row = style ? style->GetRecordset() : nullptr;
    if (!row)
        return;
    for (const Colour& colour : s_colours)
        (this->*colour.well).SetColor(ParseHtmlColor(row->*colour.column));
}

void QZStyleSheet::OnInitialUpdate() {
    if (!m_cbImage.GetSafeHwnd())
        m_cbImage.SubclassDlgItem(IDC_STYLE_IMAGE, this);
    FillImages();
    for (const Colour& colour : s_colours) {
        SECWellButton& well = this->*colour.well;
        if (!well.GetSafeHwnd())
            well.AttachToDlgItem(colour.id, this);
        well.SetUsePalette(FALSE);
        well.SetOtherColorChoice(TRUE);
    }
    SetWellColours();
    QZFormView::OnInitialUpdate();
}

void QZStyleSheet::LoadFromObject() {
    if (m_cbImage.GetSafeHwnd())
        FillImages();
    SetWellColours();
    QZFormView::LoadFromObject();
}

BOOL QZStyleSheet::SaveToObject() {
    if (!QZFormView::SaveToObject())
        return FALSE;
    QZDocument* document = GetEditorDocument();
    m_binding.Store(document, this);
    QZAttributes* style = Style();
    CStylesSet* row = style ? style->GetRecordset() : nullptr;
    if (!row)
        return TRUE;
    // Compared as colour values: a stored text in small letters that was not changed stays.
    for (const Colour& colour : s_colours) {
        const COLORREF chosen = (this->*colour.well).GetColor();
        if (chosen == ParseHtmlColor(row->*colour.column))
            continue;
        row->*colour.column = FormatHtmlColor(chosen);
        if (document)
            document->SetModifiedFlag(TRUE);
    }
    return TRUE;
}
