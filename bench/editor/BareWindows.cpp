// The bare windows, built from plain Qt widgets only.
#include "BareWindows.h"

#include "editor/EditorFont.h"

#include <QIcon>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

namespace {

// A menu of plain actions; an empty caption stands for a separator.
QMenu *addPlainMenu(QWidget *parent, const QString &title, const QStringList &captions) {
    auto *menu = new QMenu(title, parent);
    for (const QString &caption : captions) {
        if (caption.isEmpty())
            menu->addSeparator();
        else
            menu->addAction(caption);
    }
    return menu;
}

// The main window's four menus, two of them with a submenu, as plain Qt menus.
void addPlainMenus(QMainWindow *window) {
    QMenuBar *bar = window->menuBar();
    bar->addMenu(addPlainMenu(bar, "&Action",
                              {"&New", "&Open File...", "&Save File As...", "", "&Encrypt",
                               "Encrypt With Specific &Method...", "&Decrypt", "", "E&xit"}));
    bar->addMenu(addPlainMenu(
        bar, "&Edit", {"&Undo", "Cu&t", "&Copy", "&Paste", "&Delete", "Se&lect All"}));
    QMenu *options = addPlainMenu(
        bar, "&Options", {"&Font...", "&Text Color...", "&Background Color...", "Word Wrap", ""});
    options->addMenu(addPlainMenu(options, "&Encoding", {"&Windows-1252", "&UTF-8", "UTF-8 with Byte-Order &Mark"}));
    options->addMenu(addPlainMenu(options, "&Line Breaks", {"&CR LF (Windows)", "&LF (Linux)"}));
    bar->addMenu(options);
    bar->addMenu(addPlainMenu(bar, "&Help",
                              {"&Contents", "&Search for Help On...", "&How to Use Help", "",
                               "&About..."}));
}

// Eleven tool buttons with the main window's pictures, plainly loaded.
void addPlainToolBar(QMainWindow *window) {
    auto *bar = window->addToolBar(QStringLiteral("Tools"));
    bar->setMovable(false);
    for (const char *name : {"new", "open", "save", "cut", "copy", "paste", "selectall", "delete",
                             "undo", "encrypt", "decrypt"}) {
        auto *button = new QToolButton(bar);
        button->setIcon(QIcon(QStringLiteral(":/icons/%1.png").arg(QLatin1String(name))));
        button->setAutoRaise(true);
        bar->addWidget(button);
    }
}

void addPlainStatusBar(QMainWindow *window) {
    QStatusBar *status = window->statusBar();
    status->addPermanentWidget(new QLabel(QStringLiteral("0 bytes")), 1);
    status->addPermanentWidget(new QLabel(QStringLiteral("CR LF")));
    status->addPermanentWidget(new QLabel(QStringLiteral("Plain text")));
}

// The program's editor draws its text in its own font, shows both scroll bars from the start
// and does not wrap.
void lookLikeTheProgramsEditor(QPlainTextEdit *editor) {
    editor->setFont(defaultEditorFont());
    editor->setLineWrapMode(QPlainTextEdit::NoWrap);
    editor->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    editor->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
}

} // namespace

BareWindow makeBareWindow(BareKind kind) {
    auto window = std::make_unique<QMainWindow>();
    if (kind != BareKind::Plain) {
        addPlainMenus(window.get());
        addPlainToolBar(window.get());
        addPlainStatusBar(window.get());
    }
    auto *editor = new QPlainTextEdit;
    if (kind == BareKind::WithBarsAndLook)
        lookLikeTheProgramsEditor(editor);
    window->setCentralWidget(editor);
    window->resize(560, 400);
    return {std::move(window), editor};
}
