// What the screen shows: a capture of a rectangle of it, and PNG files of one.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace screen {

struct Image {
    int width = 0;
    int height = 0;
    std::vector<COLORREF> pixels;  // row by row from the top

    COLORREF At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
    int Count(COLORREF colour, const RECT& area) const;
};

Image Capture(const RECT& area);
bool SavePng(const Image& image, const std::wstring& path);

}  // namespace screen
