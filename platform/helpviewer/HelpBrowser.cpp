// The help viewer's topic pane: pages inside the collection come from the help engine,
// anything else is left to the text browser.
#include "helpviewer/HelpBrowser.h"

#include <QHelpEngineCore>

namespace platform {

HelpBrowser::HelpBrowser(QHelpEngineCore *engine, QWidget *parent)
    : QTextBrowser(parent)
    , m_engine(engine) {
    setObjectName(QStringLiteral("helpBrowser"));
    setOpenLinks(true);
    setOpenExternalLinks(false);
    // A word too long for its table cell widens the page (and shows a scroll bar) rather than
    // being broken in two.
    setWordWrapMode(QTextOption::WordWrap);
}

QVariant HelpBrowser::loadResource(int type, const QUrl &name) {
    if (name.scheme() == QLatin1String("qthelp"))
        return m_engine->fileData(name);
    return QTextBrowser::loadResource(type, name);
}

} // namespace platform
