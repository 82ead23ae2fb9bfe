#pragma once
// Helpers of the image tests: the fixture pictures of tests/data/images, pictures in memory and
// a file over bytes in memory.

#include "platform/core/CFile.h"
#include "tests/support/TestSupport.h"

#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

inline std::string ImagePath(const char* name) {
    return (TestDataDir() / "images" / name).string();
}

inline std::vector<BYTE> ImageBytes(const char* name) {
    std::ifstream in(ImagePath(name), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A read-only file over bytes in memory.
class MemoryFile : public CFile {
public:
    explicit MemoryFile(std::vector<BYTE> bytes) : m_bytes(std::move(bytes)) {}

    UINT Read(void* buffer, UINT count) override {
        const size_t n = std::min<size_t>(count, m_bytes.size() - m_at);
        std::memcpy(buffer, m_bytes.data() + m_at, n);
        m_at += n;
        return static_cast<UINT>(n);
    }
    void Write(const void*, UINT) override {}
    LONG Seek(LONG offset, UINT from) override {
        const size_t base = from == begin ? 0 : from == current ? m_at : m_bytes.size();
        m_at = std::min(m_bytes.size(), base + static_cast<size_t>(offset));
        return static_cast<LONG>(m_at);
    }
    DWORD GetPosition() const override { return static_cast<DWORD>(m_at); }
    DWORD GetLength() const override { return static_cast<DWORD>(m_bytes.size()); }
    void Close() override {}
    void Abort() override {}

private:
    std::vector<BYTE> m_bytes;
    size_t m_at = 0;
};
