// Loads a compiled-in picture sheet and cuts it into cells once.
#include "assets/spritesheet.h"

#include <QDebug>
#include <QGuiApplication>
#include <QImage>

namespace {

int screenRatio()
{
    return (qGuiApp && qGuiApp->devicePixelRatio() > 1.0) ? 2 : 1;
}

QString sheetFile(const QString &name, int ratio)
{
    return QStringLiteral(":/assets/") + name + (ratio == 2 ? QStringLiteral("@2x") : QString()) +
           QStringLiteral(".png");
}

} // namespace

SpriteSheet::SpriteSheet(const QString &name, int rows, int columns)
    : SpriteSheet(name, rows, columns, screenRatio())
{
}

SpriteSheet::SpriteSheet(const QString &name, int rows, int columns, int ratio)
{
    ratio = (ratio == 2) ? 2 : 1;
    QImage sheet(sheetFile(name, ratio));
    if (sheet.isNull() && ratio == 2) {
        ratio = 1;
        sheet = QImage(sheetFile(name, ratio));
    }
    if (sheet.isNull() || rows <= 0 || columns <= 0) {
        qWarning() << "SpriteSheet: no picture" << name;
        return;
    }
    const int w = sheet.width() / columns;
    const int h = sheet.height() / rows;
    m_cellSize = QSize(w / ratio, h / ratio);
    m_cells.reserve(rows * columns);
    for (int k = 0; k < rows * columns; ++k) {
        QPixmap cell = QPixmap::fromImage(sheet.copy((k % columns) * w, (k / columns) * h, w, h));
        cell.setDevicePixelRatio(ratio);
        m_cells.append(cell);
    }
}

QPixmap SpriteSheet::cell(int k) const
{
    return (k >= 0 && k < m_cells.size()) ? m_cells.at(k) : QPixmap();
}

QSize SpriteSheet::cellSize() const
{
    return m_cellSize;
}

int SpriteSheet::count() const
{
    return static_cast<int>(m_cells.size());
}
