// Opening only regular files beside the store and the settings, never blocking, never unbounded.
#include "records/sidefile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstdio>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

SideFileKind sideFileKind(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat st
    {
    };
    if (::stat(name.constData(), &st) == 0)
        return S_ISREG(st.st_mode) ? SideFileKind::Regular : SideFileKind::Other;
    // A link to nothing, or to something we may not look at, still stands in the way.
    if (::lstat(name.constData(), &st) == 0) return SideFileKind::Other;
    return errno == ENOENT || errno == ENOTDIR ? SideFileKind::Absent : SideFileKind::Other;
}

std::optional<QByteArray> readSideFile(const QString &path, qint64 limit)
{
    // Looked at before it is opened, so no device is ever opened; O_NONBLOCK keeps even a FIFO
    // swapped in between from blocking the open, and fstat then turns it away.
    if (sideFileKind(path) != SideFileKind::Regular) return std::nullopt;
    const int fd =
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) return std::nullopt;
    struct stat st
    {
    };
    std::optional<QByteArray> content;
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size <= limit) {
        QByteArray bytes(limit + 1, Qt::Uninitialized);
        qsizetype got = 0;
        bool failed = false;
        while (got < bytes.size()) {
            const ssize_t n = ::read(fd, bytes.data() + got, bytes.size() - got);
            if (n < 0 && errno == EINTR) continue;
            if (n < 0) failed = true;
            if (n <= 0) break;
            got += n;
        }
        // A file that grew past the limit while it was read is as unwelcome as a large one.
        if (!failed && got <= limit) {
            bytes.truncate(got);
            content = bytes;
        }
    }
    ::close(fd);
    return content;
}

bool usableSideFile(const QString &path, qint64 limit)
{
    switch (sideFileKind(path)) {
    case SideFileKind::Absent:
        return true;
    case SideFileKind::Other:
        return false;
    case SideFileKind::Regular:
        break;
    }
    struct stat st
    {
    };
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 && st.st_size <= limit;
}

bool clearJunkAt(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat st
    {
    };
    if (::lstat(name.constData(), &st) != 0) return errno == ENOENT;
    if (S_ISREG(st.st_mode)) return false;
    // unlink and rmdir act on the name alone: a link's target and a device are left untouched.
    return S_ISDIR(st.st_mode) ? ::rmdir(name.constData()) == 0 : ::unlink(name.constData()) == 0;
}

void sayPassedOver(const QString &path, const QString &why)
{
    const QString line =
        //: one line on standard error; %1 is a file the game passed over, %2 why
        QCoreApplication::translate("Records", "roadshift: passed over %1: %2")
            .arg(QDir::toNativeSeparators(path), why);
    std::fprintf(stderr, "%s\n", line.toLocal8Bit().constData());
}

void sayNotSaved(const QString &file, const QString &reason)
{
    const QString line =
        //: one line on standard error; %1 is a file, %2 the reason the system gave
        QCoreApplication::translate("Records", "roadshift: the records could not be saved in "
                                               "%1: %2")
            .arg(QDir::toNativeSeparators(file), reason);
    std::fprintf(stderr, "%s\n", line.toLocal8Bit().constData());
}
