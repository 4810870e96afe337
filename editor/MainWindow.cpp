// Building the main window: its menu items, tool buttons, editor and status panels, and the
// connections from each of them to its handler.
#include "editor/MainWindow.h"

#include "editor/TextEditor.h"
#include "editor/StatusText.h"
#include "editor/ToolIcon.h"
#include "platform/Failure.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCoreApplication>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace {

// The editor's area without the menu bar, as the window first opens.
constexpr QSize initialClientSize(560, 352);
constexpr QSize squarePicture(19, 17);
constexpr QSize padlockPicture(16, 16);
constexpr QSize squareButton(25, 25);
constexpr QSize captionedButton(69, 25);
constexpr int groupGap = 13;
constexpr int textTypeWidth = 88;

QLabel *createPanel(const char *name, const QString &caption) {
    auto *panel = new QLabel(caption);
    panel->setObjectName(QLatin1String(name));
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return panel;
}

QAction *addSeparator(QMenu *menu, const char *name) {
    QAction *separator = menu->addSeparator();
    separator->setObjectName(QLatin1String(name));
    return separator;
}

// A menu of the menu bar, or a submenu of a menu.
template <class Parent>
QMenu *addMenu(Parent *bar, const char *name, const QString &caption,
               const QList<QAction *> &items) {
    QMenu *menu = bar->addMenu(caption);
    menu->setObjectName(QLatin1String(name));
    menu->menuAction()->setObjectName(QLatin1String(name));
    menu->addActions(items);
    return menu;
}

// Items of which one is checked, the choice shown when the menu opens.
void checkableGroup(QObject *owner, const QList<QAction *> &items) {
    auto *group = new QActionGroup(owner);
    for (QAction *item : items) {
        item->setCheckable(true);
        group->addAction(item);
    }
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
    resize(initialClientSize.width(), initialClientSize.height() + menuBar()->sizeHint().height());
    txt_SPad->setFocus();
}

QAction *MainWindow::createAction(const char *name, const QString &caption,
                                 const QKeySequence &shortcut) {
    auto *action = new QAction(caption, this);
    action->setObjectName(QLatin1String(name));
    action->setShortcut(shortcut);
    return action;
}

void MainWindow::createActions() {
    New1 = createAction("New1", tr("&New"), Qt::CTRL | Qt::Key_N);
    OpenFile1 = createAction("OpenFile1", tr("&Open File..."), Qt::CTRL | Qt::Key_O);
    SaveFileAs1 = createAction("SaveFileAs1", tr("&Save File As..."), Qt::CTRL | Qt::Key_S);
    Encrypt1 = createAction("Encrypt1", tr("&Encrypt"), Qt::CTRL | Qt::Key_E);
    EncryptUsingMethod1 =
        createAction("EncryptUsingMethod1", tr("Encrypt With Specific &Method..."));
    Decrypt1 = createAction("Decrypt1", tr("&Decrypt"), Qt::CTRL | Qt::Key_D);
    Exit1 = createAction("Exit1", tr("E&xit"));
    Undo1 = createAction("Undo1", tr("&Undo"), Qt::CTRL | Qt::Key_Z);
    Cut1 = createAction("Cut1", tr("Cu&t"), Qt::CTRL | Qt::Key_X);
    Copy1 = createAction("Copy1", tr("&Copy"), Qt::CTRL | Qt::Key_C);
    Paste1 = createAction("Paste1", tr("&Paste"), Qt::CTRL | Qt::Key_V);
    Delete1 = createAction("Delete1", tr("&Delete"), Qt::CTRL | Qt::Key_Delete);
    SelectAll1 = createAction("SelectAll1", tr("Se&lect All"));
    Font1 = createAction("Font1", tr("&Font..."));
    TextColor1 = createAction("TextColor1", tr("&Text Color..."));
    BackgroundColor1 = createAction("BackgroundColor1", tr("&Background Color..."));
    WordWrap1 = createAction("WordWrap1", tr("Word Wrap"));
    WordWrap1->setCheckable(true);
    Windows12521 = createAction("Windows12521", tr("&Windows-1252"));
    Utf81 = createAction("Utf81", tr("&UTF-8"));
    Utf8WithMark1 = createAction("Utf8WithMark1", tr("UTF-8 with Byte-Order &Mark"));
    checkableGroup(this, {Windows12521, Utf81, Utf8WithMark1});
    CrLf1 = createAction("CrLf1", tr("&CR LF (Windows)"));
    Lf1 = createAction("Lf1", tr("&LF (Linux)"));
    checkableGroup(this, {CrLf1, Lf1});
    Contents1 = createAction("Contents1", tr("&Contents"), Qt::Key_F1);
    SearchforHelpOn1 = createAction("SearchforHelpOn1", tr("&Search for Help On..."));
    HowtoUseHelp1 = createAction("HowtoUseHelp1", tr("&How to Use Help"));
    About2 = createAction("About2", tr("&About..."));
}

