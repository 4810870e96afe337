// The topic pane of the help viewer: a text browser that reads its pages, style sheet and
// pictures out of the help collection.
#pragma once

#include <QTextBrowser>

class QHelpEngineCore;

namespace platform {

class HelpBrowser : public QTextBrowser {
    Q_OBJECT

public:
    HelpBrowser(QHelpEngineCore *engine, QWidget *parent = nullptr);

    QVariant loadResource(int type, const QUrl &name) override;

private:
    QHelpEngineCore *m_engine;
};

} // namespace platform
