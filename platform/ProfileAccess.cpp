// Reading and writing one key of an initialization file on disk. A write replaces the file
// through QSaveFile, so a failed write leaves the old file whole.
#include "platform/ProfileAccess.h"

#include "platform/CodePage.h"
#include "platform/ProfileText.h"
#include "platform/TextLength.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <optional>

namespace platform {

namespace {

// A settings file is a few hundred bytes. A file beyond this size is treated as unreadable,
// so that reading it cannot exhaust memory.
constexpr qint64 maxProfileFileSize = 16 * 1024 * 1024;

std::optional<QByteArray> readProfileFile(const QString &path) {
    // Only a regular file is opened: opening a pipe or a device could wait for ever.
    if (!QFileInfo(path).isFile())
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray content = file.read(maxProfileFileSize + 1);
    if (content.size() > maxProfileFileSize)
        return std::nullopt;
    return content;
}

// The read-only mark of a file (no write permission for its owner, group or others) holds
// even for a user who could write it anyway, as a read-only settings file did on the
// platform it comes from.
bool isReadOnly(const QFileInfo &info) {
    constexpr auto anyWrite =
        QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    return !info.isWritable() || !(info.permissions() & anyWrite);
}

// The present content of a file about to be written: empty when it does not exist yet,
// nothing when it exists but may not or cannot be rewritten without losing what it holds.
std::optional<QByteArray> contentToRewrite(const QString &path) {
    const QFileInfo info(path);
    if (!info.exists())
        return QByteArray();
    if (isReadOnly(info))
        return std::nullopt;
    return readProfileFile(path);
}

QString decodedValue(const QByteArray &bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(bytes);
    if (utf8.hasError())
        text = cp1252::decode(std::string_view(bytes.constData(), size_t(bytes.size())));
    return leftCharacters(text, maxProfileValueLength);
}

bool replaceFile(const QString &path, const QByteArray &content) {
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size() &&
           file.commit();
}

} // namespace

QString getProfileString(const QString &path, const QString &section, const QString &key,
                         const QString &defaultText) {
    const std::optional<QByteArray> content = readProfileFile(path);
    if (!content)
        return defaultText;
    const std::optional<QByteArray> value =
        findProfileValue(*content, section.toUtf8(), key.toUtf8());
    return value ? decodedValue(*value) : defaultText;
}

bool putProfileString(const QString &path, const QString &section, const QString &key,
                      const QString &value) {
    const QByteArray sectionBytes = section.toUtf8();
    const QByteArray keyBytes = key.toUtf8();
    const QByteArray valueBytes = value.toUtf8();
    if (!isStorableProfileEntry(sectionBytes, keyBytes, valueBytes))
        return false;
    const std::optional<QByteArray> content = contentToRewrite(path);
    return content &&
           replaceFile(path, withProfileValue(*content, sectionBytes, keyBytes, valueBytes));
}

} // namespace platform
