// Small helpers of the settings tests: a file's bytes, storing bytes, and the message of the
// Failure a call throws.
#pragma once

#include "platform/Failure.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTest>

inline QByteArray contentOf(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

inline void store(const QString &path, const QByteArray &content) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(content), content.size());
}

// The message of the Failure the call throws, or "(none)" when it throws none.
template <class Call> QString failureOf(Call call) {
    try {
        call();
    } catch (const platform::Failure &failure) {
        return failure.message();
    }
    return QStringLiteral("(none)");
}

inline const QString writeFailure = QStringLiteral("Unable to write to QVL.INI");
