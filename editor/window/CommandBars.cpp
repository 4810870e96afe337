// The menus and the tool bar built from the command table, each item and button bound to its
// command's handler, and the tool buttons enabled by their rules.
#include "editor/window/MainWindow.h"

#include "editor/icons/ToolIcon.h"
#include "editor/text/TextEditor.h"
#include "platform/Failure.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>
#include <algorithm>

namespace {

using command_table::Command;
using command_table::Handler;
using command_table::Menu;
using command_table::ToolButton;

constexpr QSize squarePicture(19, 17);
constexpr QSize padlockPicture(16, 16);
constexpr QSize squareButton(25, 25);
constexpr QSize captionedButton(69, 25);
constexpr int groupGap = 13;

void addSeparator(QMenu *menu, const char *name) {
    if (name != nullptr)
        menu->addSeparator()->setObjectName(QLatin1String(name));
}

// Items of which one is checked, the choice shown when the menu opens.
void makeOneChoice(QObject *owner, QMenu *menu) {
    auto *group = new QActionGroup(owner);
    for (QAction *item : menu->actions()) {
        item->setCheckable(true);
        group->addAction(item);
    }
}

void addGap(QToolBar *toolBar) {
    auto *gap = new QWidget(toolBar);
    gap->setFixedWidth(groupGap);
    toolBar->addWidget(gap);
}

QToolButton *createToolButton(QToolBar *toolBar, const ToolButton &row) {
    auto *button = new QToolButton(toolBar);
    button->setObjectName(QLatin1String(row.name));
    button->setIcon(toolIcon(row.picture));
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    const QString hint = MainWindow::tr(row.hint);
    button->setAccessibleName(hint);
    if (row.captioned) {
        // The caption stands beside the padlock instead of in a tool tip.
        button->setText(hint);
        button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        button->setIconSize(padlockPicture);
        button->setMinimumSize(captionedButton);
    } else {
        button->setToolTip(hint);
        button->setIconSize(squarePicture);
        button->setMinimumSize(squareButton);
    }
    return button;
}

// The controls of the command that the handler runs. A handler that no command runs is a fault
// of the program, which stops with a message rather than go on with controls that do not exist.
template <class Controls> auto &controlsOf(Controls &commands, Handler handler) {
    const auto row = std::ranges::find_if(
        commands, [handler](const auto &controls) { return controls.command->handler == handler; });
    if (row == commands.end())
        qFatal("No command of the command table runs the handler asked for");
    return *row;
}

} // namespace

void MainWindow::createActions() {
    for (const Command &row : commandTable()) {
        auto *action = new QAction(tr(row.caption), this);
        action->setObjectName(QLatin1String(row.name));
        if (row.shortcut)
            action->setShortcut(*row.shortcut);
        action->setCheckable(row.checkable);
        m_commands.push_back({.command = &row, .item = action});
    }
}

// Each menu is filled with its items first and then put in place, so that a submenu stands
// below its parent's own items.
void MainWindow::createMenus() {
    const std::span<const Menu> menus = menuTable();
    std::vector<QMenu *> built(menus.size());
    for (const Menu &row : menus) {
        QWidget *owner = row.parent ? static_cast<QWidget *>(built[std::size_t(*row.parent)])
                                    : static_cast<QWidget *>(menuBar());
        QMenu *menu = new QMenu(tr(row.caption), owner);
        menu->setObjectName(QLatin1String(row.name));
        menu->menuAction()->setObjectName(QLatin1String(row.name));
        if (row.beforeShowing != nullptr)
            connect(menu, &QMenu::aboutToShow, this, row.beforeShowing);
        built[std::size_t(row.id)] = menu;
    }
    for (const CommandControls &controls : m_commands) {
        QMenu *menu = built[std::size_t(controls.command->menu)];
        addSeparator(menu, controls.command->separatorBefore);
        menu->addAction(controls.item);
    }
    for (const Menu &row : menus) {
        QMenu *menu = built[std::size_t(row.id)];
        if (row.oneChoice)
            makeOneChoice(this, menu);
        if (!row.parent) {
            menuBar()->addMenu(menu);
            continue;
        }
        QMenu *parentMenu = built[std::size_t(*row.parent)];
        addSeparator(parentMenu, row.separatorBefore);
        parentMenu->addMenu(menu);
    }
}

// The buttons in the order of their table; the build has checked that each runs a command.
void MainWindow::createToolBar() {
    auto *toolBar = new QToolBar(this);
    toolBar->setObjectName(QStringLiteral("pan_Toolbar"));
    toolBar->setMovable(false);
    toolBar->setFloatable(false);
    addToolBar(toolBar);

    for (const ToolButton &row : toolBarTable()) {
        CommandControls &controls = controlsOf(m_commands, row.handler);
        if (row.gapBefore)
            addGap(toolBar);
        controls.button = createToolButton(toolBar, row);
        controls.buttonRow = &row;
        toolBar->addWidget(controls.button);
    }
    enableButtons({});
}

void MainWindow::enableButtons(const command_table::TextState &text) {
    for (const CommandControls &controls : m_commands) {
        if (controls.button != nullptr)
            controls.button->setEnabled(
                command_table::isEnabled(controls.buttonRow->enabledWhen, text));
    }
}

QAction *MainWindow::actionFor(Handler handler) const {
    return controlsOf(m_commands, handler).item;
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

void MainWindow::connectCommands() {
    for (const CommandControls &controls : m_commands)
        bindCommand(controls.item, controls.button, controls.command->handler);

    // A key that a menu item holds runs the menu's command, with its checks and messages,
    // even while the editor has the focus.
    QList<QKeySequence> menuKeys;
    for (const CommandControls &controls : m_commands) {
        if (!controls.item->shortcut().isEmpty())
            menuKeys.append(controls.item->shortcut());
    }
    m_editor->declineKeys(menuKeys);
}
