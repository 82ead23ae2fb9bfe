#include "platform/ui/WxRichEditDropTarget.h"

#include "platform/ui/CRichEditCtrl.h"
#include "platform/ui/InsertTextData.h"
#include "platform/ui/WxInsertTextData.h"
#include "platform/ui/WxText.h"

#include <wx/utils.h>

#include <cstring>
#include <vector>

namespace {

wxDataObjectComposite* NewReceiver() {
    wxDataObjectComposite* data = NewInsertTextReceiver();
    data->Add(new wxFileDataObject);
    return data;
}

DWORD ToDropEffect(wxDragResult result) {
    return result == wxDragCopy ? DROPEFFECT_COPY : DROPEFFECT_MOVE;
}

wxDragResult FromDropEffect(DWORD effect) {
    switch (effect) {
    case DROPEFFECT_COPY:
        return wxDragCopy;
    case DROPEFFECT_MOVE:
        return wxDragMove;
    default:
        return wxDragNone;
    }
}

} // namespace

WxRichEditDropTarget::WxRichEditDropTarget(CRichEditCtrl& control)
    : m_control(control), m_pData(NewReceiver()) {
    SetDataObject(m_pData);
    SetDefaultAction(wxDragMove);
}

wxDragResult WxRichEditDropTarget::Effect(wxDragResult def) const {
    if (def == wxDragNone || def == wxDragError || def == wxDragCancel)
        return def;
    return wxGetKeyState(WXK_CONTROL) ? wxDragCopy : wxDragMove;
}

wxDragResult WxRichEditDropTarget::OnEnter(wxCoord x, wxCoord y, wxDragResult def) {
    return OnDragOver(x, y, def);
}

wxDragResult WxRichEditDropTarget::OnDragOver(wxCoord, wxCoord, wxDragResult def) {
    if (GetMatchingPair() == wxDF_INVALID)
        return wxDragNone;
    return Effect(def);
}

wxDragResult WxRichEditDropTarget::OnData(wxCoord x, wxCoord y, wxDragResult def) {
    if (!GetData())
        return wxDragNone;
    return Deliver(x, y, Effect(def));
}

wxDragResult WxRichEditDropTarget::Drop(const wxDataObject& offered, wxCoord x, wxCoord y,
                                        wxDragResult def) {
    const size_t count = m_pData->GetFormatCount(wxDataObject::Set);
    std::vector<wxDataFormat> formats(count);
    m_pData->GetAllFormats(formats.data(), wxDataObject::Set);
    for (const wxDataFormat& format : formats) {
        if (!offered.IsSupported(format, wxDataObject::Get))
            continue;
        const size_t size = offered.GetDataSize(format);
        std::vector<char> bytes(size + 1, '\0');
        if (!offered.GetDataHere(format, bytes.data()))
            continue;
        m_pData->SetData(format, size, bytes.data());
        return Deliver(x, y, def);
    }
    return wxDragNone;
}

wxDragResult WxRichEditDropTarget::Deliver(wxCoord x, wxCoord y, wxDragResult def) {
    CRichEditDropHandler* handler = m_control.GetDropHandler();
    if (handler == nullptr)
        return wxDragNone;
    const long position = m_control.CharFromPos(CPoint(x, y));
    const wxDataFormat format = m_pData->GetReceivedFormat();
    if (format.GetType() == wxDF_FILENAME) {
        auto* files = static_cast<wxFileDataObject*>(m_pData->GetObject(format));
        std::vector<CString> paths;
        for (const wxString& name : files->GetFilenames())
            paths.push_back(FromWx(name));
        return FromDropEffect(handler->OnDropFiles(paths, position));
    }
    CString text;
    if (!ReadInsertText(*m_pData, text))
        return wxDragNone;
    return FromDropEffect(handler->OnDropText(text, position, ToDropEffect(def)));
}
