// Looks pictures up in the generated table and decodes each once.
#include "resources/pictures/pictures.h"
#include "resources/pictures/picture_data.h"

#include <QPixmap>

#include <map>
#include <utility>

namespace resources {

namespace {

const data::PictureData* Find(int kind, int id)
{
    for (int i = 0; i < data::kPictureCount; ++i)
        if (data::kPictures[i].kind == kind && data::kPictures[i].id == id)
            return &data::kPictures[i];
    return nullptr;
}

QImage Decoded(int kind, int id)
{
    // Decoding is done once per picture; the view asks for the same few pictures all the time.
    static std::map<std::pair<int, int>, QImage> cache;
    const auto key = std::make_pair(kind, id);
    if (auto it = cache.find(key); it != cache.end())
        return it->second;
    QImage image;
    if (const data::PictureData* d = Find(kind, id))
        image.loadFromData(d->png, int(d->size), "PNG");
    if (kind != 0)
        image = image.convertToFormat(QImage::Format_ARGB32);
    else
        image = image.convertToFormat(QImage::Format_RGB32);
    cache.emplace(key, image);
    return image;
}

} // namespace

QImage Bitmap(int id) { return Decoded(0, id); }
QImage Icon(int id) { return Decoded(1, id); }

CursorPicture Cursor(int id)
{
    const data::PictureData* d = Find(2, id);
    if (!d)
        return {};
    return {Decoded(2, id), QPoint(d->hotX, d->hotY)};
}

QCursor LoadCursor(int id)
{
    const CursorPicture c = Cursor(id);
    if (c.image.isNull())
        return QCursor(Qt::ArrowCursor);
    return QCursor(QPixmap::fromImage(c.image), c.hotSpot.x(), c.hotSpot.y());
}

} // namespace resources
