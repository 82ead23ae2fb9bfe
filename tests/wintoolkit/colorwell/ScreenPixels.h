#pragma once
// The pixels of the whole screen (the test's X display), taken with ImageMagick's import.

#include "platform/core/COLORREF.h"
#include "platform/core/CPoint.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

class ScreenPixels {
public:
    // Takes the screen now; Ok() is false when it could not be taken.
    ScreenPixels() {
        std::FILE* pipe = popen("import -window root -depth 8 ppm:- 2>/dev/null", "r");
        if (!pipe)
            return;
        int maxValue = 0;
        if (std::fscanf(pipe, "P6 %d %d %d", &m_width, &m_height, &maxValue) == 3 &&
            maxValue == 255 && std::fgetc(pipe) != EOF) {
            m_data.resize(static_cast<size_t>(m_width) * m_height * 3);
            if (std::fread(m_data.data(), 1, m_data.size(), pipe) != m_data.size())
                m_data.clear();
        }
        pclose(pipe);
    }

    bool Ok() const { return !m_data.empty(); }
    COLORREF At(CPoint point) const {
        if (!Ok() || point.x < 0 || point.y < 0 || point.x >= m_width || point.y >= m_height)
            return CLR_INVALID;
        const size_t at = (static_cast<size_t>(point.y) * m_width + point.x) * 3;
        return RGB(m_data[at], m_data[at + 1], m_data[at + 2]);
    }
    // Saves the screen as it is now in a PNG file.
    static bool SavePng(const std::string& path) {
        return std::system(("import -window root '" + path + "'").c_str()) == 0;
    }

private:
    int m_width = 0;
    int m_height = 0;
    std::vector<unsigned char> m_data;
};
