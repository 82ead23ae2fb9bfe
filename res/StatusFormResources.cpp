// The status forms of the editors: who changed, generated and published the object and when,
// and its switches.
#include "platform/ui/WindowStyles.h"
#include "res/Resource.h"
#include "res/Resources.h"

namespace {

constexpr DWORD kForm = DS_SETFONT | WS_CHILD;
constexpr DWORD kText = WS_CHILD | WS_VISIBLE | SS_LEFT;
constexpr DWORD kGroup = WS_CHILD | WS_VISIBLE | BS_GROUPBOX;
constexpr DWORD kCheck = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX;
constexpr DWORD kButton = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON;

const DialogItemTemplate g_statusItems[] = {
    {IDC_STATIC, "Button", "File", kGroup, 7, 7, 230, 42},
    {IDC_STATIC, "Static", "By:", kText, 15, 19, 60, 8},
    {IDC_STATUS_CHANGED_BY, "Static", "", kText, 80, 19, 150, 8},
    {IDC_STATIC, "Static", "Last Changed:", kText, 15, 33, 60, 8},
    {IDC_STATUS_LAST_CHANGED, "Static", "", kText, 80, 33, 150, 8},
    {IDC_STATIC, "Button", "Publish", kGroup, 7, 55, 230, 42},
    {IDC_STATIC, "Static", "By:", kText, 15, 67, 60, 8},
    {IDC_STATUS_PUBLISHED_BY, "Static", "", kText, 80, 67, 150, 8},
    {IDC_STATIC, "Static", "Last Published:", kText, 15, 81, 60, 8},
    {IDC_STATUS_LAST_PUBLISHED, "Static", "", kText, 80, 81, 150, 8},
    {IDC_STATUS_NEVER_PUBLISH, "Button", "Never Pu&blish", kCheck, 7, 105, 80, 10},
    {IDC_STATUS_PUBLISH, "Button", "&Publish", kCheck, 95, 105, 60, 10},
    {IDC_STATUS_DELETED, "Button", "&Delete", kCheck, 165, 105, 60, 10},
};

const DialogItemTemplate g_pageStatusItems[] = {
    {IDC_STATIC, "Button", "Page", kGroup, 7, 7, 250, 42},
    {IDC_STATIC, "Static", "By:", kText, 15, 19, 60, 8},
    {IDC_STATUS_CHANGED_BY, "Static", "", kText, 80, 19, 170, 8},
    {IDC_STATIC, "Static", "Last Changed:", kText, 15, 33, 60, 8},
    {IDC_STATUS_LAST_CHANGED, "Static", "", kText, 80, 33, 170, 8},
    {IDC_STATIC, "Button", "Generate", kGroup, 7, 55, 250, 56},
    {IDC_STATIC, "Static", "By:", kText, 15, 67, 60, 8},
    {IDC_STATUS_GENERATED_BY, "Static", "", kText, 80, 67, 170, 8},
    {IDC_STATIC, "Static", "Last Generated:", kText, 15, 81, 60, 8},
    {IDC_STATUS_LAST_GENERATED, "Static", "", kText, 80, 81, 170, 8},
    {IDC_STATIC, "Static", "Version:", kText, 15, 95, 60, 8},
    {IDC_STATUS_VERSION_GENERATED, "Static", "", kText, 80, 95, 170, 8},
    {IDC_STATIC, "Button", "Publish", kGroup, 7, 117, 250, 56},
    {IDC_STATIC, "Static", "By:", kText, 15, 129, 60, 8},
    {IDC_STATUS_PUBLISHED_BY, "Static", "", kText, 80, 129, 170, 8},
    {IDC_STATIC, "Static", "Last Published:", kText, 15, 143, 60, 8},
    {IDC_STATUS_LAST_PUBLISHED, "Static", "", kText, 80, 143, 170, 8},
    {IDC_STATIC, "Static", "Version:", kText, 15, 157, 60, 8},
    {IDC_STATUS_VERSION_PUBLISHED, "Static", "", kText, 80, 157, 170, 8},
    {IDC_STATUS_GENERATE, "Button", "&Generate", kCheck, 7, 181, 70, 10},
    {IDC_STATUS_NEVER_GENERATE, "Button", "Never Ge&nerate", kCheck, 85, 181, 80, 10},
    {IDC_STATUS_DYNAMIC, "Button", "D&ynamic", kCheck, 175, 181, 70, 10},
    {IDC_STATUS_PUBLISH, "Button", "&Publish", kCheck, 7, 195, 70, 10},
    {IDC_STATUS_NEVER_PUBLISH, "Button", "Never Pu&blish", kCheck, 85, 195, 80, 10},
    {IDC_STATUS_DELETED, "Button", "&Delete", kCheck, 175, 195, 70, 10},
    {IDC_STATUS_SECURE, "Button", "SSL Secure Request (https)", kCheck, 7, 209, 120, 10},
    {IDC_STATUS_FRAMES, "Button", "Use Frames", kCheck, 135, 209, 70, 10},
    {IDC_STATUS_GENERATE_NOW, "Button", "&Generate Now", kButton, 7, 225, 70, 14},
};

template <size_t N>
constexpr DialogTemplate Form(UINT id, short cx, short cy, const DialogItemTemplate (&items)[N]) {
    return {id, kForm, "", "MS Sans Serif", 8, 0, 0, cx, cy, items, static_cast<int>(N)};
}

const DialogTemplate g_statusForms[] = {
    Form(IDD_STATUS_FORM, 244, 122, g_statusItems),
    Form(IDD_PAGE_STATUS_FORM, 264, 246, g_pageStatusItems),
};

} // namespace

std::span<const DialogTemplate> StatusFormTemplates() {
    return g_statusForms;
}
