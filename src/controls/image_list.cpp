#include "controls/image_list.h"

namespace quarnel {

SIZE ImageList::ImageSize() const {
    int width = 0;
    int height = 0;
    if (list_ == nullptr || !::ImageList_GetIconSize(list_, &width, &height))
        return SIZE{0, 0};
    return SIZE{width, height};
}

int ImageList::Width() const {
    return ImageSize().cx;
}

int ImageList::Height() const {
    return ImageSize().cy;
}

int ImageList::Count() const {
    return list_ != nullptr ? ::ImageList_GetImageCount(list_) : 0;
}

void ImageList::Draw(HDC dc, int x, int y, int index) const {
    if (list_ != nullptr)
        ::ImageList_Draw(list_, index, dc, x, y, ILD_NORMAL);
}

} // namespace quarnel
