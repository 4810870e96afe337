// The settings-file object: text, integer and flag values of one initialization file, each
// read or write a separate call on the file.
#pragma once

#include <QString>

namespace platform {

class ProfileFile {
public:
    // A name without a folder (such as "QVL.INI") names a file in the user's configuration
    // folder, which stands in for the system folder of the original platform; a name with
    // a folder is used as it is.
    explicit ProfileFile(const QString &fileName);

    // The file's full path.
    QString path() const { return m_path; }

    // The stored value, or the default when the file, the section or the key is missing.
    QString readText(const QString &section, const QString &key, const QString &defaultText) const;
    // The stored value read as an integer (profileInteger), or the default when it holds none.
    qint32 readInteger(const QString &section, const QString &key, qint32 defaultValue) const;
    // On when an integer read with default 0 or 1 (as the default is off or on) is not 0.
    [[nodiscard]] bool readFlag(const QString &section, const QString &key,
                                bool defaultValue) const;

    // Each write stores one value, creating the file, the section and the key as needed, or
    // throws the Failure "Unable to write to <file name>" and leaves the file as it was.
    void writeText(const QString &section, const QString &key, const QString &value);
    // Decimal, with "-" when negative, no "+" and no leading zeros.
    void writeInteger(const QString &section, const QString &key, qint32 value);
    // "1" for on, "0" for off.
    void writeFlag(const QString &section, const QString &key, bool value);

private:
    QString m_path;
};

} // namespace platform
