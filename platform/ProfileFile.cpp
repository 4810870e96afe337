// The settings-file object: typed values over the raw profile reads and writes.
#include "platform/ProfileFile.h"

#include "platform/Failure.h"
#include "platform/ProfileAccess.h"
#include "platform/ProfileInteger.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStandardPaths>

namespace platform {

namespace {

QString profilePath(const QString &fileName) {
    if (fileName.contains(u'/'))
        return fileName;
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + u'/' +
           fileName;
}

} // namespace

ProfileFile::ProfileFile(const QString &fileName)
    : m_path(profilePath(fileName)) {}

QString ProfileFile::readText(const QString &section, const QString &key,
                              const QString &defaultText) const {
    return getProfileString(m_path, section, key, defaultText);
}

qint32 ProfileFile::readInteger(const QString &section, const QString &key,
                                qint32 defaultValue) const {
    return profileInteger(readText(section, key, QString())).value_or(defaultValue);
}

bool ProfileFile::readFlag(const QString &section, const QString &key, bool defaultValue) const {
    return readInteger(section, key, defaultValue ? 1 : 0) != 0;
}

void ProfileFile::writeText(const QString &section, const QString &key, const QString &value) {
    if (!putProfileString(m_path, section, key, value))
        throw Failure(QCoreApplication::translate("Failure", "Unable to write to %1")
                          .arg(QFileInfo(m_path).fileName()));
}

void ProfileFile::writeInteger(const QString &section, const QString &key, qint32 value) {
    writeText(section, key, QString::number(value));
}

void ProfileFile::writeFlag(const QString &section, const QString &key, bool value) {
    writeText(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

} // namespace platform
