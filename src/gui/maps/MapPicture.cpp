#include "gui/maps/MapPicture.h"

#include <QFileInfo>
#include <QImageReader>

using namespace Qt::StringLiterals;

namespace Velmora {

void MapPicture::raiseAllocationLimit()
{
    // Qt refuses pictures above 256 MB by default; a 16384 × 16384 map needs 1024 MB.
    constexpr int megabytes = MaxSide / 1024 * MaxSide / 1024 * 4 + 1;
    if (QImageReader::allocationLimit() < megabytes)
        QImageReader::setAllocationLimit(megabytes);
}

MapPicture::Probe MapPicture::probe(const QString &path)
{
    Probe probe;
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return probe;
    QImageReader reader(path);
    probe.size = reader.size();
    probe.readable = reader.canRead();
    if (probe.readable && (probe.size.width() > MaxSide || probe.size.height() > MaxSide))
        probe.error
            = u"The picture %1 is %2 × %3 pixels; maps can be at most %4 × %4."_s.arg(QFileInfo(path).fileName(),
                QString::number(probe.size.width()), QString::number(probe.size.height()), QString::number(MaxSide));
    return probe;
}

QImage MapPicture::decode(const QString &path)
{
    raiseAllocationLimit();
    QImageReader reader(path);
    QImage image = reader.read();
    if (image.isNull())
        return image;
    // The two formats the raster painter blits without converting.
    image.convertTo(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    return image;
}

} // namespace Velmora
