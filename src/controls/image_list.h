// A thin type over the platform's image list: what the glyph layer needs of one.
#pragma once

#include <windows.h>

#include <commctrl.h>

namespace quarnel {

class ImageList {
public:
    explicit ImageList(HIMAGELIST list = nullptr) : list_(list) {}
    virtual ~ImageList() = default;

    HIMAGELIST handle() const noexcept { return list_; }
    virtual int Width() const;
    virtual int Height() const;
    virtual int Count() const;
    // Draws image `index` at (x, y) in its enabled look.
    virtual void Draw(HDC dc, int x, int y, int index) const;

private:
    HIMAGELIST list_;
};

} // namespace quarnel
