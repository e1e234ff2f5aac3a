#pragma once

#include <QImage>
#include <QSize>
#include <QString>

namespace Velmora {

/// Map pictures from their files: the quick look at the header and the full decode.
class MapPicture
{
public:
    /// The largest side a map picture may have; 16384 × 16384 at 4 bytes a pixel is 1 GB.
    static constexpr int MaxSide = 16384;

    struct Probe
    {
        bool readable = false;
        QSize size; ///< as the header declares it
        QString error; ///< why a readable file is refused; "" otherwise
    };

    /// Reads only the header: whether the file exists, is a picture and is not too large.
    static Probe probe(const QString &path);
    /// The whole picture in a format that paints fast; a null image when it cannot be read.
    /// Safe to call from any thread.
    static QImage decode(const QString &path);
    /// Lets Qt's image reader allocate enough for a MaxSide × MaxSide picture.
    static void raiseAllocationLimit();
};

} // namespace Velmora
