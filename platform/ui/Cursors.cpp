#include "platform/ui/Cursors.h"

#include "platform/ui/WxCursorTarget.h"

#include <wx/app.h>
#include <wx/cursor.h>
#include <wx/utils.h>

#include <map>
#include <memory>

namespace {

wxStockCursor StockCursorOf(UINT_PTR id) {
    switch (id) {
    case 32512:
        return wxCURSOR_ARROW;
    case 32513:
        return wxCURSOR_IBEAM;
    case 32514:
        return wxCURSOR_WAIT;
    case 32515:
        return wxCURSOR_CROSS;
    case 32642:
        return wxCURSOR_SIZENWSE;
    case 32643:
        return wxCURSOR_SIZENESW;
    case 32644:
        return wxCURSOR_SIZEWE;
    case 32645:
        return wxCURSOR_SIZENS;
    case 32646:
        return wxCURSOR_SIZING;
    case 32648:
        return wxCURSOR_NO_ENTRY;
    case 32649:
        return wxCURSOR_HAND;
    case 32651:
        return wxCURSOR_QUESTION_ARROW;
    default:
        return wxCURSOR_NONE;
    }
}

// Each cursor is made once and kept: handles stay valid for the whole run.
std::map<UINT_PTR, std::unique_ptr<wxCursor>>& cursors() {
    static auto* table = new std::map<UINT_PTR, std::unique_ptr<wxCursor>>;
    return *table;
}

std::map<UINT, UINT_PTR>& resources() {
    static std::map<UINT, UINT_PTR> table;
    return table;
}

HCURSOR SystemCursor(UINT_PTR id) {
    const wxStockCursor kind = StockCursorOf(id);
    if (kind == wxCURSOR_NONE || !wxTheApp)
        return nullptr;
    auto& cursor = cursors()[id];
    if (!cursor)
        cursor = std::make_unique<wxCursor>(kind);
    return reinterpret_cast<HCURSOR>(cursor.get());
}

HCURSOR g_current = nullptr;

} // namespace

HCURSOR LoadCursor(HINSTANCE hInstance, LPCTSTR lpCursorName) {
    if (!IS_INTRESOURCE(lpCursorName))
        return nullptr;
    const auto id = reinterpret_cast<UINT_PTR>(lpCursorName);
    if (!hInstance)
        return SystemCursor(id);
    return AfxLoadCursor(static_cast<UINT>(id));
}

HCURSOR AfxLoadCursor(UINT nIDResource) {
    const auto found = resources().find(nIDResource);
    return found == resources().end() ? nullptr : SystemCursor(found->second);
}

HCURSOR SetCursor(HCURSOR hCursor) {
    const HCURSOR previous = g_current;
    g_current = hCursor;
    const wxCursor& cursor = hCursor ? *reinterpret_cast<wxCursor*>(hCursor) : wxNullCursor;
    if (!SetCursorOfCurrentTarget(cursor) && wxTheApp)
        wxSetCursor(cursor);
    return previous;
}

void RegisterCursorResource(UINT id, LPCTSTR systemCursor) {
    resources()[id] = reinterpret_cast<UINT_PTR>(systemCursor);
}
