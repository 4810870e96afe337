// Whole-file reading and atomic writing through QFile and QSaveFile.
#include "platform/TextFile.h"

#include "platform/Failure.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace platform {

std::string readWholeFile(const QString &path) {
    // Only a regular file has an end: a device or a pipe could be read for ever.
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        throw Failure(QStringLiteral("Cannot open file %1").arg(path));
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw Failure(QStringLiteral("Cannot open file %1").arg(path));
    return bytes.toStdString();
}

namespace {

// A device or a pipe is written in place: replacing it by a new file would destroy it.
void writeInPlace(const QString &path, std::string_view bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        throw Failure(QStringLiteral("Cannot create file %1").arg(path));
    const qint64 size = qint64(bytes.size());
    if (file.write(bytes.data(), size) != size)
        throw Failure(QStringLiteral("Stream write error"));
}

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
    if (info.exists() && !info.isFile() && !info.isDir())
        writeInPlace(path, bytes);
    else
        replaceAtomically(path, bytes);
}

} // namespace platform
