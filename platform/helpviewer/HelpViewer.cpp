// The help viewer window: contents and index tabs from Qt Help's widgets, the topic pane,
// and the page look-ups behind the four help requests.
#include "helpviewer/HelpViewer.h"

#include "helpviewer/HelpBrowser.h"
#include "platform/DialogPlacement.h"

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QHeaderView>
#include <QHelpContentItem>
#include <QHelpContentModel>
#include <QHelpContentWidget>
#include <QHelpEngine>
#include <QHelpIndexWidget>
#include <QHelpLink>
#include <QLineEdit>
#include <QRegularExpression>
#include <QScreen>
#include <QSplitter>
#include <QStatusBar>
#include <QStyledItemDelegate>
#include <QTabWidget>
#include <QToolBar>
#include <QVBoxLayout>

namespace platform {

namespace {

// The titles of the contents broken over lines where the pane is too narrow for them: each row
// is as high as its title takes at the width the pane leaves it after the indentation of its
// level.
class WrappedTitles : public QStyledItemDelegate {
public:
    explicit WrappedTitles(QTreeView *view)
        : QStyledItemDelegate(view)
        , m_view(view) {}

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override {
        int levels = m_view->rootIsDecorated() ? 1 : 0;
        for (QModelIndex above = index.parent(); above.isValid(); above = above.parent())
            ++levels;
        QStyleOptionViewItem title = option;
        initStyleOption(&title, index);
        title.features |= QStyleOptionViewItem::WrapText;
        // The style wraps the text only within a rectangle that has a height.
        const int width = m_view->viewport()->width() - levels * m_view->indentation();
        title.rect = QRect(0, 0, width, QWIDGETSIZE_MAX);
        return m_view->style()->sizeFromContents(QStyle::CT_ItemViewItem, &title, QSize(), m_view);
    }

private:
    QTreeView *m_view;
};

// Index identifiers of the viewer's own pages; the topics the program jumps to carry theirs.
const QString contentsPage = QStringLiteral("Help_Contents");
const QString usingHelpPage = QStringLiteral("Help_HowToUseHelp");

enum Tab { ContentsTab, IndexTab };

// The viewer's size as it opens: room for the contents beside a page of help. Where the screen
// leaves less room beside the window that asked for help, it opens narrower, down to the
// narrowest width, at which the page pane still shows every page's tables whole (over the
// window that asked, where the screen is too small to hold both side by side).
constexpr QSize openingSize(880, 580);
constexpr int narrowestWidth = 760;
// The contents pane's width as the viewer opens; the page pane takes the rest.
constexpr int contentsWidth = 210;

} // namespace

HelpViewer::HelpViewer(const QString &collectionFile, QWidget *parent)
    : QMainWindow(parent)
    , m_engine(new QHelpEngine(collectionFile, this)) {
    // The collection may lie in a folder the user cannot write; nothing here changes it.
    m_engine->setReadOnly(true);
    m_usable = m_engine->setupData() && !m_engine->registeredDocumentations().isEmpty();
    buildWindow();
}

HelpViewer::~HelpViewer() = default;

bool HelpViewer::isUsable() const {
    return m_usable;
}

QString HelpViewer::collectionFile() const {
    return m_engine->collectionFile();
}

void HelpViewer::buildWindow() {
    setObjectName(QStringLiteral("HelpViewer"));
    setWindowTitle(tr("Shroud-a-Pad Help"));
    // Reading help must not keep the program running once its main window has closed.
    setAttribute(Qt::WA_QuitOnClose, false);

    m_browser = new HelpBrowser(m_engine, this);
    connect(m_browser, &HelpBrowser::sourceChanged, this, &HelpViewer::markInContents);
    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("helpTabs"));
    m_tabs->addTab(buildContentsTab(), tr("&Contents"));
    m_tabs->addTab(buildIndexTab(), tr("&Index"));

    auto *splitter = new QSplitter(this);
    splitter->addWidget(m_tabs);
    splitter->addWidget(m_browser);
    splitter->setStretchFactor(0, 0);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({contentsWidth, openingSize.width() - contentsWidth});
    setCentralWidget(splitter);
    buildToolBar();
    statusBar();
    resize(openingSize);

    // Escape and Ctrl+W close the viewer wherever its focus is.
    auto *closeViewer = new QAction(tr("Close"), this);
    closeViewer->setObjectName(QStringLiteral("helpClose"));
    closeViewer->setShortcuts({QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)});
    connect(closeViewer, &QAction::triggered, this, &QWidget::close);
    addAction(closeViewer);
}

QWidget *HelpViewer::buildContentsTab() {
    QHelpContentWidget *contents = m_engine->contentWidget();
    contents->setObjectName(QStringLiteral("helpContents"));
    // A title longer than the pane is wide goes on over another line rather than lose its end
    // or scroll out of sight: rows of their own heights, taken anew whenever the pane's width
    // changes.
    contents->setTextElideMode(Qt::ElideNone);
    contents->setWordWrap(true);
    contents->setUniformRowHeights(false);
    contents->setItemDelegate(new WrappedTitles(contents));
    contents->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    contents->header()->setStretchLastSection(true);
    connect(contents->header(), &QHeaderView::sectionResized, contents, &QTreeView::doItemsLayout,
            Qt::QueuedConnection);

    connect(contents, &QHelpContentWidget::linkActivated, m_browser,
            [this](const QUrl &page) { m_browser->setSource(page); });
    // One click on a topic shows it, whatever the desktop's double-click setting.
    connect(contents, &QAbstractItemView::clicked, m_browser, [this](const QModelIndex &item) {
        if (const QHelpContentItem *topic = m_engine->contentModel()->contentItemAt(item))
            m_browser->setSource(topic->url());
    });
    // The table of contents is read in the background; once it is there, show it whole.
    connect(m_engine->contentModel(), &QHelpContentModel::contentsCreated, this, [this, contents] {
        contents->expandAll();
        markInContents(m_browser->source());
    });
    return contents;
}

