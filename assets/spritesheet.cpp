// Loads a compiled-in picture sheet and cuts a cell out of it when the cell is first asked for.
#include "assets/spritesheet.h"

#include "assets/pngfile.h"

#include <QDebug>
#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QTimer>

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
    : m_name(name), m_ratio(ratio == 2 ? 2 : 1), m_words(std::move(words))
{
    // Nothing is looked up yet: even asking whether a compiled-in file exists reads its first
    // bytes, and the program's pages are mapped from the file in runs. The first cell does it.
    if (rows <= 0 || columns <= 0) {
        qWarning() << "SpriteSheet: no cells in" << name;
        return;
    }
    m_rows = rows;
    m_columns = columns;
    m_cells.resize(rows * columns);
    m_uncut = rows * columns;
}

bool SpriteSheet::findFile() const
{
    if (!m_file.isEmpty()) return true;
    if (m_ratio == 2 && !QFile::exists(sheetFile(m_name, m_ratio))) m_ratio = 1;
    if (!QFile::exists(sheetFile(m_name, m_ratio))) {
        qWarning() << "SpriteSheet: no picture" << m_name;
        m_cells.clear();
        m_uncut = 0;
        return false;
    }
    m_file = sheetFile(m_name, m_ratio);
    return true;
}

void SpriteSheet::fail() const
{
    qWarning() << "SpriteSheet: cannot read" << m_file;
    m_cells.clear();
    m_uncut = 0;
    m_sheet.reset();
}

const QImage *SpriteSheet::sheet() const
{
    if (m_sheet && !m_sheet->isNull()) return m_sheet.get();
    if (!findFile()) return nullptr;
    QImage whole = readPng(m_file);
    if (whole.isNull() || whole.width() < m_columns || whole.height() < m_rows) {
        fail();
        return nullptr;
    }
    whole.setDevicePixelRatio(1.0); // an @2x file reads as ratio 2; the cutting counts pixels
    m_sheet = std::make_shared<QImage>(std::move(whole));
    // Let go once the cells wanted together (a whole board laid out) have been cut.
    if (QCoreApplication *app = QCoreApplication::instance()) {
        QTimer::singleShot(0, app, [held = std::weak_ptr<QImage>(m_sheet)] {
            if (const std::shared_ptr<QImage> s = held.lock()) *s = QImage();
        });
    }
    return m_sheet.get();
}

QPixmap SpriteSheet::cell(int k) const
{
    if (k < 0 || k >= m_cells.size()) return QPixmap();
    if (m_cells.at(k).isNull()) {
        const QImage *whole = sheet();
        if (!whole) return QPixmap();
        const int w = whole->width() / m_columns;
        const int h = whole->height() / m_rows;
        QImage part = whole->copy((k % m_columns) * w, (k / m_columns) * h, w, h);
        if (part.format() != QImage::Format_ARGB32) part.convertTo(QImage::Format_ARGB32);
        // Premultiplied here, row by row, into the screen's own format: Qt would spread the
        // conversion of a large picture over a pool of new threads, which then linger beside
        // the game, and a painter left on the picture would stay with it.
        for (int y = 0; y < h; ++y) {
            auto *line = reinterpret_cast<QRgb *>(part.scanLine(y));
            for (int x = 0; x < w; ++x)
                line[x] = qPremultiply(line[x]);
        }
        part.reinterpretAsFormat(QImage::Format_ARGB32_Premultiplied);
        part.setDevicePixelRatio(m_ratio);
        m_cells[k] = QPixmap::fromImage(std::move(part));
        if (m_words) {
            // Only the cells shown are lettered: the first frame waits for no other.
            QPainter painter(&m_cells[k]);
            painter.setRenderHint(QPainter::Antialiasing);
            painter.setRenderHint(QPainter::TextAntialiasing);
            painter.setRenderHint(QPainter::SmoothPixmapTransform);
            m_words(painter, k);
        }
        if (--m_uncut == 0) m_sheet.reset();
    }
    return m_cells.at(k);
}

QSize SpriteSheet::cellSize() const
{
    if (!m_cellSize.isValid() && !m_cells.isEmpty() && findFile()) {
        const QSize size = m_sheet && !m_sheet->isNull() ? m_sheet->size() : pngSize(m_file);
        if (size.isValid())
            m_cellSize =
                QSize(size.width() / m_columns / m_ratio, size.height() / m_rows / m_ratio);
    }
    return m_cellSize;
}

int SpriteSheet::count() const
{
    return static_cast<int>(m_cells.size());
}
