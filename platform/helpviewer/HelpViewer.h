// The help viewer window: the contents and keyword index of the help collection beside the
// topic being read, with the operations the help requests ask of it.
#pragma once

#include "platform/HelpWindow.h"

#include <QMainWindow>
#include <QUrl>

class QHelpEngine;
class QLineEdit;
class QTabWidget;

namespace platform {

class HelpBrowser;

class HelpViewer : public QMainWindow, public HelpWindow {
    Q_OBJECT

public:
    // Opens the collection read-only; isUsable() says whether it could be read.
    explicit HelpViewer(const QString &collectionFile, QWidget *parent = nullptr);
    ~HelpViewer() override;

    QWidget *widget() override { return this; }
    bool isUsable() const override;
    QString collectionFile() const override;

    bool showContents() override;
    bool showKeywordSearch() override;
    bool showHelpOnHelp() override;
    bool runMacro(const QString &macro) override;
    bool jumpTo(const QString &contextName) override;

    QString currentTopic() const override;
    QUrl currentPage() const override;

private:
    void buildWindow();
    void buildToolBar();
    QWidget *buildContentsTab();
    QWidget *buildIndexTab();
    bool openIdentifier(const QString &identifier);
    void markInContents(const QUrl &page);
    void placeBeside(const QWidget *owner);
    // Shows the viewer, beside the window that asked when it was not open, and raises it.
    void present();

    QHelpEngine *m_engine = nullptr;
    bool m_usable = false;
    QTabWidget *m_tabs = nullptr;
    QLineEdit *m_indexSearch = nullptr;
    HelpBrowser *m_browser = nullptr;
    QString m_jumpTopic;
    QUrl m_jumpPage;
};

} // namespace platform
