// The settings of the application object: reading them at start-up, writing them at exit.

#include "platform/core/MessageBox.h"
#include "platform/core/Paths.h"
#include "shell/CVantrel3App.h"
#include "wintoolkit/registry/SECRegistry.h"

namespace {

constexpr const char* kDatabaseNotFound =
    "MQ database location not found in the registry.\nUsing defaults.";

// The value when it is there and not empty.
BOOL ReadNonEmpty(SECRegistry& registry, LPCTSTR name, CString& value) {
    CString text;
    if (!registry.GetStringValue(name, text) || text.IsEmpty())
        return FALSE;
    value = text;
    return TRUE;
}

void WriteNonEmpty(SECRegistry& registry, LPCTSTR name, const CString& value) {
    if (!value.IsEmpty())
        registry.SetStringValue(name, value);
}

} // namespace

void CVantrel3App::ReadLocationSettings(SECRegistry& registry) {
    CString text;
    if (registry.GetStringValue("SetupMarquillDir", text)) {
        if (!text.IsEmpty())
            m_strProgramDirectory = MapWindowsPath(text);
    } else {
        m_strProgramDirectory = GetExecutableDirectory();
    }
    if (registry.GetStringValue("VantrelDatabase", text)) {
        if (!text.IsEmpty()) {
            m_strDatabasePath = MapWindowsPath(text);
        } else {
            AfxMessageBox(kDatabaseNotFound);
            m_strDatabasePath = MapWindowsPath(m_strProgramDirectory + "\\SYSTEM\\MQ.MDB");
        }
    }
    if (ReadNonEmpty(registry, "VantrelDatabaseRoot", text))
        m_strDatabaseRoot = MapWindowsPath(text);
    if (ReadNonEmpty(registry, "VantrelRoot", text))
        m_strVantrelRoot = MapWindowsPath(text);
    if (registry.GetStringValue("CGIAppType", text) && text == "CGI-WIN")
        m_bCGIBINMode = FALSE;
    if (registry.GetStringValue("CGIAppRelPath", text))
        m_strCGIAppRelPath = text.IsEmpty() ? CString("/CGI-BIN/") : text;
}

void CVantrel3App::ReadOptionCodes(SECRegistry& registry) {
    DWORD codes = 0;
    if (registry.GetDoubleWordValue("OptionCodes", codes))
        UnpackOptionCodes(codes);
}

void CVantrel3App::ReadEditorColors(SECRegistry& registry) {
    for (const QZEditorColors::Value& value : QZEditorColors::kValues) {
        DWORD color = 0;
        if (registry.GetDoubleWordValue(value.name, color))
            g_EditorColors.*value.member = color;
    }
}

void CVantrel3App::WriteSettings(SECRegistry& registry) {
    registry.SetStringValue("UserName", m_UserKey.FormatFull());
    registry.SetStringValue("SelectedService", m_SelectedService.FormatFull());
    registry.SetStringValue("SelectedSection", m_SelectedSection.FormatFull());
    WriteNonEmpty(registry, "VantrelDatabase", m_strDatabasePath);
    WriteNonEmpty(registry, "VantrelDatabaseRoot", m_strDatabaseRoot);
    WriteNonEmpty(registry, "VantrelRoot", m_strVantrelRoot);
    registry.SetStringValue("CGIAppType", m_bCGIBINMode ? "CGI-BIN" : "CGI-WIN");
    registry.SetStringValue("CGIAppRelPath", m_strCGIAppRelPath);
    for (const QZEditorColors::Value& value : QZEditorColors::kValues)
        registry.SetDoubleWordValue(value.name, g_EditorColors.*value.member);
    registry.SetDoubleWordValue("OptionCodes", PackOptionCodes());
}
