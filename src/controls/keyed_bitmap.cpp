#include "controls/keyed_bitmap.h"

#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

#include "controls/gdip_objects.h"
#include "toolkit/error.h"

namespace quarnel {

namespace {

HGLOBAL PlatformGlobalAlloc(UINT flags, SIZE_T bytes) {
    return ::GlobalAlloc(flags, bytes);
}

GlobalAllocator g_globalAlloc = &PlatformGlobalAlloc;

// The picture as a BMP file: 24 bits a pixel, so that no alpha byte can be read into it.
std::vector<std::uint8_t> BmpFile(HBITMAP picture) {
    BITMAP shape{};
    if (::GetObjectW(picture, sizeof(shape), &shape) == 0)
        return {};
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = shape.bmWidth;
    info.bmiHeader.biHeight = shape.bmHeight;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    const std::size_t stride = (static_cast<std::size_t>(shape.bmWidth) * 3 + 3) & ~std::size_t{3};
    const std::size_t pixelBytes = stride * static_cast<std::size_t>(shape.bmHeight);
    info.bmiHeader.biSizeImage = static_cast<DWORD>(pixelBytes);

    BITMAPFILEHEADER header{};
    header.bfType = 0x4D42; // "BM"
    header.bfOffBits = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
    header.bfSize = static_cast<DWORD>(header.bfOffBits + pixelBytes);

    std::vector<std::uint8_t> file(header.bfSize);
    std::memcpy(file.data(), &header, sizeof(header));
    std::memcpy(file.data() + sizeof(header), &info.bmiHeader, sizeof(info.bmiHeader));
    toolkit::UniqueMemoryDc dc(::CreateCompatibleDC(nullptr));
    if (::GetDIBits(dc.get(), picture, 0, static_cast<UINT>(shape.bmHeight),
                    file.data() + header.bfOffBits, &info, DIB_RGB_COLORS) == 0)
        return {};
    return file;
}

} // namespace

void SetGlobalAllocator(GlobalAllocator allocator) {
    g_globalAlloc = allocator != nullptr ? allocator : &PlatformGlobalAlloc;
}

void DrawKeyedBitmap(toolkit::Canvas& canvas, POINT position, HBITMAP picture) {
    // Statuses are not examined: a picture the engine cannot take is simply not drawn. The
    // objects are declared in the reverse of their release order (attributes, image, COM
    // stream, memory stream, graphics), which holds on every way out.
    auto graphics = std::make_unique<TGdipGraphics>(canvas.dc());
    graphics->SetSmoothingMode(gdip::SmoothingModeAntiAlias);

    std::vector<std::uint8_t> memoryStream = BmpFile(picture);
    const SIZE_T size = memoryStream.size();
    toolkit::UniqueGlobal block(g_globalAlloc(GMEM_MOVEABLE, size));
    if (!block)
        throw toolkit::UserError(u"Could not allocate memory for image");

    IStream* rawStream = nullptr;
    if (FAILED(::CreateStreamOnHGlobal(block.get(), TRUE, &rawStream)))
        return;      // `block` frees the memory
    block.release(); // the stream frees it now
    toolkit::UniqueStream stream(rawStream);

    ULONG written = 0;
    stream->Write(memoryStream.data(), static_cast<ULONG>(size), &written);
    if (written != size)
        return;
    // Decoding reads the stream from its start.
    stream->Seek(LARGE_INTEGER{}, STREAM_SEEK_SET, nullptr);

    auto image = std::make_unique<TGdipImage>(stream.get(), false);
    ARGB corner = 0;
    {
        auto bitmap = std::make_unique<TGdipBitmap>(stream.get(), false);
        bitmap->GetPixel(0, 0, corner);
    }
    const ARGB key = MakeColor(GetRed(corner), GetGreen(corner), GetBlue(corner));
    auto attributes = std::make_unique<TGdipImageAttributes>();
    attributes->SetColorKey(key, key, gdip::ColorAdjustTypeDefault);

    const auto width = static_cast<float>(image->GetWidth());
    const auto height = static_cast<float>(image->GetHeight());
    graphics->DrawImage(
        image.get(),
        MakeRect(static_cast<float>(position.x), static_cast<float>(position.y), width, height), 0,
        0, width, height, gdip::UnitPixel, attributes.get());
}

} // namespace quarnel
