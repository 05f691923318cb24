// Reads the game's own compiled-in PNG pictures with Qt's built-in reader alone.
#include "assets/pngfile.h"

#include <QImageReader>

namespace {

void onlyPng(QImageReader &reader)
{
    reader.setFormat(QByteArrayLiteral("png"));
    reader.setAutoDetectImageFormat(false);
}

} // namespace

QImage readPng(const QString &file)
{
    QImageReader reader(file);
    onlyPng(reader);
    return reader.read();
}

QSize pngSize(const QString &file)
{
    QImageReader reader(file);
    onlyPng(reader);
    return reader.size();
}
