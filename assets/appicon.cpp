// Gathers the compiled-in icon sizes into one QIcon, so each place picks the sharpest fit.
#include "assets/appicon.h"

#include <QDirIterator>

QIcon applicationIcon()
{
    QIcon icon;
    // The same hicolor tree that is installed for the desktop, so the two cannot differ.
    QDirIterator files(QStringLiteral(":/icons/hicolor"), {QStringLiteral("*.png")}, QDir::Files,
                       QDirIterator::Subdirectories);
    while (files.hasNext())
        icon.addFile(files.next());
    return icon;
}
