#pragma once
// The check list of the Publish Objects dialog: each line an object marked for publishing,
// drawn with the small icon of its kind (from the strip of bitmap 154, light grey showing
// through) and its text.

#include "platform/core/Types.h"
#include "platform/ui/CCheckListBox.h"

#include <cstddef>

class QZPublishCheckListBox : public CCheckListBox {
public:
    QZPublishCheckListBox() = default;

    // The index in the icon strip of an object type (18 for a type without its own).
    static int IconOf(SHORT objectType);

    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;
    void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct) override;

private:
    // Draws icon `index` of the strip with its top-left corner at (x, y).
    void DrawIcon(CDC& dc, int index, int x, int y);
};
