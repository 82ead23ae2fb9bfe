#pragma once
// The file that holds the registry: $XDG_CONFIG_HOME/marquill/registry.txt (~/.config when
// the variable is not set). Reads see the file as it last was on disk. Every change reads the
// file afresh and writes it back under an exclusive lock, through a temporary file and a
// rename, so two program copies never drop each other's changes and a crash leaves the old
// file whole. A file that cannot be read is set aside under a new name, and the user is told;
// it is never overwritten.

#include "platform/registry/RegistryTree.h"

#include <functional>
#include <string>

class RegistryFile {
public:
    // The path of the file now (the environment is read on every call).
    static std::string Path();

    // Runs `read` on the registry as it is on disk; answers what `read` answers, or the error
    // that kept the file from being read.
    static LONG Read(const std::function<LONG(const RegistryTree&)>& read);
    // Runs `change` on the registry as it is on disk, under the lock, and writes the result
    // back when `change` answers ERROR_SUCCESS and sets `modified`.
    static LONG Change(const std::function<LONG(RegistryTree&, bool& modified)>& change);

    // Called after the new file is written and before it replaces the old one (tests stop a
    // writer there); nullptr for none.
    static void SetBeforeReplaceHook(void (*hook)());
};
