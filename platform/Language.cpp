#include "platform/Language.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace platform {

namespace {

QString &chosen() {
    static QString language;
    return language;
}

// Beside the program while it runs from the build tree; in the installed data folder after
// installation, beside the help.
QStringList catalogueFolders() {
    const QDir programDir(QCoreApplication::applicationDirPath());
    return {programDir.filePath(QStringLiteral("translations")),
            programDir.filePath(QStringLiteral("../share/shroud-a-pad/translations"))};
}

// "de-DE" as a catalogue's suffix: "de_DE".
QString catalogueSuffix(QString uiLanguage) {
    return uiLanguage.replace(u'-', u'_');
}

bool isEnglish(const QString &uiLanguage) {
    return uiLanguage == u"C" || uiLanguage.startsWith(u"en");
}

// Installs a translator that lives as long as the application.
bool install(const QString &name, const QString &folder) {
    auto *translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(name, folder) && QCoreApplication::installTranslator(translator))
        return true;
    delete translator;
    return false;
}

// The program's catalogue for one of the desktop's languages, tried with and without its
// country ("pt_BR", then "pt").
bool loadProgramCatalogue(const QString &language) {
    for (const QString &folder : catalogueFolders()) {
        if (install(QStringLiteral("shroud-a-pad_") + language, folder)) {
            chosen() = language;
            return true;
        }
    }
    return false;
}

} // namespace

void loadTranslations() {
    for (const QString &uiLanguage : QLocale::system().uiLanguages()) {
        if (isEnglish(uiLanguage))
            return;
        const QString full = catalogueSuffix(uiLanguage);
        const QString language = full.section(u'_', 0, 0);
        if (loadProgramCatalogue(full) || loadProgramCatalogue(language)) {
            const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
            install(QStringLiteral("qtbase_") + chosen(), qtFolder);
            QLocale::setDefault(QLocale(chosen()));
            return;
        }
    }
}

QString chosenLanguage() {
    return chosen();
}

} // namespace platform
