#include "support/test_image_list.h"

#include <commctrl.h>

#include <cstdint>
#include <vector>

namespace testing_support {

toolkit::UniqueImageList MakeImageList(int size,
                                       const std::function<ListPixel(int x, int y)>& paint) {
    toolkit::UniqueImageList list(::ImageList_Create(size, size, ILC_COLOR32 | ILC_MASK, 1, 1));

    void* bits = nullptr;
    toolkit::UniqueBitmap color = toolkit::CreateTopDownDib(nullptr, size, size, &bits);
    // Monochrome mask rows are padded to 16 bits; a set bit is transparent.
    const int maskStride = ((size + 15) / 16) * 2;
    std::vector<std::uint8_t> maskBits(static_cast<std::size_t>(maskStride) * size, 0);

    auto* pixels = static_cast<std::uint32_t*>(bits);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const ListPixel pixel = paint(x, y);
            // Alpha stays zero everywhere, so the list goes by the mask.
            pixels[y * size + x] = pixel.transparent
                                       ? 0
                                       : (GetRValue(pixel.color) << 16) |
                                             (GetGValue(pixel.color) << 8) | GetBValue(pixel.color);
            if (pixel.transparent)
                maskBits[static_cast<std::size_t>(y) * maskStride + x / 8] |=
                    static_cast<std::uint8_t>(0x80 >> (x % 8));
        }
    toolkit::UniqueBitmap mask(::CreateBitmap(size, size, 1, 1, maskBits.data()));
    ::GdiFlush();
    ::ImageList_Add(list.get(), color.get(), mask.get());
    return list;
}

} // namespace testing_support
