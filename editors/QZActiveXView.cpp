#include "editors/QZActiveXView.h"

#include "content/QZVantrelActiveX.h"
#include "editors/QZDocument.h"
#include "res/ImageViewResources.h"

IMPLEMENT_DYNCREATE(QZActiveXView, QZBoundFormView)

namespace {

constexpr int kTitleLimit = 100;
// What an empty class id shows as; left so, it stays empty.
constexpr LPCTSTR kEmptyClassId = "clsid:";

} // namespace

QZActiveXView::QZActiveXView() : QZBoundFormView(IDD_ACTIVEX_VIEW) {
    using B = QZFieldBinding;
    using S = CActiveXSet;
    std::function<S*()> row = [this] { return ActiveX() ? ActiveX()->GetRecordset() : nullptr; };
    const B::Column<CString> stored = B::Member(row, &S::m_ClassID);
    const B::Column<CString> classId{
        [stored] {
            const CString value = stored.get();
            return value.IsEmpty() ? CString(kEmptyClassId) : value;
        },
        [stored](const CString& value) { stored.set(value == kEmptyClassId ? CString() : value); }};
    m_binding.Text(IDC_ATTR_ALTERNATE_TEXT, m_strStandBy, B::Member(row, &S::m_StandBy), 255)
        .Text(IDC_ACTIVEX_CLASS_ID, m_strClassID, classId)
        .Text(IDC_ACTIVEX_NAME, m_strName, B::Member(row, &S::m_Name))
        .Text(IDC_ACTIVEX_DATA, m_strData, B::Member(row, &S::m_Data))
        .Text(IDC_ACTIVEX_DATA_TYPE, m_strDataType, B::Member(row, &S::m_DataType))
        .Check(IDC_ACTIVEX_NO_TAB, m_bNoTab, B::NumberMember(row, &S::m_NoTab))
        .Check(IDC_ACTIVEX_SHAPES, m_bShapes, B::NumberMember(row, &S::m_Shapes))
        .Number(IDC_ATTR_HSPACE, m_nHSpace, B::NumberMember(row, &S::m_HSpace), B::kByte,
                {IDC_ATTR_HSPACE_SPIN, 0, 100})
        .Number(IDC_ATTR_VSPACE, m_nVSpace, B::NumberMember(row, &S::m_VSpace), B::kByte,
                {IDC_ATTR_VSPACE_SPIN, 0, 100})
        .Number(IDC_ATTR_WIDTH, m_nWidth, B::NumberMember(row, &S::m_Width), B::kShort,
                {IDC_ATTR_WIDTH_SPIN, 0, 100})
        .Number(IDC_ATTR_HEIGHT, m_nHeight, B::NumberMember(row, &S::m_Height), B::kShort,
                {IDC_ATTR_HEIGHT_SPIN, 0, 100})
        .Number(IDC_ATTR_BORDER, m_nBorder, B::NumberMember(row, &S::m_Border), B::kLong,
                {IDC_ATTR_BORDER_SPIN, 0, 100});
}

QZActiveXView::~QZActiveXView() = default;

QZVantrelActiveX* QZActiveXView::ActiveX() const {
    return dynamic_cast<QZVantrelActiveX*>(GetObject());
}

void QZActiveXView::OnInitialUpdate() {
    if (ActiveX())
        m_binding.Fill();
    InitBoundControls(kTitleLimit);
}
