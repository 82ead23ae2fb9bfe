#pragma once
// The text editor's drop target in place of the control's own (private to the ui layer): it
// takes the private insert-text format, plain text and file lists, and hands them with the
// character position under the drop to the control's drop handler. Ctrl held asks a copy,
// anything else a move. Tests deliver data to it directly through Drop.

#include "platform/core/Types.h"

#include <wx/dataobj.h>
#include <wx/dnd.h>

class CRichEditCtrl;

class WxRichEditDropTarget : public wxDropTarget {
public:
    explicit WxRichEditDropTarget(CRichEditCtrl& control);

    wxDragResult OnEnter(wxCoord x, wxCoord y, wxDragResult def) override;
    wxDragResult OnDragOver(wxCoord x, wxCoord y, wxDragResult def) override;
    wxDragResult OnData(wxCoord x, wxCoord y, wxDragResult def) override;

    // Delivers what `offered` holds (in the first format this target takes) as a drop at the
    // client point, with `def` the effect the keyboard asks: wxDragNone when refused.
    wxDragResult Drop(const wxDataObject& offered, wxCoord x, wxCoord y, wxDragResult def);

private:
    wxDragResult Deliver(wxCoord x, wxCoord y, wxDragResult def);
    wxDragResult Effect(wxDragResult def) const;

    CRichEditCtrl& m_control;
    wxDataObjectComposite* m_pData;
};
