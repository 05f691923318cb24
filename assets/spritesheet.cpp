// Loads a compiled-in picture sheet and cuts it into cells once, when a cell is first asked for.
#include "assets/spritesheet.h"

#include <QDebug>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QPainter>

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

SpriteSheet::SpriteSheet(const QString &name, int rows, int columns, CellWords words)
    : SpriteSheet(name, rows, columns, screenRatio(), std::move(words))
{
}

SpriteSheet::SpriteSheet(const QString &name, int rows, int columns, int ratio, CellWords words)
    : m_words(std::move(words))
{
    // Only the file's header is read here; the pixels wait for the first cell().
    ratio = (ratio == 2) ? 2 : 1;
    QSize size = QImageReader(sheetFile(name, ratio)).size();
    if (!size.isValid() && ratio == 2) {
        ratio = 1;
        size = QImageReader(sheetFile(name, ratio)).size();
    }
    if (!size.isValid() || rows <= 0 || columns <= 0) {
        qWarning() << "SpriteSheet: no picture" << name;
        m_cut = true;
        return;
    }
    m_file = sheetFile(name, ratio);
    m_rows = rows;
    m_columns = columns;
    m_ratio = ratio;
    m_cellSize = QSize(size.width() / columns / ratio, size.height() / rows / ratio);
}

void SpriteSheet::cut() const
{
    m_cut = true;
    QImage sheet(m_file);
    if (sheet.isNull()) {
        qWarning() << "SpriteSheet: cannot read" << m_file;
        return;
    }
    sheet.setDevicePixelRatio(1.0); // an @2x file reads as ratio 2; the cutting counts pixels
    const int w = sheet.width() / m_columns;
    const int h = sheet.height() / m_rows;
    m_cells.reserve(m_rows * m_columns);
    for (int k = 0; k < m_rows * m_columns; ++k) {
        // Painted into the screen's own format rather than converted: Qt spreads the conversion
        // of a large picture over a pool of new threads, which then linger beside the game.
        QImage part(w, h, QImage::Format_ARGB32_Premultiplied);
        QPainter painter(&part);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(QPoint(0, 0), sheet,
                          QRect((k % m_columns) * w, (k / m_columns) * h, w, h));
        painter.end();
        part.setDevicePixelRatio(m_ratio);
        m_cells.append(QPixmap::fromImage(std::move(part)));
    }
    m_lettered.fill(false, m_cells.size());
}

QPixmap SpriteSheet::cell(int k) const
{
    if (!m_cut) cut();
    if (k < 0 || k >= m_cells.size()) return {};
    if (m_words && !m_lettered.at(k)) {
        // Only the cells shown are lettered, each once: the first frame waits for no other.
        m_lettered[k] = true;
        QPainter painter(&m_cells[k]);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        m_words(painter, k);
    }
    return m_cells.at(k);
}

QSize SpriteSheet::cellSize() const
{
    return m_cellSize;
}

int SpriteSheet::count() const
{
    return m_cut ? static_cast<int>(m_cells.size()) : m_rows * m_columns;
}
