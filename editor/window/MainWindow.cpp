// Building the main window: the editor in its frame, the status panels, the menus and tool bar
// of the command table, and the editor's events that refresh the status.
#include "editor/window/MainWindow.h"

#include "editor/text/TextEditor.h"
#include "editor/window/StatusText.h"
#include "platform/Failure.h"

#include <QApplication>
#include <QCoreApplication>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>
#include <QVBoxLayout>
#include <algorithm>

namespace {

// The editor's area without the menu bar, as the window first opens.
constexpr QSize initialClientSize(560, 352);
constexpr int textTypeWidth = 88;

QLabel *createPanel(const char *name, const QString &caption) {
    auto *panel = new QLabel(caption);
    panel->setObjectName(QLatin1String(name));
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return panel;
}

} // namespace

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent) {
    setObjectName(QStringLiteral("Tfrm_SPad"));
    setWindowTitle(QLatin1String(platform::applicationTitle));
    // The tool bar and the menu bar cannot be hidden from a context menu.
    setContextMenuPolicy(Qt::NoContextMenu);
    createActions();
    createMenus();
    createToolBar();
    createEditor();
    createStatusBar();
    connectEditorEvents();
    connectCommands();
    // Wider only where the language's captions need more than the English ones.
    const int barsWidth =
        std::max(findChild<QToolBar *>(QStringLiteral("pan_Toolbar"))->sizeHint().width(),
                 statusBar()->sizeHint().width());
    resize(std::max(initialClientSize.width(), barsWidth),
           initialClientSize.height() + menuBar()->sizeHint().height());
    m_editor->setFocus();
}

void MainWindow::createEditor() {
    auto *frame = new QFrame(this);
    frame->setObjectName(QStringLiteral("pan_SPad"));
    frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    frame->setLineWidth(1);
    m_editor = new TextEditor(frame);
    m_editor->setAccessibleName(tr("Text editor"));
    auto *layout = new QVBoxLayout(frame);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_editor);
    setCentralWidget(frame);
}

void MainWindow::createStatusBar() {
    auto *bar = new QStatusBar(this);
    bar->setObjectName(QStringLiteral("pan_Status"));
    bar->setSizeGripEnabled(false);
    setStatusBar(bar);
    m_sizePanel = createPanel("pan_Bytes", status_text::sizeCaption(0, 0));
    m_textTypePanel = createPanel("pan_TextType", status_text::textTypeCaption(false));
    // Wide enough for the longer caption in whatever font stands in.
    m_textTypePanel->setText(status_text::textTypeCaption(true));
    m_textTypePanel->setMinimumWidth(std::max(textTypeWidth, m_textTypePanel->sizeHint().width()));
    m_textTypePanel->setText(status_text::textTypeCaption(false));
    m_formatPanel = createPanel("pan_Format", status_text::formatCaption({}));
    bar->addPermanentWidget(m_sizePanel, 1);
    bar->addPermanentWidget(m_formatPanel);
    bar->addPermanentWidget(m_textTypePanel);
}

// Every change of the text, key release and mouse move refreshes the status.
void MainWindow::connectEditorEvents() {
    const auto refresh = platform::guarded(this, &MainWindow::updateStatus);
    connect(m_editor, &QPlainTextEdit::textChanged, this, refresh);
    connect(m_editor, &TextEditor::keyReleased, this, refresh);
    connect(m_editor, &TextEditor::mouseMoved, this, refresh);
}

// When a command's dialogs and boxes have closed, the window system may leave no window
// active (a box closed over a dialog that then closed, say), and typing would go nowhere. The
// editor takes the keyboard again, unless another window of the program (the help viewer)
// took it on purpose.
void MainWindow::returnFocusToEditor() {
    if (!isVisible() || QApplication::activeModalWidget() != nullptr)
        return;
    QWidget *active = QApplication::activeWindow();
    if (active != nullptr && active != this)
        return;
    activateWindow();
    m_editor->setFocus(Qt::OtherFocusReason);
}

// Posts the quit request; the event loop ends and the window is destroyed after it.
void MainWindow::quitProgram() {
    QMetaObject::invokeMethod(QCoreApplication::instance(), &QCoreApplication::quit,
                              Qt::QueuedConnection);
}
