// Whole-file reading and atomic writing through QFile and QSaveFile.
#include "platform/TextFile.h"

#include "platform/Failure.h"
#include "platform/InPlaceWrite.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace platform {

std::optional<std::string> readWholeFile(const QString &path, qint64 limit) {
    // Only a regular file has an end: a device or a pipe could be read for ever.
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        throw Failure(QStringLiteral("Cannot open file %1").arg(path));
    // The size of the file opened, not of the name: it cannot be swapped in between. Reading
    // stops past the limit, so a file that grows meanwhile cannot exhaust memory either.
    if (file.size() > limit)
        return std::nullopt;
    std::string bytes(std::size_t(file.size()), '\0');
    const qint64 read = file.read(bytes.data(), qint64(bytes.size()));
    if (read < 0 || file.error() != QFileDevice::NoError)
        throw Failure(QStringLiteral("Cannot open file %1").arg(path));
    bytes.resize(std::size_t(read));
    return bytes;
}

namespace {

// A regular file is replaced only once every byte has reached the disk.
void replaceAtomically(const QString &path, std::string_view bytes) {
    QSaveFile file(path);
    if (QFileInfo(path).isDir() || !file.open(QIODevice::WriteOnly))
        throw Failure(QStringLiteral("Cannot create file %1").arg(path));
    const qint64 size = qint64(bytes.size());
    if (file.write(bytes.data(), size) != size || !file.commit())
        throw Failure(QStringLiteral("Stream write error"));
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
