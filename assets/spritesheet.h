// Cuts one compiled-in picture into equal cells, using the 2x drawing on dense screens.
#pragma once

#include <QList>
#include <QPixmap>
#include <QSize>
#include <QString>

#include <functional>

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

    // The picture is decoded and cut at the first call, so a sheet that is never shown costs
    // nothing at start-up; a cell's words are painted over it when it is first asked for.
    QPixmap cell(int k) const; // devicePixelRatio set (1 or 2); a null QPixmap for k out of range
    QSize cellSize() const;    // in logical (1x) pixels
    int count() const;

  private:
    void cut() const;

    QString m_file;
    int m_rows = 0;
    int m_columns = 0;
    int m_ratio = 1;
    QSize m_cellSize;
    CellWords m_words;
    mutable QList<QPixmap> m_cells;
    mutable QList<bool> m_lettered;
    mutable bool m_cut = false;
};
