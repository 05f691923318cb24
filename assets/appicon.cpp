// Gathers the compiled-in icon sizes into one QIcon, so each place picks the sharpest fit.
#include "assets/appicon.h"

#include "assets/pngfile.h"

#include <QDirIterator>
#include <QPixmap>

QIcon applicationIcon(int smallest, int largest)
{
    QIcon icon;
    // The same hicolor tree that is installed for the desktop, so the two cannot differ.
    // No name filter: a filter is a regular expression, and compiling one costs more at start-up
    // than the icon itself.
    QDirIterator files(QStringLiteral(":/icons/hicolor"), QDir::Files,
                       QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString file = files.next();
        if (!file.endsWith(QLatin1String(".png"))) continue;
        // .../hicolor/<side>x<side>/apps/<name>.png
        const QStringList parts = file.split(QLatin1Char('/'));
        const int side = parts.size() < 3
                             ? 0
                             : parts.at(parts.size() - 3).section(QLatin1Char('x'), 0, 0).toInt();
        if (side >= smallest && side <= largest) icon.addPixmap(QPixmap::fromImage(readPng(file)));
    }
    return icon;
}
