#include "support/memory_surface.h"

namespace testing_support {

MemorySurface::MemorySurface(int width, int height)
    : width_(width), height_(height), dc_(::CreateCompatibleDC(nullptr)) {
    void* bits = nullptr;
    bitmap_ = toolkit::CreateTopDownDib(dc_.get(), width, height, &bits);
    bits_ = static_cast<std::uint32_t*>(bits);
    selection_ = toolkit::Select(dc_.get(), bitmap_.get());
}

void MemorySurface::Fill(COLORREF color) {
    toolkit::UniqueBrush brush(::CreateSolidBrush(color));
    RECT all{0, 0, width_, height_};
    ::FillRect(dc_.get(), &all, brush.get());
    ::GdiFlush();
}

COLORREF MemorySurface::Pixel(int x, int y) const {
    ::GdiFlush();
    return Raw(x, y);
}

COLORREF MemorySurface::Raw(int x, int y) const {
    const std::uint32_t bgrx = bits_[static_cast<std::size_t>(y) * width_ + x];
    return RGB((bgrx >> 16) & 0xFF, (bgrx >> 8) & 0xFF, bgrx & 0xFF);
}

int MemorySurface::Count(COLORREF color) const {
    ::GdiFlush();
    int count = 0;
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x)
            count += Raw(x, y) == color ? 1 : 0;
    return count;
}

bool MemorySurface::SamePixels(const MemorySurface& other) const {
    if (width_ != other.width_ || height_ != other.height_)
        return false;
    ::GdiFlush();
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x)
            if (Raw(x, y) != other.Raw(x, y))
                return false;
    return true;
}

} // namespace testing_support