void MainWindow::createMenus() {
    QMenuBar *bar = menuBar();
    Action1 = addMenu(bar, "Action1", tr("&Action"), {New1, OpenFile1, SaveFileAs1});
    N5 = addSeparator(Action1, "N5");
    Action1->addActions({Encrypt1, EncryptUsingMethod1, Decrypt1});
    N1 = addSeparator(Action1, "N1");
    Action1->addAction(Exit1);
    Edit1 = addMenu(bar, "Edit1", tr("&Edit"), {Undo1, Cut1, Copy1, Paste1, Delete1, SelectAll1});
    Options1 =
        addMenu(bar, "Options1", tr("&Options"), {Font1, TextColor1, BackgroundColor1, WordWrap1});
    N6 = addSeparator(Options1, "N6");
    Encoding1 =
        addMenu(Options1, "Encoding1", tr("&Encoding"), {Windows12521, Utf81, Utf8WithMark1});
    LineBreaks1 = addMenu(Options1, "LineBreaks1", tr("&Line Breaks"), {CrLf1, Lf1});
    Help1 = addMenu(bar, "Help1", tr("&Help"), {Contents1, SearchforHelpOn1, HowtoUseHelp1});
    N4 = addSeparator(Help1, "N4");
    Help1->addAction(About2);
}

QToolButton *MainWindow::createToolButton(const char *name, const char *icon, const QString &hint) {
    auto *button = new QToolButton(pan_Toolbar);
    button->setObjectName(QLatin1String(name));
    button->setIcon(toolIcon(icon));
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setAccessibleName(hint);
    button->setToolTip(hint);
    button->setIconSize(squarePicture);
    button->setMinimumSize(squareButton);
    return button;
}

void MainWindow::createToolBar() {
    pan_Toolbar = new QToolBar(this);
    pan_Toolbar->setObjectName(QStringLiteral("pan_Toolbar"));
    pan_Toolbar->setMovable(false);
    pan_Toolbar->setFloatable(false);
    addToolBar(pan_Toolbar);

    struct Button {
        QToolButton *MainWindow::*member;
        const char *name;
        const char *icon;
        QString hint;
        bool enabled;
        bool gapAfter;
    };
    const Button buttons[] = {
        {&MainWindow::btn_New, "btn_New", "new", tr("New"), true, false},
        {&MainWindow::btn_Open, "btn_Open", "open", tr("Open"), true, false},
        {&MainWindow::btn_Save, "btn_Save", "save", tr("Save"), false, true},
        {&MainWindow::btn_Cut, "btn_Cut", "cut", tr("Cut"), false, false},
        {&MainWindow::btn_Copy, "btn_Copy", "copy", tr("Copy"), false, false},
        {&MainWindow::btn_Paste, "btn_Paste", "paste", tr("Paste"), true, false},
        {&MainWindow::btn_SelectAll, "btn_SelectAll", "selectall", tr("Select All"), false, false},
        {&MainWindow::btn_Delete, "btn_Delete", "delete", tr("Delete"), false, true},
        {&MainWindow::btn_Undo, "btn_Undo", "undo", tr("Undo"), false, true},
        {&MainWindow::btn_Encrypt, "btn_Encrypt", "encrypt", tr("Encrypt"), false, false},
        {&MainWindow::btn_Decrypt, "btn_Decrypt", "decrypt", tr("Decrypt"), false, false},
    };
    for (const Button &spec : buttons) {
        QToolButton *button = createToolButton(spec.name, spec.icon, spec.hint);
        button->setEnabled(spec.enabled);
        pan_Toolbar->addWidget(button);
        this->*spec.member = button;
        if (spec.gapAfter) {
            auto *gap = new QWidget(pan_Toolbar);
            gap->setFixedWidth(groupGap);
            pan_Toolbar->addWidget(gap);
        }
    }
    // Encrypt and Decrypt carry their caption beside the padlock instead of a tool tip.
    for (QToolButton *button : {btn_Encrypt, btn_Decrypt}) {
        button->setText(button->accessibleName());
        button->setToolTip({});
        button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        button->setIconSize(padlockPicture);
        button->setMinimumSize(captionedButton);
    }
}

void MainWindow::createEditor() {
    pan_SPad = new QFrame(this);
    pan_SPad->setObjectName(QStringLiteral("pan_SPad"));
    pan_SPad->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    pan_SPad->setLineWidth(1);
    txt_SPad = new TextEditor(pan_SPad);
    txt_SPad->setAccessibleName(tr("Text editor"));
    auto *layout = new QVBoxLayout(pan_SPad);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(txt_SPad);
    setCentralWidget(pan_SPad);
}

