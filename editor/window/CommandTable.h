// The shape of the window's command table: per command its handler and its menu item; per tool
// button the command it runs and the rule that enables it; per menu its place in the menu bar.
#pragma once

#include <QKeyCombination>
#include <QtGlobal>
#include <optional>

class MainWindow;

namespace command_table {

using Handler = void (MainWindow::*)();

// The menus, each named by its row in the table of menus.
enum class MenuId { Action, Edit, Options, Encoding, LineBreaks, Help };

// What the text must offer for a tool button to be enabled. Menu items are never disabled:
// their commands check and refuse for themselves.
enum class ButtonRule { Always, Text, Selection, Undo };

// What the rules look at, from the editor's counts.
struct TextState {
    qint64 length = 0;
    qint64 selected = 0;
    bool canUndo = false;
};

bool isEnabled(ButtonRule rule, const TextState &text);

// A tool button, running the command of the same handler. The buttons stand in their table in
// their order from the left.
struct ToolButton {
    Handler handler;
    const char *name;
    const char *picture = nullptr;
    // The tool tip and accessible name; a captioned button shows it beside its picture instead
    // of as a tool tip.
    const char *hint = nullptr;
    // A gap to the button before sets groups apart.
    bool gapBefore = false;
    bool captioned = false;
    ButtonRule enabledWhen = ButtonRule::Always;
};

// One command. The commands stand in the table in the order of their menu items.
struct Command {
    Handler handler;
    MenuId menu;
    const char *name;
    const char *caption;
    std::optional<QKeyCombination> shortcut = std::nullopt;
    // A separator's objectName, when a separator stands above the item.
    const char *separatorBefore = nullptr;
    bool checkable = false;
};

// One menu. A submenu follows its parent in the table and stands below the parent's own items.
struct Menu {
    MenuId id;
    const char *name;
    const char *caption;
    // The menu bar when empty.
    std::optional<MenuId> parent = std::nullopt;
    const char *separatorBefore = nullptr;
    // Its items are checkable and exactly one of them is checked.
    bool oneChoice = false;
    // Run each time the menu is about to open.
    Handler beforeShowing = nullptr;
};

} // namespace command_table
