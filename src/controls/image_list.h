// A thin type over the platform's image list: what the glyph layer needs of one.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include "controls/glyph_types.h"

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
    // The images' size; 0 x 0 without a list.
    SIZE ImageSize() const;

    HIMAGELIST list_;
};

// A picture is shown only for an index inside a list that exists.
inline bool ShowsPicture(const ImageList* images, int index) {
    return images != nullptr && PictureInRange(images->Count(), index);
}

} // namespace quarnel
