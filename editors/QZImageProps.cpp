#include "editors/QZImageProps.h"

#include "content/QZVantrelImage.h"
#include "content/commands/QZCmdImage.h"
#include "res/Resource.h"

#include <memory>

namespace {

BOOL IsUnsetOrEmpty(const QZKeyCombo& key) {
    return (key.m_DbID == 0 && key.m_KeyID == 0) || (key.m_DbID == -1 && key.m_KeyID == -1);
}

// The image of the key, or null when there is none.
std::unique_ptr<QZVantrelImage> LoadImage(const QZKeyCombo& key) {
    if (key.m_KeyID <= 0)
        return nullptr;
    auto image = std::make_unique<QZVantrelImage>(key, FALSE);
    return image->IsLoaded() ? std::move(image) : nullptr;
}

} // namespace

QZImageProps::QZImageProps(QZCmdImage& command, BOOL& hasMap, const CString&)
    : QZPlacementPropsDlg(IDD_IMAGE_PROPS, m_Images), m_command(command), m_hasMap(hasMap) {
    m_nBorder = command.m_nBorder;
    m_nHeight = command.m_nHeight;
    m_nWidth = command.m_nWidth;
    m_nVSpace = command.m_nVSpace;
    m_nHSpace = command.m_nHSpace;
    m_bUseMap = command.m_bIsMap;
    m_nAlignIndex = AlignIndex(command.m_nAlign);
    m_strOther = command.m_strOther;
}

BOOL QZImageProps::OnInitDialog() {
    m_Sections.SubclassDlgItem(IDC_PROPS_SECTION, this);
    m_UseMapBox.SubclassDlgItem(IDC_PROPS_USEMAP, this);
    QZPlacementPropsDlg::OnInitDialog();
    // As choosing the image would: the box is there to use when the image has a map file.
    m_UseMapBox.EnableWindow(m_hasMap);
    return TRUE;
}

void QZImageProps::DoDataExchange(CDataExchange* pDX) {
    QZPlacementPropsDlg::DoDataExchange(pDX);
    ExchangeCheck(pDX, m_UseMapBox, m_bUseMap);
}

void QZImageProps::FillLists() {
    std::unique_ptr<QZVantrelImage> image = LoadImage(m_command.GetImageKey());
    m_SiteKey = image ? image->GetServiceKey() : QZKeyCombo(-1, -1);
    m_SectionKey = image ? image->GetSectionKey() : QZKeyCombo(-1, -1);
    if (IsUnsetOrEmpty(m_SiteKey))
        m_SiteKey = SelectedSite();
    if (IsUnsetOrEmpty(m_SectionKey))
        m_SectionKey = SelectedSection();
    m_Sections.Fill(m_SiteKey, m_SectionKey);
    FillObjectList(m_SectionKey, m_command.GetImageKey());
    SetSpins();
}

void QZImageProps::OnSectionChosen() {
    m_SectionKey = m_Sections.GetSelectedKey();
    FillObjectList(m_SectionKey, m_command.GetImageKey());
}

void QZImageProps::OnObjectChosen() {
    const QZKeyCombo key = SelectedKey();
    m_command.SetImageKey(key);
    std::unique_ptr<QZVantrelImage> image = IsNoKey(key) ? nullptr : LoadImage(key);
    if (image) {
        m_nBorder = image->GetBorderWidth();
        m_nHeight = image->GetHeight();
        m_nWidth = image->GetWidth();
        m_nVSpace = image->GetVSpace();
        m_nHSpace = image->GetHSpace();
        m_bUseMap = !image->GetMapFile().IsEmpty();
    } else {
        ZeroNumbers();
        m_bUseMap = FALSE;
    }
    m_UseMapBox.EnableWindow(m_bUseMap);
    SetSpins();
    m_strOther.Empty();
}

void QZImageProps::StoreFields() {
    m_command.SetImageKey(ChosenKey(m_command.GetImageKey()));
    m_command.m_nBorder = m_nBorder;
    m_command.m_nHeight = m_nHeight;
    m_command.m_nWidth = m_nWidth;
    m_command.m_nVSpace = m_nVSpace;
    m_command.m_nHSpace = m_nHSpace;
    m_command.m_strOther = m_strOther;
    m_command.m_nAlign = AlignNumber(m_nAlignIndex);
    m_command.m_bIsMap = m_bUseMap;
    m_hasMap = m_bUseMap;
}
