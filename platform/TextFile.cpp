// Whole-file reading and atomic writing through QFile and QSaveFile; a replaced file keeps its
// owner, group and permission bits.
#include "platform/TextFile.h"

#include "platform/Failure.h"
#include "platform/InPlaceWrite.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

Failure cannotOpen(const QString &path) {
    return Failure(QCoreApplication::translate("Failure", "Cannot open file %1").arg(path));
}

} // namespace

std::optional<std::string> readWholeFile(const QString &path, qint64 limit) {
    // Only a regular file has an end: a device or a pipe could be read for ever.
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        throw cannotOpen(path);
    // The size of the file opened, not of the name: it cannot be swapped in between. A file
    // that states more than the limit is refused before a byte is read.
    if (file.size() > limit)
        return std::nullopt;
    // The stated size is only a first guess: files such as those under /proc state 0 and hold
    // more, and a file may grow meanwhile. Reading goes to the end, and stops past the limit.
    // One byte beyond the stated size, so the read that finds the end needs no second buffer.
    std::string bytes(std::size_t(file.size()) + 1, '\0');
    qint64 held = 0;
    for (;;) {
        if (held == qint64(bytes.size()))
            bytes.resize(std::min<std::size_t>(bytes.size() + 65536, std::size_t(limit) + 1));
        const qint64 read = file.read(bytes.data() + held, qint64(bytes.size()) - held);
        if (read < 0 || file.error() != QFileDevice::NoError)
            throw cannotOpen(path);
        held += read;
        if (held > limit)
            return std::nullopt;
        if (read == 0)
            break;
    }
    bytes.resize(std::size_t(held));
    return bytes;
}

namespace {

// The new file takes the replaced one's owner and group where the process may (the group alone
// where only that is allowed), then its permission bits, setgid and setuid included: a change
// of owner clears those two, so the bits come last.
void keepOwnerAndMode(int newFile, const std::optional<struct stat> &replaced) {
    if (!replaced)
        return;
    if (::fchown(newFile, replaced->st_uid, replaced->st_gid) != 0) [[maybe_unused]]
        const int groupOnly = ::fchown(newFile, uid_t(-1), replaced->st_gid);
    [[maybe_unused]] const int kept = ::fchmod(newFile, replaced->st_mode & 07777);
}

std::optional<struct stat> statusOf(const QString &path) {
    struct stat status {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0 || !S_ISREG(status.st_mode))
        return std::nullopt;
    return status;
}

// A regular file is replaced only once every byte has reached the disk.
void replaceAtomically(const QString &path, std::string_view bytes) {
    const std::optional<struct stat> replaced = statusOf(path);
    QSaveFile file(path);
    if (QFileInfo(path).isDir() || !file.open(QIODevice::WriteOnly))
        throw Failure(QCoreApplication::translate("Failure", "Cannot create file %1").arg(path));
    keepOwnerAndMode(file.handle(), replaced);
    const qint64 size = qint64(bytes.size());
    if (file.write(bytes.data(), size) != size || !file.commit())
        throw Failure(QCoreApplication::translate("Failure", "Stream write error"));
}

} // namespace

void saveWholeFile(const QString &path, std::string_view bytes) {
    const QFileInfo info(path);
    // A device or a pipe is written in place: replacing it by a new file would destroy it.
    if (info.exists() && !info.isFile() && !info.isDir())
        writeInPlace(path, bytes);
    else
        replaceAtomically(path, bytes);
}

} // namespace platform
