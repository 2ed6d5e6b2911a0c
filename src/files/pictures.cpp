// Pictures: the picture value, reading by content, and what a picture file becomes in a card.
#include "files/pictures.h"

#include "model/subobjects.h"

#include <QPainter>
#include <QRectF>

namespace qm {

struct TPicture::Data
{
    Kind kind = Kind::None;
    QImage image;
    QByteArray bytes;
    QSize size;
};

TPicture MakePicture(std::shared_ptr<const TPicture::Data> data) { return TPicture(std::move(data)); }

TPicture TPicture::FromImage(const QImage& image)
{
    if (image.isNull())
        return {};
    auto data = std::make_shared<Data>();
    data->kind = Kind::Bitmap;
    data->image = image;
    data->size = image.size();
    return MakePicture(std::move(data));
}

TPicture::Kind TPicture::GetKind() const { return d ? d->kind : Kind::None; }

QSize TPicture::Size() const { return d ? d->size : QSize(); }

void TPicture::Draw(QPainter& painter, const QRectF& target) const
{
    if (!d)
        return;
    if (d->kind == Kind::Bitmap)
        painter.drawImage(target, d->image);
}

QImage TPicture::ToImage(QSize size) const
{
    if (!d || size.isEmpty())
        return {};
    QImage out(size, QImage::Format_ARGB32_Premultiplied);
    out.fill(Qt::transparent);
    QPainter p(&out);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    Draw(p, QRectF(0, 0, size.width(), size.height()));
    return out;
}

QImage TPicture::Image() const { return d && d->kind == Kind::Bitmap ? d->image : QImage(); }

TPicture ReadPicture(const QByteArray& bytes, const QString&, QString* error)
{
    const TPicture picture = TPicture::FromImage(QImage::fromData(bytes));
    if (picture.IsNull() && error)
        *error = QStringLiteral("The picture cannot be read.");
    return picture;
}

TPicture ReadPictureFile(const QString&, QString* error)
{
    if (error)
        *error = QStringLiteral("The picture cannot be read.");
    return {};
}

TPicture PictureFromGraphic(const QByteArray&, const QByteArray& fileBytes, QString* error)
{
    return ReadPicture(fileBytes, QString(), error);
}

TPicture PictureFromGraphic(const TKPicture& picture, QString* error)
{
    return PictureFromGraphic(picture.GraphicClass(), picture.GraphicBytes(), error);
}

bool GraphicFromFile(const QByteArray&, const QString&, TStoredGraphic*, QString* error)
{
    if (error)
        *error = QStringLiteral("The picture cannot be read.");
    return false;
}

QByteArray BitmapFileBytes(const QImage&) { return {}; }

} // namespace qm
