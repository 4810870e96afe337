// Gives a test a configuration folder of its own: the home folder moves to a new temporary
// folder and the standard paths switch to their test mode, so that no test can reach a user's
// QVL.INI, and the folder that holds the settings file does not exist yet.
#pragma once

#include "editor/window/DisplaySettings.h"
#include "platform/ProfileFile.h"

#include <QDir>
#include <QStandardPaths>
#include <QTemporaryDir>

class PrivateConfig {
public:
    PrivateConfig() {
        qputenv("HOME", QFile::encodeName(m_home.path()));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_home.filePath(QStringLiteral(".config"))));
        QStandardPaths::setTestModeEnabled(true);
    }

    // The settings file the program uses; valid only when it lies inside this test's folder.
    QString settingsPath() const {
        return platform::ProfileFile(QString::fromLatin1(settingsFileName)).path();
    }
    bool isPrivate() const {
        return m_home.isValid() && settingsPath().startsWith(m_home.path() + u'/');
    }
    QString home() const { return m_home.path(); }

private:
    QTemporaryDir m_home;
};