QWidget *HelpViewer::buildIndexTab() {
    auto *page = new QWidget(this);
    m_indexSearch = new QLineEdit(page);
    m_indexSearch->setObjectName(QStringLiteral("helpIndexSearch"));
    m_indexSearch->setPlaceholderText(tr("Type a keyword"));
    m_indexSearch->setClearButtonEnabled(true);
    QHelpIndexWidget *index = m_engine->indexWidget();
    index->setObjectName(QStringLiteral("helpIndex"));

    auto *layout = new QVBoxLayout(page);
    layout->addWidget(m_indexSearch);
    layout->addWidget(index);

    connect(m_indexSearch, &QLineEdit::textChanged, index,
            [index](const QString &text) { index->filterIndices(text); });
    connect(m_indexSearch, &QLineEdit::returnPressed, index,
            &QHelpIndexWidget::activateCurrentItem);
    connect(index, &QHelpIndexWidget::documentActivated, this,
            [this](const QHelpLink &document) { m_browser->setSource(document.url); });
    // A keyword that several topics share opens the first of them.
    connect(index, &QHelpIndexWidget::documentsActivated, this,
            [this](const QList<QHelpLink> &documents) {
                if (!documents.isEmpty())
                    m_browser->setSource(documents.first().url);
            });
    return page;
}

void HelpViewer::buildToolBar() {
    QToolBar *bar = addToolBar(tr("Navigation"));
    bar->setObjectName(QStringLiteral("helpToolBar"));
    bar->setMovable(false);
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);

    QAction *back = bar->addAction(style()->standardIcon(QStyle::SP_ArrowBack), tr("&Back"),
                                   m_browser, &QTextBrowser::backward);
    back->setShortcut(QKeySequence::Back);
    back->setEnabled(false);
    connect(m_browser, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);

    QAction *forward = bar->addAction(style()->standardIcon(QStyle::SP_ArrowForward),
                                      tr("&Forward"), m_browser, &QTextBrowser::forward);
    forward->setShortcut(QKeySequence::Forward);
    forward->setEnabled(false);
    connect(m_browser, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);

    bar->addAction(style()->standardIcon(QStyle::SP_DirHomeIcon), tr("C&ontents"), this,
                   [this] { openIdentifier(contentsPage); });
}

void HelpViewer::markInContents(const QUrl &page) {
    QHelpContentWidget *contents = m_engine->contentWidget();
    const QModelIndex item = contents->indexOf(page);
    if (item.isValid())
        contents->setCurrentIndex(item);
}

// The window that asked for help keeps its place, and the viewer opens beside it.
void HelpViewer::placeBeside(const QWidget *owner) {
    if (owner == nullptr || owner == this || owner->screen() == nullptr)
        return;
    // Until the viewer has been shown once, its frame is taken to be as wide as its owner's.
    const QRect ownerFrame = owner->frameGeometry();
    QSize frame = frameGeometry().size() - size();
    if (frame.isNull())
        frame = ownerFrame.size() - owner->size();
    const QRect place = besideOwner(ownerFrame, openingSize + frame, narrowestWidth,
                                    owner->screen()->availableGeometry());
    resize(place.size() - frame);
    move(place.topLeft());
}

void HelpViewer::present() {
    if (!isVisible())
        placeBeside(QApplication::activeWindow());
    if (isMinimized())
        showNormal();
    else
        show();
    raise();
    activateWindow();
}

bool HelpViewer::openIdentifier(const QString &identifier) {
    const QList<QHelpLink> documents = m_engine->documentsForIdentifier(identifier);
    if (documents.isEmpty())
        return false;
    m_browser->setSource(documents.first().url);
    return true;
}

bool HelpViewer::showContents() {
    present();
    m_tabs->setCurrentIndex(ContentsTab);
    return openIdentifier(contentsPage);
}

bool HelpViewer::showKeywordSearch() {
    present();
    if (m_browser->source().isEmpty())
        openIdentifier(contentsPage);
    m_tabs->setCurrentIndex(IndexTab);
    m_indexSearch->clear();
    m_indexSearch->setFocus();
    return true;
}

bool HelpViewer::showHelpOnHelp() {
    present();
    return openIdentifier(usingHelpPage);
}

bool HelpViewer::runMacro(const QString &macro) {
    static const QRegularExpression jumpId(
        QString::fromLatin1(R"re(^\s*JumpID\s*\(\s*"([^"]*)"\s*,\s*"([^"]*)"\s*\)\s*$)re"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = jumpId.match(macro);
    if (!match.hasMatch())
        return false;
    // An empty file argument means the help file already open; any other must name it.
    const QString file = match.captured(1);
    if (!file.isEmpty() &&
        QFileInfo(file).completeBaseName().compare(QFileInfo(collectionFile()).completeBaseName(),
                                                   Qt::CaseInsensitive) != 0)
        return false;
    return jumpTo(match.captured(2));
}

bool HelpViewer::jumpTo(const QString &contextName) {
    present();
    if (!openIdentifier(contextName)) {
        statusBar()->showMessage(tr("The topic %1 is not in this help file.").arg(contextName));
        return false;
    }
    statusBar()->clearMessage();
    m_jumpTopic = contextName;
    m_jumpPage = m_browser->source();
    return true;
}

QString HelpViewer::currentTopic() const {
    return m_browser->source() == m_jumpPage ? m_jumpTopic : QString();
}

QUrl HelpViewer::currentPage() const {
    return m_browser->source();
}

} // namespace platform
