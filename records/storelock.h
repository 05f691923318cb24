// The store's lock: taken in short steps, and cleared when no run can be holding it.
#pragma once

#include <QLockFile>
#include <QString>

QString lockPath(const QString &store);

enum class Locking { Held, Busy, Failed };

// Takes the store's lock in short steps, for 0.7 s at most; Busy when a live run keeps it past
// the limit, or when something that is no lock stands in its place and cannot be cleared. A
// lock that no run can be holding (a link, a FIFO, a folder, a file not in QLockFile's form) is
// cleared before QLockFile ever reads it. Failed, with the reason, when no lock can be made.
Locking takeLock(QLockFile &lock, QString &reason);
