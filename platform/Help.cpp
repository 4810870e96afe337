// The help requests: finding the help collection, keeping the one viewer window, and
// handing each command to it.
#include "platform/Help.h"

#include "platform/HelpViewer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPointer>

namespace platform {

namespace {

constexpr qsizetype maxMacroLength = 255;

QString &helpFileName() {
    static QString name;
    return name;
}

QPointer<HelpViewer> &viewerWindow() {
    static QPointer<HelpViewer> viewer;
    return viewer;
}

// Beside the program while it runs from the build tree; in the installed data folder after
// installation.
QString findCollection() {
    const QString base = QFileInfo(helpFileName()).completeBaseName();
    if (base.isEmpty())
        return {};
    const QDir programDir(QCoreApplication::applicationDirPath());
    const QString name = base + QStringLiteral(".qhc");
    for (const QString &candidate :
         {programDir.filePath(name),
          programDir.filePath(QStringLiteral("../share/shroud-a-pad/help/") + name)}) {
        const QFileInfo file(candidate);
        if (file.isFile() && file.isReadable())
            return file.canonicalFilePath();
    }
    return {};
}

// The viewer for the current help file, created on the first request. It belongs to the
// application rather than to the window that asked, so it stays open after a dialog closes.
HelpViewer *openViewer() {
    const QString collection = findCollection();
    if (collection.isEmpty())
        return nullptr;
    QPointer<HelpViewer> &viewer = viewerWindow();
    if (viewer && viewer->collectionFile() == collection)
        return viewer;
    auto *created = new HelpViewer(collection);
    if (!created->isUsable()) {
        delete created;
        return nullptr;
    }
    delete viewer;
    viewer = created;
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, created, &QObject::deleteLater);
    return created;
}

} // namespace

void setHelpFile(const QString &fileName) {
    helpFileName() = fileName;
}

QString helpFile() {
    return helpFileName();
}

bool helpRequest(HelpCommand command, const QString &macro) {
    HelpViewer *viewer = openViewer();
    if (!viewer)
        return false;
    switch (command) {
    case HelpCommand::Contents:
        return viewer->showContents();
    case HelpCommand::HelpOnHelp:
        return viewer->showHelpOnHelp();
    case HelpCommand::PartialKey:
        return viewer->showKeywordSearch();
    case HelpCommand::Command:
        return viewer->runMacro(macro);
    }
    return false;
}

bool topicJump(const QString &contextName) {
    if (!helpRequest(HelpCommand::Contents))
        return true;
    return helpRequest(HelpCommand::Command, jumpMacro(contextName));
}

QString jumpMacro(const QString &contextName) {
    return QStringLiteral("JumpID(\"\",\"%1\")").arg(contextName).left(maxMacroLength);
}

HelpViewer *helpViewer() {
    return viewerWindow();
}

} // namespace platform
