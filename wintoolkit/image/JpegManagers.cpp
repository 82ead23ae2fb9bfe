#include "wintoolkit/image/JpegManagers.h"

#include "platform/core/CFile.h"

#include <jerror.h>

namespace {

constexpr size_t kBufferSize = 4096;

// ---- errors ----

void DiscardMessage(j_common_ptr codec) {
    char text[JMSG_LENGTH_MAX];
    (*codec->err->format_message)(codec, text);
}

[[noreturn]] void LeaveOnError(j_common_ptr codec) {
    DiscardMessage(codec);
    auto* manager = reinterpret_cast<JpegErrorManager*>(codec->err);
    jpeg_destroy(codec);
    std::longjmp(manager->jump, 1);
}

// ---- file access without letting an exception into the library ----

size_t ReadFromFile(CFile* file, JOCTET* buffer, size_t count, bool& failed) noexcept {
    try {
        return file->Read(buffer, static_cast<UINT>(count));
    } catch (CException* error) {
        error->Delete();
    } catch (...) {
    }
    failed = true;
    return 0;
}

bool WriteToFile(CFile* file, const JOCTET* buffer, size_t count, bool flush) noexcept {
    try {
        if (count)
            file->Write(buffer, static_cast<UINT>(count));
        if (flush)
            file->Flush();
        return true;
    } catch (CException* error) {
        error->Delete();
    } catch (...) {
    }
    return false;
}

// ---- source ----

struct FileSource {
    jpeg_source_mgr pub;
    CFile* file;
    JOCTET* buffer;
    boolean startOfFile;
};

void InitSource(j_decompress_ptr codec) {
    reinterpret_cast<FileSource*>(codec->src)->startOfFile = TRUE;
}

boolean FillInputBuffer(j_decompress_ptr codec) {
    auto* source = reinterpret_cast<FileSource*>(codec->src);
    bool failed = false;
    size_t got = ReadFromFile(source->file, source->buffer, kBufferSize, failed);
    if (failed)
        ERREXIT(codec, JERR_FILE_READ);
    if (got == 0) {
        if (source->startOfFile)
            ERREXIT(codec, JERR_INPUT_EMPTY);
        WARNMS(codec, JWRN_JPEG_EOF);
        source->buffer[0] = 0xFF;
        source->buffer[1] = JPEG_EOI;
        got = 2;
    }
    source->pub.next_input_byte = source->buffer;
    source->pub.bytes_in_buffer = got;
    source->startOfFile = FALSE;
    return TRUE;
}

void SkipInputData(j_decompress_ptr codec, long count) {
    auto* source = reinterpret_cast<FileSource*>(codec->src);
    if (count <= 0)
        return;
    while (count > static_cast<long>(source->pub.bytes_in_buffer)) {
        count -= static_cast<long>(source->pub.bytes_in_buffer);
        FillInputBuffer(codec);
    }
    source->pub.next_input_byte += count;
    source->pub.bytes_in_buffer -= static_cast<size_t>(count);
}

void TermSource(j_decompress_ptr) {}

// ---- destination ----

struct FileDestination {
    jpeg_destination_mgr pub;
    CFile* file;
    JOCTET* buffer;
};

void InitDestination(j_compress_ptr codec) {
    auto* destination = reinterpret_cast<FileDestination*>(codec->dest);
    destination->buffer = static_cast<JOCTET*>((*codec->mem->alloc_small)(
        reinterpret_cast<j_common_ptr>(codec), JPOOL_IMAGE, kBufferSize));
    destination->pub.next_output_byte = destination->buffer;
    destination->pub.free_in_buffer = kBufferSize;
}

boolean EmptyOutputBuffer(j_compress_ptr codec) {
    auto* destination = reinterpret_cast<FileDestination*>(codec->dest);
    if (!WriteToFile(destination->file, destination->buffer, kBufferSize, false))
        ERREXIT(codec, JERR_FILE_WRITE);
    destination->pub.next_output_byte = destination->buffer;
    destination->pub.free_in_buffer = kBufferSize;
    return TRUE;
}

void TermDestination(j_compress_ptr codec) {
    auto* destination = reinterpret_cast<FileDestination*>(codec->dest);
    const size_t used = kBufferSize - destination->pub.free_in_buffer;
    if (!WriteToFile(destination->file, destination->buffer, used, true))
        ERREXIT(codec, JERR_FILE_WRITE);
}

} // namespace

void JpegUseErrorManager(j_common_ptr codec, JpegErrorManager* manager) {
    codec->err = jpeg_std_error(&manager->pub);
    manager->pub.error_exit = LeaveOnError;
    manager->pub.output_message = DiscardMessage;
}

void JpegUseFileSource(j_decompress_ptr codec, CFile* file) {
    if (!codec->src) {
        auto* source = static_cast<FileSource*>((*codec->mem->alloc_small)(
            reinterpret_cast<j_common_ptr>(codec), JPOOL_PERMANENT, sizeof(FileSource)));
        source->buffer = static_cast<JOCTET*>((*codec->mem->alloc_small)(
            reinterpret_cast<j_common_ptr>(codec), JPOOL_PERMANENT, kBufferSize));
        codec->src = &source->pub;
    }
    auto* source = reinterpret_cast<FileSource*>(codec->src);
    source->pub.init_source = InitSource;
    source->pub.fill_input_buffer = FillInputBuffer;
    source->pub.skip_input_data = SkipInputData;
    source->pub.resync_to_restart = jpeg_resync_to_restart;
    source->pub.term_source = TermSource;
    source->pub.bytes_in_buffer = 0;
    source->pub.next_input_byte = nullptr;
    source->file = file;
}

void JpegUseFileDestination(j_compress_ptr codec, CFile* file) {
    if (!codec->dest) {
        codec->dest = static_cast<jpeg_destination_mgr*>((*codec->mem->alloc_small)(
            reinterpret_cast<j_common_ptr>(codec), JPOOL_PERMANENT, sizeof(FileDestination)));
    }
    auto* destination = reinterpret_cast<FileDestination*>(codec->dest);
    destination->pub.init_destination = InitDestination;
    destination->pub.empty_output_buffer = EmptyOutputBuffer;
    destination->pub.term_destination = TermDestination;
    destination->file = file;
}
