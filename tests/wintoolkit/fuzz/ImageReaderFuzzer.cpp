// Runs the JPEG and BMP readers over arbitrary bytes, on a display of 8 or 24 bits, and writes
// back what they read: nothing may crash, leak, or touch memory out of range.
//
// The first byte chooses the reader (bit 0: BMP) and the display (bit 1: 8 bits); the rest is
// the file.

#include "wintoolkit/image/SECJpeg.h"

#include <cstdint>
#include <cstring>
#include <vector>

namespace {

class MemoryFile : public CFile {
public:
    MemoryFile(const uint8_t* data, size_t size) : m_data(data), m_size(size) {}

    UINT Read(void* buffer, UINT count) override {
        const size_t n = std::min<size_t>(count, m_size - m_at);
        if (n)
            std::memcpy(buffer, m_data + m_at, n);
        m_at += n;
        return static_cast<UINT>(n);
    }
    void Write(const void*, UINT count) override { m_written += count; }
    LONG Seek(LONG offset, UINT from) override {
        const size_t base = from == begin ? 0 : from == current ? m_at : m_size;
        m_at = std::min(m_size, base + static_cast<size_t>(offset));
        return static_cast<LONG>(m_at);
    }
    DWORD GetPosition() const override { return static_cast<DWORD>(m_at); }
    DWORD GetLength() const override { return static_cast<DWORD>(m_size); }
    void Flush() override {}
    void Close() override {}
    void Abort() override {}

private:
    const uint8_t* m_data;
    size_t m_size;
    size_t m_at = 0;
    size_t m_written = 0;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1)
        return 0;
    const uint8_t choice = data[0];
    SECImageBase::SetDisplayFormat((choice & 2) ? 8 : 24, 1);
    SECJpeg image;
    MemoryFile file(data + 1, size - 1);
    const BOOL read =
        (choice & 1) ? image.ReadBMP(&file) && image.PrepareDIB() : image.LoadFromFile(&file);
    if (read) {
        MemoryFile sink(nullptr, 0);
        image.WriteImage(&sink);
    }
    return 0;
}
