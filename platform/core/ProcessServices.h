#pragma once
// The system's process services as the program uses them: a program started as a new process,
// which the caller waits for or lets run on its own. No shell is involved.

#include "platform/core/CString.h"
#include "platform/core/Types.h"

#include <vector>

// Starts `program` (looked up on PATH when it holds no "/") with `arguments` after its own
// name, in the caller's environment and current directory, with standard input, output and
// error shared and no other descriptor of the caller open. With `wait` the call returns when
// the program has ended; without, at once, and the process is reaped when it ends, so none is
// left behind as a zombie. FALSE when the program could not be started.
BOOL StartProcess(const CString& program, const std::vector<CString>& arguments, BOOL wait);
