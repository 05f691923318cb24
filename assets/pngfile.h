// Reads the game's own compiled-in PNG pictures with Qt's built-in reader alone.
#pragma once

#include <QImage>
#include <QSize>
#include <QString>

// The picture in `file`; null when it is missing or not a PNG. No image plugin is loaded: a
// reader left to guess the format offers each plugin the file first (loading JPEG, GIF, ...),
// and the game has nothing but PNGs.
QImage readPng(const QString &file);

// Its size in pixels from the file's header, without decoding it; invalid when unreadable.
QSize pngSize(const QString &file);
