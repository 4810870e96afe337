// The help requests: finding the help collection, keeping the one viewer window, and
// handing each command to it.
#include "platform/Help.h"

#include "platform/HelpViewer.h"
#include "platform/MessageBox.h"

#include <QApplication>
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

// The collection's file name: the help file's base name with the extension of a collection.
QString collectionName() {
    const QString base = QFileInfo(helpFileName()).completeBaseName();
    return base.isEmpty() ? QString() : base + QStringLiteral(".qhc");
}

// Beside the program while it runs from the build tree; in the installed data folder after
// installation.
QString findCollection() {
    const QString name = collectionName();
    if (name.isEmpty())
        return {};
    const QDir programDir(QCoreApplication::applicationDirPath());
    for (const QString &candidate :
         {programDir.filePath(name),
          programDir.filePath(QStringLiteral("../share/shroud-a-pad/help/") + name)}) {
        const QFileInfo file(candidate);
        if (file.isFile() && file.isReadable())
            return file.canonicalFilePath();
    }
    return {};
}

// The viewer's own note when it has nothing to show, over the window that asked for help.
void sayHelpFileFailed(const char *words) {
    const QString name = collectionName();
    beepAndShowMessageBox(
        QApplication::activeWindow(),
        QString::fromLatin1(words).arg(name.isEmpty() ? QString() : QStringLiteral(" ") + name),
        MessageKind::Error, Ok);
}

// The viewer for the current help file, created on the first request. It belongs to the
// application rather than to the window that asked, so it stays open after a dialog closes.
// Without a readable collection the user is told so, and there is no viewer.
HelpViewer *openViewer() {
    const QString collection = findCollection();
    if (collection.isEmpty()) {
        sayHelpFileFailed("Cannot find the help file%1.");
        return nullptr;
    }
    QPointer<HelpViewer> &viewer = viewerWindow();
    if (viewer && viewer->collectionFile() == collection)
        return viewer;
    auto *created = new HelpViewer(collection);
    if (!created->isUsable()) {
        delete created;
        sayHelpFileFailed("Cannot read the help file%1.");
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
