// The one rule for the small files the game keeps beside its store and its settings.
//
// A lock, a journal, a share or a settings file is only ever a regular file the game wrote, or
// nothing. Whatever else stands at such a name (a FIFO, a folder, a device, a link to any of
// them, a file too large to be the game's) is never opened for writing, never waited on, and
// reads as if nothing stood there: opening a FIFO would block the game, reading a device would
// never end.
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

enum class SideFileKind {
    Absent,  // nothing stands there, not even a link
    Regular, // a regular file, or a link to one
    Other,   // anything else: a FIFO, a folder, a device, a socket, a dangling link
};

// What stands at `path`, found without opening it.
SideFileKind sideFileKind(const QString &path);

// The whole content of the regular file at `path`, read without ever blocking; nothing when
// nothing or something else stands there, when it cannot be read, or when it holds more than
// `limit` bytes.
std::optional<QByteArray> readSideFile(const QString &path, qint64 limit);

// True when `path` names something the game may use as a plain file: nothing, or a regular
// file no larger than `limit`.
bool usableSideFile(const QString &path, qint64 limit);

// Takes away what stands at `path` when it is not a regular file of the game's own: a link (the
// link alone, never what it points at), a FIFO, a socket or device node (the name only: a device
// is never opened), or an empty folder. Not a folder with something in it, and never anything
// outside the folder `path` is in. True when nothing stands there afterwards.
bool clearJunkAt(const QString &path);

// One line on standard error: `path` was passed over, and why.
void sayPassedOver(const QString &path, const QString &why);
// One line on standard error: the records could not be saved in `file`, and why.
void sayNotSaved(const QString &file, const QString &reason);
