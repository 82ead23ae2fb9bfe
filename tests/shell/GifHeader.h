#pragma once
// The header of a GIF file with its logical screen's width and height, little-endian: all that
// measuring an image reads. Header only, for the tests that bring images into a site.

#include <string>

inline std::string Gif(int width, int height) {
    std::string gif = "GIF89a";
    for (int value : {width, height}) {
        gif += static_cast<char>(value & 0xFF);
        gif += static_cast<char>(value >> 8);
    }
    return gif + std::string("\x80\x00\x00", 3);
}
