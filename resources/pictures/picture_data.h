// The table of generated pictures: kind, resource id, cursor hot spot and PNG bytes.
#pragma once
#include <cstddef>

namespace resources::data {

struct PictureData {
    int kind;  // 0 bitmap, 1 icon, 2 cursor
    int id;
    int hotX, hotY;
    const unsigned char* png;
    size_t size;
};

extern const PictureData kPictures[];
extern const int kPictureCount;

} // namespace resources::data
