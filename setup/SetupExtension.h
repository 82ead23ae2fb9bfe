#pragma once
// The setup extension as the set-up program uses it: the shared library loaded with dlopen and
// its export GetCPU bound by name. Unloaded when the object goes.

#include "platform/core/CString.h"
#include "setupext/SetupVariableTable.h"

class SetupExtension {
public:
    SetupExtension() = default;
    ~SetupExtension();
    SetupExtension(const SetupExtension&) = delete;
    SetupExtension& operator=(const SetupExtension&) = delete;

    // Loads the library at `path`; FALSE, with the reason in *error, when it cannot be loaded or
    // has no GetCPU.
    BOOL Load(const CString& path, CString* error);
    // Calls GetCPU with the table; the answer is always 0.
    int32_t GetCPU(SetupVariableTable* table) const { return m_getCpu(table); }

    // The library's place beside the running program, as an installer ships it.
    static CString BesideProgram();

private:
    void* m_library = nullptr;
    GetCPUFunction m_getCpu = nullptr;
};
