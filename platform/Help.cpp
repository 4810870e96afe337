// The help requests: finding the help collection, keeping the one viewer window, and
// handing each command to it.
#include "platform/Help.h"

#include "platform/HelpModule.h"
#include "platform/Language.h"
#include "platform/MessageBox.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QWidget>

namespace platform {

namespace {

constexpr qsizetype maxMacroLength = 255;

QString &helpFileName() {
    static QString name;
    return name;
}

// The one viewer of the process. Its window tells whether it is still there: the end of the run,
// or whoever holds it, may delete it.
struct ViewerInUse {
    HelpWindow *viewer = nullptr;
    QPointer<QWidget> window;
};

ViewerInUse &viewerInUse() {
    static ViewerInUse inUse;
    return inUse;
}

// The collection's file name: the help file's base name with the extension of a collection.
QString collectionName() {
    const QString base = QFileInfo(helpFileName()).completeBaseName();
    return base.isEmpty() ? QString() : base + QStringLiteral(".qhc");
}

// Beside the program while it runs from the build tree; in the installed data folder after
// installation.
QString findCollectionFile(const QString &name) {
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

// The collection in the language chosen at start (QVL_de.qhc) where the help is translated to
// it, else the English one.
QString findCollection() {
    const QString name = collectionName();
    if (name.isEmpty())
        return {};
    const QString language = chosenLanguage();
    if (!language.isEmpty()) {
        const QFileInfo english(name);
        const QString translated = findCollectionFile(english.completeBaseName() + u'_' + language +
                                                      u'.' + english.suffix());
        if (!translated.isEmpty())
            return translated;
    }
    return findCollectionFile(name);
}

// The viewer's own note when it has nothing to show, over the window that asked for help.
// The words come in the user's language; their %1 is the collection's name after a blank, or
// nothing when there is no help file.
void sayHelpFileFailed(const QString &words) {
    const QString name = collectionName();
    beepAndShowMessageBox(QApplication::activeWindow(),
                          words.arg(name.isEmpty() ? QString() : QStringLiteral(" ") + name),
                          MessageKind::Error, Ok);
}

// The viewer for the current help file, created on the first request. It belongs to the
// application rather than to the window that asked, so it stays open after a dialog closes.
// Without a readable collection, or without the help module to read it, the user is told so,
// and there is no viewer.
HelpWindow *openViewer() {
    const QString collection = findCollection();
    if (collection.isEmpty()) {
        //: %1 is the help file's name after a blank, or nothing.
        sayHelpFileFailed(QCoreApplication::translate("Help", "Cannot find the help file%1."));
        return nullptr;
    }
    HelpWindow *viewer = helpViewer();
    if (viewer && viewer->collectionFile() == collection)
        return viewer;
    std::unique_ptr<HelpWindow> created = createHelpWindow(collection);
    if (!created || !created->isUsable()) {
        //: %1 is the help file's name after a blank, or nothing.
        sayHelpFileFailed(QCoreApplication::translate("Help", "Cannot read the help file%1."));
        return nullptr;
    }
    delete viewer;
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, created->widget(),
                     &QObject::deleteLater);
    viewerInUse() = {created.get(), created->widget()};
    return created.release();
}

} // namespace

void setHelpFile(const QString &fileName) {
    helpFileName() = fileName;
}

bool helpRequest(HelpCommand command, const QString &macro) {
    HelpWindow *viewer = openViewer();
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

HelpWindow *helpViewer() {
    const ViewerInUse &inUse = viewerInUse();
    return inUse.window ? inUse.viewer : nullptr;
}

} // namespace platform
