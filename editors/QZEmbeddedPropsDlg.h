#pragma once
// What the ActiveX and Java command dialogs share: the embedded object a command names, with its
// spacing, size and alignment (and border, where the command has one). Choosing an object takes
// its stored numbers and the alignment "Middle"; "None" names no object and zeroes the numbers.

#include "editors/QZPlacementPropsDlg.h"

template <class Command, class Object, class ObjectCombo>
class QZEmbeddedPropsDlg : public QZPlacementPropsDlg {
public:
    QZEmbeddedPropsDlg(UINT nTemplate, Command& command)
        : QZPlacementPropsDlg(nTemplate, m_Objects), m_command(command) {
        m_nHeight = command.m_nHeight;
        m_nWidth = command.m_nWidth;
        m_nVSpace = command.m_nVSpace;
        m_nHSpace = command.m_nHSpace;
        if constexpr (kHasBorder)
            m_nBorder = command.m_nBorder;
        m_nAlignIndex = AlignIndex(command.m_nAlign);
    }

protected:
    void FillLists() override {
        FillObjectList(SelectedSite(), m_command.GetKey());
        SetSpins();
    }

    void OnObjectChosen() override {
        const QZKeyCombo key = SelectedKey();
        m_command.SetKey(key);
        ZeroNumbers();
        if (!IsNoKey(key)) {
            Object object(key, FALSE);
            if (object.IsLoaded())
                TakeNumbers(*object.GetRecordset());
            m_nAlignIndex = kMiddle;
        }
        SetSpins();
    }

    void StoreFields() override {
        m_command.SetKey(ChosenKey(m_command.GetKey()));
        m_command.m_nHeight = m_nHeight;
        m_command.m_nWidth = m_nWidth;
        m_command.m_nVSpace = m_nVSpace;
        m_command.m_nHSpace = m_nHSpace;
        if constexpr (kHasBorder)
            m_command.m_nBorder = m_nBorder;
        m_command.m_nAlign = AlignNumber(m_nAlignIndex);
    }

private:
    static constexpr bool kHasBorder = requires(Command & c) { c.m_nBorder; };
    // The alignment list's entry "Middle".
    static constexpr int kMiddle = 4;

    template <class Row> void TakeNumbers(const Row& row) {
        m_nHeight = row.m_Height;
        m_nWidth = row.m_Width;
        m_nVSpace = row.m_VSpace;
        m_nHSpace = row.m_HSpace;
        if constexpr (kHasBorder)
            m_nBorder = row.m_Border;
    }

    Command& m_command;
    ObjectCombo m_Objects;
};
