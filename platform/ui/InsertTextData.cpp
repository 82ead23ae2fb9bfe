#include "platform/ui/InsertTextData.h"

#include "platform/ui/CWnd.h"
#include "platform/ui/WxInsertTextData.h"
#include "platform/ui/WxText.h"

#include <wx/clipbrd.h>
#include <wx/dnd.h>

#include <cstring>
#include <memory>

namespace {

// Text and one zero byte, as the format has always carried it.
std::string WithZeroByte(const CString& text) {
    return std::string(static_cast<LPCTSTR>(text), text.GetLength()) + '\0';
}

wxTextDataObject* NewPlainText(const CString& text) {
    return new wxTextDataObject(ToWx(text));
}

wxCustomDataObject* NewPrivateText(const CString& text) {
    auto* data = new wxCustomDataObject(InsertTextFormat());
    const std::string bytes = WithZeroByte(text);
    data->SetData(bytes.size(), bytes.data());
    return data;
}

DWORD ToDropEffect(wxDragResult result) {
    switch (result) {
    case wxDragCopy:
        return DROPEFFECT_COPY;
    case wxDragMove:
        return DROPEFFECT_MOVE;
    default:
        return DROPEFFECT_NONE;
    }
}

} // namespace

const wxDataFormat& InsertTextFormat() {
    static const wxDataFormat format(kInsertTextFormatName);
    return format;
}

wxDataObjectComposite* NewInsertTextDataObject(const CString& text) {
    auto* data = new wxDataObjectComposite;
    data->Add(NewPrivateText(text), true);
    data->Add(NewPlainText(text));
    return data;
}

wxDataObjectComposite* NewInsertTextReceiver() {
    auto* data = new wxDataObjectComposite;
    data->Add(new wxCustomDataObject(InsertTextFormat()), true);
    data->Add(new wxTextDataObject);
    return data;
}

bool ReadInsertText(const wxDataObjectComposite& received, CString& text) {
    const wxDataFormat format = received.GetReceivedFormat();
    if (format == InsertTextFormat()) {
        auto* custom = static_cast<wxCustomDataObject*>(received.GetObject(format));
        const char* bytes = static_cast<const char*>(custom->GetData());
        const size_t size = custom->GetSize();
        const void* zero = bytes ? std::memchr(bytes, '\0', size) : nullptr;
        const size_t length = zero ? static_cast<const char*>(zero) - bytes : size;
        text = CString(bytes ? bytes : "", static_cast<int>(length));
        return true;
    }
    if (format.GetType() == wxDF_TEXT || format.GetType() == wxDF_UNICODETEXT) {
        auto* plain = static_cast<wxTextDataObject*>(received.GetObject(format));
        text = FromWx(plain->GetText());
        return true;
    }
    return false;
}

DWORD DragInsertText(CWnd* source, const CString& text) {
    wxWindow* window = source ? source->GetSafeHwnd() : nullptr;
    if (window == nullptr)
        return DROPEFFECT_NONE;
    std::unique_ptr<wxDataObjectComposite> data(NewInsertTextDataObject(text));
    wxDropSource drag(window);
    drag.SetData(*data);
    return ToDropEffect(drag.DoDragDrop(wxDrag_AllowMove));
}

BOOL SetClipboardInsertText(const CString& text, BOOL privateFormat) {
    wxClipboardLocker lock;
    if (!lock)
        return FALSE;
    wxDataObject* data = privateFormat ? static_cast<wxDataObject*>(NewInsertTextDataObject(text))
                                       : NewPlainText(text);
    return wxTheClipboard->SetData(data) ? TRUE : FALSE;
}

BOOL ClipboardHasInsertText() {
    wxClipboardLocker lock;
    if (!lock)
        return FALSE;
    return wxTheClipboard->IsSupported(InsertTextFormat()) ||
           wxTheClipboard->IsSupported(wxDF_UNICODETEXT) || wxTheClipboard->IsSupported(wxDF_TEXT);
}

BOOL GetClipboardInsertText(CString& text) {
    wxClipboardLocker lock;
    if (!lock)
        return FALSE;
    std::unique_ptr<wxDataObjectComposite> received(NewInsertTextReceiver());
    if (!wxTheClipboard->GetData(*received))
        return FALSE;
    return ReadInsertText(*received, text) ? TRUE : FALSE;
}
