#include "setup/SetupExtension.h"

#include "platform/core/Paths.h"

#include <dlfcn.h>

SetupExtension::~SetupExtension() {
    if (m_library)
        dlclose(m_library);
}

BOOL SetupExtension::Load(const CString& path, CString* error) {
    m_library = dlopen(path, RTLD_NOW | RTLD_LOCAL);
    if (!m_library) {
        *error = dlerror();
        return FALSE;
    }
    m_getCpu = reinterpret_cast<GetCPUFunction>(dlsym(m_library, kSetupExtensionExport));
    if (!m_getCpu) {
        *error = path + " has no " + kSetupExtensionExport;
        return FALSE;
    }
    return TRUE;
}

CString SetupExtension::BesideProgram() {
    return GetProgramDirectory() + "/libseldlg32.so";
}
