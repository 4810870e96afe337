// The help viewer window: the contents and keyword index of the help collection beside the
// topic being read, with the operations the help requests ask of it.
#pragma once

#include <QMainWindow>
#include <QUrl>

class QHelpEngine;
class QLineEdit;
class QTabWidget;

namespace platform {

class HelpBrowser;

class HelpViewer : public QMainWindow {
    Q_OBJECT

public:
    // Opens the collection read-only; isUsable() says whether it could be read.
    explicit HelpViewer(const QString &collectionFile, QWidget *parent = nullptr);
    ~HelpViewer() override;

    bool isUsable() const;
    QString collectionFile() const;
    QHelpEngine *engine() const { return m_engine; }

    // Each shows and raises the window; false when the page cannot be found.
    bool showContents();
    bool showKeywordSearch();
    bool showHelpOnHelp();
    // Runs a viewer macro; only the topic jump JumpID("","name") is known.
    bool runMacro(const QString &macro);
    // Opens the topic whose index identifier is the context name.
    bool jumpTo(const QString &contextName);

    // The context name of the topic shown, when it was reached by jumpTo and is still shown.
    QString currentTopic() const;
    QUrl currentPage() const;

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