void MainWindow::createStatusBar() {
    pan_Status = new QStatusBar(this);
    pan_Status->setObjectName(QStringLiteral("pan_Status"));
    pan_Status->setSizeGripEnabled(false);
    setStatusBar(pan_Status);
    pan_Bytes = createPanel("pan_Bytes", status_text::sizeCaption(0, 0));
    pan_TextType = createPanel("pan_TextType", status_text::textTypeCaption(false));
    // Wide enough for the longer caption in whatever font stands in.
    pan_TextType->setText(status_text::textTypeCaption(true));
    pan_TextType->setMinimumWidth(std::max(textTypeWidth, pan_TextType->sizeHint().width()));
    pan_TextType->setText(status_text::textTypeCaption(false));
    pan_Format = createPanel("pan_Format", status_text::formatCaption({}));
    pan_Status->addPermanentWidget(pan_Bytes, 1);
    pan_Status->addPermanentWidget(pan_Format);
    pan_Status->addPermanentWidget(pan_TextType);
}

void MainWindow::connectEditorEvents() {
    connect(txt_SPad, &QPlainTextEdit::textChanged, this,
            platform::guarded(this, &MainWindow::txt_SPadChange));
    connect(txt_SPad, &TextEditor::keyReleased, this,
            platform::guarded(this, &MainWindow::txt_SPadKeyUp));
    connect(txt_SPad, &TextEditor::mouseMoved, this,
            platform::guarded(this, &MainWindow::txt_SPadMouseMove));
}

void MainWindow::bindCommand(QAction *item, QToolButton *button, Handler handler) {
    const auto command = [this, run = platform::guarded(this, handler)] {
        run();
        returnFocusToEditor();
    };
    connect(item, &QAction::triggered, this, command);
    if (button != nullptr)
        connect(button, &QToolButton::clicked, this, command);
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
    txt_SPad->setFocus(Qt::OtherFocusReason);
}

void MainWindow::connectCommands() {
    bindCommand(New1, btn_New, &MainWindow::btn_NewClick);
    bindCommand(Exit1, nullptr, &MainWindow::Exit1Click);
    bindCommand(Undo1, btn_Undo, &MainWindow::btn_UndoClick);
    bindCommand(Cut1, btn_Cut, &MainWindow::btn_CutClick);
    bindCommand(Copy1, btn_Copy, &MainWindow::btn_CopyClick);
    bindCommand(Paste1, btn_Paste, &MainWindow::btn_PasteClick);
    bindCommand(Delete1, btn_Delete, &MainWindow::btn_DeleteClick);
    bindCommand(SelectAll1, btn_SelectAll, &MainWindow::btn_SelectAllClick);
    bindCommand(OpenFile1, btn_Open, &MainWindow::btn_OpenClick);
    bindCommand(SaveFileAs1, btn_Save, &MainWindow::btn_SaveClick);
    bindCommand(Font1, nullptr, &MainWindow::Font1Click);
    bindCommand(TextColor1, nullptr, &MainWindow::TextColor1Click);
    bindCommand(BackgroundColor1, nullptr, &MainWindow::BackgroundColor1Click);
    bindCommand(WordWrap1, nullptr, &MainWindow::WordWrap1Click);
    bindCommand(Windows12521, nullptr, &MainWindow::Windows12521Click);
    bindCommand(Utf81, nullptr, &MainWindow::Utf81Click);
    bindCommand(Utf8WithMark1, nullptr, &MainWindow::Utf8WithMark1Click);
    bindCommand(CrLf1, nullptr, &MainWindow::CrLf1Click);
    bindCommand(Lf1, nullptr, &MainWindow::Lf1Click);
    connect(Options1, &QMenu::aboutToShow, this, &MainWindow::checkFormatItems);
    bindCommand(Encrypt1, btn_Encrypt, &MainWindow::btn_EncryptClick);
    bindCommand(EncryptUsingMethod1, nullptr, &MainWindow::EncryptUsingMethod1Click);
    bindCommand(Decrypt1, btn_Decrypt, &MainWindow::btn_DecryptClick);
    bindCommand(Contents1, nullptr, &MainWindow::Contents1Click);
    bindCommand(SearchforHelpOn1, nullptr, &MainWindow::SearchforHelpOn1Click);
    bindCommand(HowtoUseHelp1, nullptr, &MainWindow::HowtoUseHelp1Click);
    bindCommand(About2, nullptr, &MainWindow::About2Click);

    // A key that a menu item holds runs the menu's command, with its checks and messages,
    // even while the editor has the focus.
    QList<QKeySequence> menuKeys;
    for (const QAction *action : findChildren<QAction *>()) {
        if (!action->shortcut().isEmpty())
            menuKeys.append(action->shortcut());
    }
    txt_SPad->declineKeys(menuKeys);
}

// Posts the quit request; the event loop ends and the window is destroyed after it.
void MainWindow::Exit1Click() {
    QMetaObject::invokeMethod(QCoreApplication::instance(), &QCoreApplication::quit,
                              Qt::QueuedConnection);
}
