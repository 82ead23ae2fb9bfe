#pragma once
// What a setup program needs to call libseldlg32.so: its table of setup variables and the one
// export, GetCPU, which it binds by name (dlsym). The setup program owns the table and its two
// areas; the export reads and writes them in place during the call and keeps nothing.
//
// Entry i of the names area starts at names + i * nameWidth and holds a variable's name between
// percent signs with a closing NUL ("%DATA_DIR%"); entry i of the values area, at
// values + i * valueWidth, holds its value: UTF-8 bytes with a closing NUL, a native path for
// the two variables the export uses. Entries 0 to count - 1 are in use; at most 65,535.
//
// GetCPU does nothing while `active` is 0. Otherwise it asks the user for the site database
// file in the desktop's file chooser, opened in the folder DATA_DIR names with the file
// VANTREL_DIR names as the initial name, and on OK stores the chosen file's full path as the
// value of VANTREL_DIR (appended when absent and the table has room). It answers 0 in every
// case; the setup program learns the outcome by reading VANTREL_DIR back.

#include <cstddef>
#include <cstdint>

struct SetupVariableTable {
    uint32_t reserved0;
    uint32_t reserved1;
    uint32_t capacity;   // the most variables the areas hold
    uint32_t nameWidth;  // bytes per entry of the names area
    uint32_t valueWidth; // bytes per entry of the values area
    uint32_t count;      // entries in use; GetCPU adds 1 when it appends
    char* names;
    char* values;
    uint32_t reserved2;
    uint32_t reserved3;
    uint32_t active; // nonzero lets GetCPU run
};

// The fields lie where the record of 32-bit fields puts them, but for the wider pointers.
static_assert(offsetof(SetupVariableTable, capacity) == 8);
static_assert(offsetof(SetupVariableTable, count) == 20);
static_assert(offsetof(SetupVariableTable, names) == 24);
static_assert(sizeof(void*) != 8 || offsetof(SetupVariableTable, values) == 32);
static_assert(sizeof(void*) != 8 || offsetof(SetupVariableTable, active) == 48);
static_assert(sizeof(void*) != 4 || offsetof(SetupVariableTable, values) == 28);
static_assert(sizeof(void*) != 4 || offsetof(SetupVariableTable, active) == 40);

// The export: its name, its type and its declaration.
constexpr const char* kSetupExtensionExport = "GetCPU";
using GetCPUFunction = int32_t (*)(SetupVariableTable* table);
extern "C" int32_t GetCPU(SetupVariableTable* table);
