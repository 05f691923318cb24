// Cuts one compiled-in picture into equal cells, using the 2x drawing on dense screens.
#pragma once

#include <QImage>
#include <QList>
#include <QPixmap>
#include <QSize>
#include <QString>

#include <functional>
#include <memory>

class QPainter;

class SpriteSheet
{
  public:
    // Paints over cell k of a sheet (the words of a picture drawn without them), in the cell's
    // logical pixels, its origin at the cell's top left.
    using CellWords = std::function<void(QPainter &, int k)>;

    // name: "tiles", "cars", "digits", "banners", "help", "about"; rows x columns cells.
    // Must be made after the QGuiApplication; takes the 2x drawing when the screen is dense.
    SpriteSheet(const QString &name, int rows, int columns, CellWords words = {});
    // The same with the drawing chosen by hand: ratio 2 takes the 2x file, anything else 1x.
    SpriteSheet(const QString &name, int rows, int columns, int ratio, CellWords words = {});

    // Each cell is cut when it is first asked for, so a cell that is never shown costs nothing.
    // The cells asked for before the event loop next turns share one decoding of the picture;
    // the decoded picture is let go then. A cell's words are painted over it as it is cut.
    QPixmap cell(int k) const; // devicePixelRatio set (1 or 2); a null QPixmap for k out of range
    QSize cellSize() const;    // in logical (1x) pixels; reads the picture's header
    int count() const;

  private:
    bool findFile() const;       // false when the picture is missing
    const QImage *sheet() const; // the decoded picture; null when it cannot be read
    void fail() const;

    QString m_name;
    mutable QString m_file;
    int m_rows = 0;
    int m_columns = 0;
    mutable int m_ratio = 1; // 1 when the 2x drawing is missing
    mutable QSize m_cellSize;
    CellWords m_words;
    mutable QList<QPixmap> m_cells; // null until cut
    mutable int m_uncut = 0;
    // Shared with the queued call that lets it go, which must not outlive the sheet.
    mutable std::shared_ptr<QImage> m_sheet;
};
