#pragma once
// The three managers through which the JPEG library works for SECJpeg: a data source and a
// data destination over a CFile, and an error manager that turns the library's fatal errors
// into a jump back to the code that started the read or write. The callbacks hold no C++
// object that needs destroying, so the jump crosses none.

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

class CFile;

// The library's standard error manager and the place to jump to on a fatal error. Messages
// are formatted and dropped: nothing is shown.
struct JpegErrorManager {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
};

// Sets up `manager` for `codec`: fatal errors destroy the codec and jump to manager->jump.
void JpegUseErrorManager(j_common_ptr codec, JpegErrorManager* manager);

// Reads the compressed data from the file, 4096 bytes at a time. An empty file is a fatal
// error; a file that ends early gives the library's premature-end warning and an end-of-image
// marker, so the picture decodes to its end with the rest filled in.
void JpegUseFileSource(j_decompress_ptr codec, CFile* file);

// Writes the compressed data to the file, 4096 bytes at a time, flushing at the end.
void JpegUseFileDestination(j_compress_ptr codec, CFile* file);
