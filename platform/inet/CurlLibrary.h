#pragma once
// The transfer library's process-wide set-up, made once before the first handle.

void InitCurlLibraryOnce();
