#include "editors/QZJavaProps.h"

#include "content/QZVantrelJava.h"
#include "content/commands/QZCmdJava.h"
#include "res/Resource.h"

namespace {

constexpr int kMiddle = 4;

} // namespace

QZJavaProps::QZJavaProps(QZCmdJava& command)
    : QZPlacementPropsDlg(IDD_JAVA_PROPS, m_Objects), m_command(command) {
    m_nHeight = command.m_nHeight;
    m_nWidth = command.m_nWidth;
    m_nVSpace = command.m_nVSpace;
    m_nHSpace = command.m_nHSpace;
    m_nAlignIndex = AlignIndex(command.m_nAlign);
}

void QZJavaProps::FillLists() {
    FillObjectList(SelectedSite(), m_command.GetKey());
    SetSpins();
}

void QZJavaProps::OnObjectChosen() {
    const QZKeyCombo key = SelectedKey();
    m_command.SetKey(key);
    // "None" names no object: its numbers are 0.
    ZeroNumbers();
    if (!IsNoKey(key)) {
        QZVantrelJava object(key, FALSE);
        if (object.IsLoaded()) {
            const auto& row = *object.GetRecordset();
            m_nHeight = row.m_Height;
            m_nWidth = row.m_Width;
            m_nVSpace = row.m_VSpace;
            m_nHSpace = row.m_HSpace;
        }
        m_nAlignIndex = kMiddle;
    }
    SetSpins();
}

void QZJavaProps::StoreFields() {
    m_command.SetKey(ChosenKey(m_command.GetKey()));
    m_command.m_nHeight = m_nHeight;
    m_command.m_nWidth = m_nWidth;
    m_command.m_nVSpace = m_nVSpace;
    m_command.m_nHSpace = m_nHSpace;
    m_command.m_nAlign = AlignNumber(m_nAlignIndex);
}
