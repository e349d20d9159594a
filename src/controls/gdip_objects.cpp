#include "controls/gdip_objects.h"

#include <new>
#include <vector>

#include "controls/gdip_flat.h"

namespace quarnel {

namespace gdip {

namespace {

std::vector<ULONG_PTR> g_tokens;

Allocator g_allocator = nullptr; // EngineAlloc

} // namespace

void* EngineAlloc(std::size_t size) {
    return flat::GdipAlloc(size);
}

Status StartEngine() {
    const flat::StartupInput input;
    flat::StartupOutput output;
    ULONG_PTR token = 0;
    const Status status = flat::GdiplusStartup(&token, &input, &output);
    if (status == Ok)
        g_tokens.push_back(token);
    return status;
}

void ShutdownEngine() {
    while (!g_tokens.empty()) {
        flat::GdiplusShutdown(g_tokens.back());
        g_tokens.pop_back();
    }
}

bool EngineRunning() {
    return !g_tokens.empty();
}

void SetAllocator(Allocator allocator) {
    g_allocator = allocator;
}

} // namespace gdip

void* TGdipBase::operator new(std::size_t size) {
    const gdip::Allocator allocate =
        gdip::g_allocator != nullptr ? gdip::g_allocator : &gdip::EngineAlloc;
    void* memory = allocate(size);
    if (memory == nullptr) {
        // The engine's allocator gives nothing before the engine runs.
        gdip::StartEngine();
        memory = allocate(size);
        if (memory == nullptr)
            throw std::bad_alloc();
    }
    return memory;
}

void TGdipBase::operator delete(void* memory) noexcept {
    if (memory != nullptr)
        gdip::flat::GdipFree(memory);
}

gdip::Status TGdipBase::GetLastStatus() {
    const gdip::Status status = lastResult;
    lastResult = gdip::Ok;
    return status;
}

gdip::Status TGdipBase::SetStatus(gdip::Status status) {
    if (status != gdip::Ok)
        lastResult = status;
    return status;
}

TGdipGraphics::TGdipGraphics(HDC dc) {
    lastResult = gdip::flat::GdipCreateFromHDC(dc, &nativeGraphics);
}

TGdipGraphics::~TGdipGraphics() {
    if (nativeGraphics != nullptr)
        gdip::flat::GdipDeleteGraphics(nativeGraphics);
}

gdip::Status TGdipGraphics::SetSmoothingMode(gdip::SmoothingMode smoothingMode) {
    return SetStatus(gdip::flat::GdipSetSmoothingMode(nativeGraphics, smoothingMode));
}

gdip::Status TGdipGraphics::DrawImage(const TGdipImage* image, const TGdipRectF& destRect,
                                      float srcx, float srcy, float srcwidth, float srcheight,
                                      gdip::Unit srcUnit,
                                      const TGdipImageAttributes* imageAttributes,
                                      gdip::DrawImageAbort callback, void* callbackData) {
    return SetStatus(gdip::flat::GdipDrawImageRectRect(
        nativeGraphics, image != nullptr ? image->NativeImage() : nullptr, destRect.X, destRect.Y,
        destRect.Width, destRect.Height, srcx, srcy, srcwidth, srcheight, srcUnit,
        imageAttributes != nullptr ? imageAttributes->NativeImageAttributes() : nullptr, callback,
        callbackData));
}

TGdipImage::TGdipImage(IStream* stream, bool useEmbeddedColorManagement) {
    lastResult = useEmbeddedColorManagement
                     ? gdip::flat::GdipLoadImageFromStreamICM(stream, &nativeImage)
                     : gdip::flat::GdipLoadImageFromStream(stream, &nativeImage);
}

TGdipImage::~TGdipImage() {
    if (nativeImage != nullptr)
        gdip::flat::GdipDisposeImage(nativeImage);
}

UINT TGdipImage::GetWidth() {
    UINT width = 0;
    if (SetStatus(gdip::flat::GdipGetImageWidth(nativeImage, &width)) != gdip::Ok)
        return 0;
    return width;
}

UINT TGdipImage::GetHeight() {
    UINT height = 0;
    if (SetStatus(gdip::flat::GdipGetImageHeight(nativeImage, &height)) != gdip::Ok)
        return 0;
    return height;
}

TGdipBitmap::TGdipBitmap(IStream* stream, bool useEmbeddedColorManagement) {
    gdip::flat::GpBitmap* bitmap = nullptr;
    lastResult = useEmbeddedColorManagement
                     ? gdip::flat::GdipCreateBitmapFromStreamICM(stream, &bitmap)
                     : gdip::flat::GdipCreateBitmapFromStream(stream, &bitmap);
    nativeImage = reinterpret_cast<gdip::GpImage*>(bitmap);
}

gdip::Status TGdipBitmap::GetPixel(int x, int y, ARGB& color) {
    return SetStatus(gdip::flat::GdipBitmapGetPixel(
        reinterpret_cast<gdip::flat::GpBitmap*>(nativeImage), x, y, &color));
}

TGdipImageAttributes::TGdipImageAttributes() {
    lastResult = gdip::flat::GdipCreateImageAttributes(&nativeImageAttr);
}

TGdipImageAttributes::~TGdipImageAttributes() {
    if (nativeImageAttr != nullptr)
        gdip::flat::GdipDisposeImageAttributes(nativeImageAttr);
}

gdip::Status TGdipImageAttributes::SetColorKey(ARGB colorLow, ARGB colorHigh,
                                               gdip::ColorAdjustType type_) {
    return SetStatus(gdip::flat::GdipSetImageAttributesColorKeys(nativeImageAttr, type_, TRUE,
                                                                 colorLow, colorHigh));
}

} // namespace quarnel
