// The bare windows, built from plain Qt widgets only.
#include "BareWindows.h"

#include "editor/text/EditorFont.h"

#include <QActionGroup>
#include <QIcon>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <utility>

namespace {

// One menu entry: its caption (empty for a separator) and its shortcut, if any.
struct Entry {
    const char *caption;
    QKeySequence shortcut = {};
};

// A menu of plain actions with the program's captions and shortcuts.
QMenu *addPlainMenu(QWidget *parent, const QString &title, std::initializer_list<Entry> entries) {
    auto *menu = new QMenu(title, parent);
    for (const Entry &entry : entries) {
        if (*entry.caption == '\0')
            menu->addSeparator();
        else
            menu->addAction(QString::fromLatin1(entry.caption))->setShortcut(entry.shortcut);
    }
    return menu;
}

// A submenu whose items are one choice, the first chosen, as the program's Encoding and Line
// Breaks menus.
void addChoiceMenu(QMenu *parent, const QString &title, std::initializer_list<Entry> entries) {
    QMenu *menu = addPlainMenu(parent, title, entries);
    auto *group = new QActionGroup(menu);
    for (QAction *item : menu->actions()) {
        item->setCheckable(true);
        group->addAction(item);
    }
    menu->actions().constFirst()->setChecked(true);
    parent->addMenu(menu);
}

// The main window's four menus, two of them with a submenu, as plain Qt menus.
void addPlainMenus(QMainWindow *window) {
    QMenuBar *bar = window->menuBar();
    bar->addMenu(addPlainMenu(bar, "&Action",
                              {{"&New", Qt::CTRL | Qt::Key_N},
                               {"&Open File...", Qt::CTRL | Qt::Key_O},
                               {"&Save File As...", Qt::CTRL | Qt::Key_S},
                               {""},
                               {"&Encrypt", Qt::CTRL | Qt::Key_E},
                               {"Encrypt With Specific &Method..."},
                               {"&Decrypt", Qt::CTRL | Qt::Key_D},
                               {""},
                               {"E&xit"}}));
    bar->addMenu(addPlainMenu(bar, "&Edit",
                              {{"&Undo", Qt::CTRL | Qt::Key_Z},
                               {"Cu&t", Qt::CTRL | Qt::Key_X},
                               {"&Copy", Qt::CTRL | Qt::Key_C},
                               {"&Paste", Qt::CTRL | Qt::Key_V},
                               {"&Delete", Qt::CTRL | Qt::Key_Delete},
                               {"Se&lect All"}}));
    QMenu *options = addPlainMenu(
        bar, "&Options",
        {{"&Font..."}, {"&Text Color..."}, {"&Background Color..."}, {"Word Wrap"}, {""}});
    options->actions().at(3)->setCheckable(true);
    addChoiceMenu(options, "&Encoding",
                  {{"&Windows-1252"}, {"&UTF-8"}, {"UTF-8 with Byte-Order &Mark"}});
    addChoiceMenu(options, "&Line Breaks", {{"&CR LF (Windows)"}, {"&LF (Linux)"}});
    bar->addMenu(options);
    bar->addMenu(addPlainMenu(bar, "&Help",
                              {{"&Contents", Qt::Key_F1},
                               {"&Search for Help On..."},
                               {"&How to Use Help"},
                               {""},
                               {"&About..."}}));
}

// One tool button: its picture, whether a group gap stands before it, its caption (only the
// padlocks carry one) and whether it is enabled in an empty window.
struct Button {
    const char *picture;
    bool gapBefore = false;
    const char *caption = nullptr;
    bool enabled = false;
};

// A button's picture with its greyed look, both plainly loaded.
QIcon plainPicture(const char *name) {
    const QString base = QStringLiteral(":/icons/") + QLatin1String(name);
    QIcon icon(base + QStringLiteral(".png"));
    icon.addFile(base + QStringLiteral("-disabled.png"), {}, QIcon::Disabled);
    return icon;
}

// The program's eleven tool buttons in three groups, with its pictures, sizes, captions and
// the states an empty window shows.
void addPlainToolBar(QMainWindow *window) {
    auto *bar = window->addToolBar(QStringLiteral("Tools"));
    bar->setMovable(false);
    bar->setFloatable(false);
    constexpr Button buttons[] = {
        {"new", false, nullptr, true},
        {"open", false, nullptr, true},
        {"save"},
        {"cut", true},
        {"copy"},
        {"paste", false, nullptr, true},
        {"selectall"},
        {"delete"},
        {"undo", true},
        {"encrypt", true, "Encrypt"},
        {"decrypt", false, "Decrypt"},
    };
    for (const Button &row : buttons) {
        if (row.gapBefore) {
            auto *gap = new QWidget(bar);
            gap->setFixedWidth(13);
            bar->addWidget(gap);
        }
        auto *button = new QToolButton(bar);
        button->setIcon(plainPicture(row.picture));
        button->setAutoRaise(true);
        button->setEnabled(row.enabled);
        if (row.caption != nullptr) {
            button->setText(QLatin1String(row.caption));
            button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
            button->setIconSize({16, 16});
            button->setMinimumSize(69, 25);
        } else {
            button->setIconSize({19, 17});
            button->setMinimumSize(25, 25);
        }
        bar->addWidget(button);
    }
}

// The program's three sunken panels with the captions of an empty window.
void addPlainStatusBar(QMainWindow *window) {
    QStatusBar *status = window->statusBar();
    status->setSizeGripEnabled(false);
    int stretch = 1;
    for (const char *caption : {"0 bytes", "Windows-1252, CR LF", "Normal Text"}) {
        auto *panel = new QLabel(QLatin1String(caption));
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        status->addPermanentWidget(panel, std::exchange(stretch, 0));
    }
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
