// A recording fake of the game link: every port call as one line of text, in order, and
// the answers the test gives it; shared by the delivery tests.
#pragma once

#include "link/delivery.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "toolkit/error.h"

namespace delivery_testing {

using quarnel::LinkBlock;
using quarnel::LinkWindow;
using Calls = std::vector<std::string>;

inline std::string Narrow(std::u16string_view text) {
    std::string out;
    for (char16_t unit : text)
        out += unit < 0x80 ? static_cast<char>(unit) : '?';
    return out;
}

inline LinkWindow Handle(int id) {
    return reinterpret_cast<LinkWindow>(static_cast<std::uintptr_t>(id));
}
inline int Id(LinkWindow window) {
    return static_cast<int>(reinterpret_cast<std::uintptr_t>(window));
}
inline int Id(LinkBlock block) {
    return static_cast<int>(reinterpret_cast<std::uintptr_t>(block));
}

inline std::string Hex(unsigned value) {
    char text[16];
    std::snprintf(text, sizeof text, "%02x", value);
    return text;
}

// A scripted desktop that records every platform call in order. Window ids stand for
// handles; 0 is null.
class RecordingPort final : public quarnel::GameLinkPort {
public:
    std::map<std::u16string, int> topByClass; // FindWindowW answers
    std::map<std::pair<int, std::u16string>, int> childByClass;
    std::vector<std::pair<int, std::u16string>> visibleUnowned; // id and caption, in Z-order
    std::map<int, std::u16string> classOf;                      // ClassName answers
    std::map<int, std::u16string> imageOf;                      // ProcessImagePath answers
    std::function<void(std::uint8_t virtualKey, std::uint32_t flags)> onKey;
    bool openSucceeds = true;
    bool allocateSucceeds = true;
    bool setDataSucceeds = true;
    std::u16string blockContents;
    Calls calls;

    LinkWindow FindTopLevel(std::u16string_view className) override {
        const auto found = topByClass.find(std::u16string(className));
        const int id = found == topByClass.end() ? 0 : found->second;
        Record("FindWindow " + Narrow(className) + " -> " + std::to_string(id));
        return Handle(id);
    }
    LinkWindow FindChild(LinkWindow parent, std::u16string_view className) override {
        const auto found = childByClass.find({Id(parent), std::u16string(className)});
        const int id = found == childByClass.end() ? 0 : found->second;
        Record("FindChild " + std::to_string(Id(parent)) + " " + Narrow(className) + " -> " +
               std::to_string(id));
        return Handle(id);
    }
    std::vector<LinkWindow> VisibleUnownedTopLevels() override {
        Record("Collect");
        std::vector<LinkWindow> windows;
        for (const auto& [id, caption] : visibleUnowned)
            windows.push_back(Handle(id));
        return windows;
    }
    std::u16string Caption(LinkWindow window) override {
        Record("Caption " + std::to_string(Id(window)));
        for (const auto& [id, caption] : visibleUnowned)
            if (id == Id(window))
                return caption;
        return {};
    }
    std::u16string ClassName(LinkWindow window) override {
        Record("Class " + std::to_string(Id(window)));
        const auto found = classOf.find(Id(window));
        return found == classOf.end() ? std::u16string() : found->second;
    }
    std::u16string ProcessImagePath(LinkWindow window) override {
        Record("Image " + std::to_string(Id(window)));
        const auto found = imageOf.find(Id(window));
        return found == imageOf.end() ? std::u16string() : found->second;
    }
    void BringToTop(LinkWindow window) override { Record("Raise " + std::to_string(Id(window))); }
    void PostSetFocus(LinkWindow window) override {
        Record("PostSetFocus " + std::to_string(Id(window)));
    }
    void AwaitInFront(LinkWindow window) override {
        Record("AwaitInFront " + std::to_string(Id(window)));
    }
    std::uint32_t MapVirtualKeyToScanCode(std::uint32_t virtualKey) override {
        Record("Map " + Hex(virtualKey));
        // High bits set, as the extended lookup would give, to show that only the low byte
        // goes out.
        switch (virtualKey) {
        case 0x10:
            return 0x2A;
        case 0x11:
            return 0xE01D;
        case 0x56:
            return 0x0132;
        case 0x0D:
            return 0x1C;
        default:
            return 0xFF;
        }
    }
    void KeyEvent(std::uint8_t virtualKey, std::uint8_t scanCode, std::uint32_t flags) override {
        Record("Key " + Hex(virtualKey) + " " + Hex(scanCode) +
               (flags == 0   ? " down"
                : flags == 2 ? " up"
                             : " flags?"));
        if (onKey)
            onKey(virtualKey, flags);
    }
    void Sleep(std::uint32_t milliseconds) override {
        Record("Sleep " + std::to_string(milliseconds));
    }
    bool OpenClipboard() override {
        Record("OpenClipboard");
        return openSucceeds;
    }
    std::u16string LastErrorDescription() override {
        Record("LastError");
        return u"Access denied";
    }
    LinkBlock AllocateBlock(std::size_t bytes) override {
        Record("Alloc " + std::to_string(bytes));
        return allocateSucceeds ? reinterpret_cast<LinkBlock>(std::uintptr_t{77}) : nullptr;
    }
    bool FillBlock(LinkBlock block, std::u16string_view units) override {
        Record("Fill " + std::to_string(Id(block)));
        blockContents = units;
        return true;
    }
    void FreeBlock(LinkBlock block) override { Record("Free " + std::to_string(Id(block))); }
    void EmptyClipboard() override { Record("EmptyClipboard"); }
    bool SetUnicodeTextData(LinkBlock block) override {
        Record("SetUnicodeText " + std::to_string(Id(block)));
        return setDataSucceeds;
    }
    void CloseClipboard() override { Record("CloseClipboard"); }

private:
    void Record(std::string call) { calls.push_back(std::move(call)); }
};

inline const Calls kPrimaryKeys = {
    "Map 11",         "Key 11 1d down", "Map 56",       "Key 56 32 down", "Map 56",
    "Key 56 32 up",   "Map 11",         "Key 11 1d up", "Sleep 100",      "Map 0d",
    "Key 0d 1c down", "Map 0d",         "Key 0d 1c up", "Sleep 100",      "Map 0d",
    "Key 0d 1c down", "Map 0d",         "Key 0d 1c up",
};

inline Calls Concat(std::initializer_list<Calls> parts) {
    Calls all;
    for (const Calls& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

} // namespace delivery_testing
