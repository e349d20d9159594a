// A 32-bit top-down bitmap in a memory DC, for checking drawing by its pixels.
#pragma once

#include <windows.h>

#include <cstdint>

#include "toolkit/win_handles.h"

namespace testing_support {

class MemorySurface {
public:
    MemorySurface(int width, int height);
    MemorySurface(const MemorySurface&) = delete;
    MemorySurface& operator=(const MemorySurface&) = delete;

    HDC dc() const noexcept { return dc_.get(); }
    int width() const noexcept { return width_; }
    int height() const noexcept { return height_; }

    void Fill(COLORREF color);
    // The pixel's colour as RGB (the DIB's unused high byte dropped).
    COLORREF Pixel(int x, int y) const;
    // Pixels of exactly this colour.
    int Count(COLORREF color) const;
    bool SamePixels(const MemorySurface& other) const;

private:
    COLORREF Raw(int x, int y) const;

    int width_;
    int height_;
    std::uint32_t* bits_ = nullptr;
    toolkit::UniqueMemoryDc dc_;
    toolkit::UniqueBitmap bitmap_;
    toolkit::UniqueSelection selection_;
};

} // namespace testing_support
