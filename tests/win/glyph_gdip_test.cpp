// The GDI+ object layer against the real engine: statuses, decoding and its allocator.
#include <gtest/gtest.h>

#include <memory>
#include <new>
#include <vector>

#include "controls/gdip_objects.h"
#include "support/memory_surface.h"

namespace {

using namespace quarnel;

// A COM stream over a copy of `bytes`, positioned at its start.
toolkit::UniqueStream StreamOf(const std::vector<std::uint8_t>& bytes) {
    IStream* stream = nullptr;
    if (FAILED(::CreateStreamOnHGlobal(nullptr, TRUE, &stream)))
        return nullptr;
    toolkit::UniqueStream owner(stream);
    ULONG written = 0;
    owner->Write(bytes.data(), static_cast<ULONG>(bytes.size()), &written);
    owner->Seek(LARGE_INTEGER{}, STREAM_SEEK_SET, nullptr);
    return owner;
}

// A 3 x 2 BMP file, 24 bits a pixel, bottom-up; the top-left pixel is (r, g, b) = (10, 20, 30).
std::vector<std::uint8_t> SmallBmp() {
    const std::uint32_t stride = 12; // 9 bytes of pixels padded to 4
    std::vector<std::uint8_t> file(14 + 40 + stride * 2, 0);
    auto put16 = [&](std::size_t at, std::uint32_t v) {
        file[at] = static_cast<std::uint8_t>(v);
        file[at + 1] = static_cast<std::uint8_t>(v >> 8);
    };
    auto put32 = [&](std::size_t at, std::uint32_t v) {
        put16(at, v & 0xFFFF);
        put16(at + 2, v >> 16);
    };
    put16(0, 0x4D42);
    put32(2, static_cast<std::uint32_t>(file.size()));
    put32(10, 54);
    put32(14, 40);
    put32(18, 3);
    put32(22, 2);
    put16(26, 1);
    put16(28, 24);
    // Row 1 of the file is the picture's top row; blue, green, red order.
    file[54 + stride] = 30;
    file[54 + stride + 1] = 20;
    file[54 + stride + 2] = 10;
    return file;
}

class GdipObjects : public ::testing::Test {
protected:
    ~GdipObjects() override { gdip::SetAllocator(nullptr); }
    gdip::EngineSession engine_;
};

TEST_F(GdipObjects, FailingCallsAreKeptUntilCollected) {
    testing_support::MemorySurface surface(8, 8);
    auto graphics = std::make_unique<TGdipGraphics>(surface.dc());
    EXPECT_EQ(graphics->GetLastStatus(), gdip::Ok) << "created";

    const gdip::Status failed =
        graphics->DrawImage(nullptr, MakeRect(0, 0, 1, 1), 0, 0, 1, 1, gdip::UnitPixel, nullptr);
    EXPECT_EQ(failed, gdip::InvalidParameter);
    EXPECT_EQ(graphics->SetSmoothingMode(gdip::SmoothingModeAntiAlias), gdip::Ok);
    EXPECT_EQ(graphics->GetLastStatus(), gdip::InvalidParameter)
        << "a later success does not wipe the failure";
    EXPECT_EQ(graphics->GetLastStatus(), gdip::Ok) << "collecting resets it";
}

TEST_F(GdipObjects, ConstructorKeepsItsCreationStatus) {
    const std::vector<std::uint8_t> garbage(64, 0x5A);
    for (bool icm : {false, true}) {
        toolkit::UniqueStream stream = StreamOf(garbage);
        auto image = std::make_unique<TGdipImage>(stream.get(), icm);
        EXPECT_NE(image->GetLastStatus(), gdip::Ok) << "icm " << icm;
        EXPECT_EQ(image->GetWidth(), 0u) << "icm " << icm;
        EXPECT_EQ(image->GetLastStatus(), gdip::InvalidParameter) << "icm " << icm;
    }
}

TEST_F(GdipObjects, DecodesABmpStreamWithAndWithoutColourManagement) {
    for (bool icm : {false, true}) {
        toolkit::UniqueStream stream = StreamOf(SmallBmp());
        auto image = std::make_unique<TGdipImage>(stream.get(), icm);
        EXPECT_EQ(image->GetLastStatus(), gdip::Ok) << "icm " << icm;
        EXPECT_EQ(image->GetWidth(), 3u);
        EXPECT_EQ(image->GetHeight(), 2u);

        auto bitmap = std::make_unique<TGdipBitmap>(stream.get(), icm);
        EXPECT_EQ(bitmap->GetLastStatus(), gdip::Ok) << "icm " << icm;
        ARGB corner = 0;
        EXPECT_EQ(bitmap->GetPixel(0, 0, corner), gdip::Ok);
        EXPECT_EQ(corner, MakeColor(10, 20, 30)) << std::hex << corner;
        EXPECT_EQ(bitmap->GetPixel(5, 5, corner), gdip::InvalidParameter) << "outside";
        EXPECT_EQ(bitmap->GetLastStatus(), gdip::InvalidParameter);
    }
}

TEST_F(GdipObjects, ColourKeyLeavesOutExactlyTheKeyColour) {
    testing_support::MemorySurface surface(3, 2);
    surface.Fill(RGB(0, 128, 0));
    toolkit::UniqueStream stream = StreamOf(SmallBmp());
    auto graphics = std::make_unique<TGdipGraphics>(surface.dc());
    auto image = std::make_unique<TGdipImage>(stream.get(), false);
    auto attributes = std::make_unique<TGdipImageAttributes>();
    EXPECT_EQ(attributes->GetLastStatus(), gdip::Ok);
    EXPECT_EQ(attributes->SetColorKey(MakeColor(0, 0, 0), MakeColor(0, 0, 0)), gdip::Ok);
    EXPECT_EQ(graphics->DrawImage(image.get(), MakeRect(0, 0, 3, 2), 0, 0, 3, 2, gdip::UnitPixel,
                                  attributes.get()),
              gdip::Ok);
    graphics.reset();
    EXPECT_EQ(surface.Pixel(0, 0), RGB(10, 20, 30));
    EXPECT_EQ(surface.Count(RGB(0, 128, 0)), 5) << "the black pixels are left out";
}

TEST_F(GdipObjects, WrappersLiveInTheEnginesMemory) {
    static int requests = 0;
    requests = 0;
    gdip::SetAllocator([](std::size_t size) -> void* {
        ++requests;
        // As the engine's allocator does before start-up.
        return gdip::EngineRunning() ? gdip::EngineAlloc(size) : nullptr;
    });
    gdip::ShutdownEngine();
    ASSERT_FALSE(gdip::EngineRunning());
    auto attributes = std::make_unique<TGdipImageAttributes>();
    EXPECT_EQ(requests, 2) << "refused, engine started, asked once more";
    EXPECT_TRUE(gdip::EngineRunning());
    EXPECT_EQ(attributes->GetLastStatus(), gdip::Ok);
    attributes.reset();

    requests = 0;
    gdip::SetAllocator([](std::size_t) -> void* {
        ++requests;
        return nullptr;
    });
    EXPECT_THROW(new TGdipImageAttributes(), std::bad_alloc);
    EXPECT_EQ(requests, 2);
}

} // namespace
