// The window's commands and menus, one row each: the menus, the tool bar and the refresh of the
// tool buttons are built from these rows. Their captions and hints are the window's words, which
// the menus and buttons show in the user's language.
#include "editor/window/CommandTable.h"
#include "editor/window/MainWindow.h"

#include <algorithm>

namespace command_table {

bool isEnabled(ButtonRule rule, const TextState &text) {
    switch (rule) {
    case ButtonRule::Text:
        return text.length > 0;
    case ButtonRule::Selection:
        return text.selected > 0;
    case ButtonRule::Undo:
        return text.canUndo;
    case ButtonRule::Always:
        break;
    }
    return true;
}

} // namespace command_table

namespace {

// Whether exactly one command of the table runs the handler.
constexpr bool runsOneCommand(std::span<const command_table::Command> commands,
                              command_table::Handler handler) {
    return std::ranges::count(commands, handler, &command_table::Command::handler) == 1;
}

} // namespace

std::span<const command_table::Menu> MainWindow::menuTable() {
    using namespace command_table;
    static constexpr Menu menus[] = {
        {.id = MenuId::Action,
         .name = "Action1",
         .caption = QT_TRANSLATE_NOOP("MainWindow", "&Action")},
        {.id = MenuId::Edit, .name = "Edit1", .caption = QT_TRANSLATE_NOOP("MainWindow", "&Edit")},
        {.id = MenuId::Options,
         .name = "Options1",
         .caption = QT_TRANSLATE_NOOP("MainWindow", "&Options"),
         .beforeShowing = &MainWindow::checkFormatItems},
        {.id = MenuId::Encoding,
         .name = "Encoding1",
         .caption = QT_TRANSLATE_NOOP("MainWindow", "&Encoding"),
         .parent = MenuId::Options,
         .separatorBefore = "N6",
         .oneChoice = true},
        {.id = MenuId::LineBreaks,
         .name = "LineBreaks1",
         .caption = QT_TRANSLATE_NOOP("MainWindow", "&Line Breaks"),
         .parent = MenuId::Options,
         .oneChoice = true},
        {.id = MenuId::Help, .name = "Help1", .caption = QT_TRANSLATE_NOOP("MainWindow", "&Help")},
    };
    return menus;
}

// The commands and the tool buttons side by side, so that the build checks that every button
// runs a command of the table.
struct MainWindow::CommandRows {
    using Command = command_table::Command;
    using MenuId = command_table::MenuId;
    using ButtonRule = command_table::ButtonRule;
    using ToolButton = command_table::ToolButton;

    static constexpr Command commands[] = {
        {.handler = &MainWindow::newDocument,
         .menu = MenuId::Action,
         .name = "New1",
         .caption = QT_TRANSLATE_NOOP("MainWindow", "&New"),
         .shortcut = Qt::CTRL | Qt::Key_N},
        {.handler = &MainWindow::openFile,
         .menu = MenuId::Action,
         .name = "OpenFile1",
         .caption = QT_TRANSLATE_NOOP("MainWindow", "&Open File..."),
         .shortcut = Qt::CTRL | Qt::Key_O},
        {.handler = &MainWindow::saveFileAs,
         .menu = MenuId::Action,
         .name = "SaveFileAs1",
         .caption = QT_TRANSLATE_NOOP("MainWindow", "&Save File As..."),
         .shortcut = Qt::CTRL | Qt::Key_S},
        {.handler = &MainWindow::encryptText,
         .menu = MenuId::Action,
         .name = "Encrypt1",
         .caption = QT_TRANSLATE_NOOP("MainWindow", "&Encrypt"),
         .shortcut = Qt::CTRL | Qt::Key_E,
         .separatorBefore = "N5"},
        {.handler = &MainWindow::encryptWithSpecificMethod,
         .menu = MenuId::Action,
         .name = "EncryptUsingMethod1",
         .caption = QT_TRANSLATE_NOOP("MainWindow", "Encrypt With Specific &Method...")},
        {.handler = &MainWindow::clearSignText,
         .menu = MenuId::Action,
         .name = "ClearSign1",
         .caption = QT_TRANSLATE_NOOP("MainWindow", "Clear-Si&gn"),
         .shortcut = Qt::CTRL | Qt::Key_G},
        {.handler = &MainWindow::decryptText,
         .menu = MenuId::Action,
         .name = "Decrypt1",
         .caption = QT_TRANSLATE_NOOP("MainWindow", "&Decrypt"),
         .shortcut = Qt::CTRL | Qt::Key_D},
        {.handler = &MainWindow::quitProgram,
         .menu = MenuId::Action,
         .name = "Exit1",
         .caption = QT_TRANSLATE_NOOP("MainWindow", "E&xit"),
         .separatorBefore = "N1"},
        {.handler = &MainWindow::undoLastEdit,
         .menu = MenuId::Edit,
         .name = "Undo1",
         .caption = QT_TRANSLATE_NOOP("MainWindow", "&Undo"),
         .shortcut = Qt::CTRL | Qt::Key_Z},
        {.handler = &MainWindow::cutSelection,
         .menu = MenuId::Edit,
         .name = "Cut1",
         .caption = QT_TRANSLATE_NOOP("MainWindow", "Cu&t"),
         .shortcut = Qt::CTRL | Qt::Key_X},
        {.handler = &MainWindow::copySelection,
         .menu = MenuId::Edit,
         .name = "Copy1",
         .caption = QT_TRANSLATE_NOOP("MainWindow", "&Copy"),
         .shortcut = Qt::CTRL | Qt::Key_C},
        {.handler = &MainWindow::pasteClipboardText,
         .menu = MenuId::Edit,
         .name = "Paste1",
         .caption = QT_TRANSLATE_NOOP("MainWindow", "&Paste"),
         .shortcut = Qt::CTRL | Qt::Key_V},
        {.handler = &MainWindow::deleteSelection,
         .menu = MenuId::Edit,
         .name = "Delete1",
         .caption = QT_TRANSLATE_NOOP("MainWindow", "&Delete"),
         .shortcut = Qt::CTRL | Qt::Key_Delete},
        {.handler = &MainWindow::selectAllText,
         .menu = MenuId::Edit,
         .name = "SelectAll1",
         .caption = QT_TRANSLATE_NOOP("MainWindow", "Se&lect All")},
        {.handler = &MainWindow::chooseFont,
         .menu = MenuId::Options,
         .name = "Font1",
         .caption = QT_TRANSLATE_NOOP("MainWindow", "&Font...")},
        {.handler = &MainWindow::chooseTextColor,
         .menu = MenuId::Options,
         .name = "TextColor1",
         .caption = QT_TRANSLATE_NOOP("MainWindow", "&Text Color...")},
        {.handler = &MainWindow::chooseBackgroundColor,
         .menu = MenuId::Options,
         .name = "BackgroundColor1",
         .caption = QT_TRANSLATE_NOOP("MainWindow", "&Background Color...")},
        {.handler = &MainWindow::switchWordWrap,
         .menu = MenuId::Options,
         .name = "WordWrap1",
         .caption = QT_TRANSLATE_NOOP("MainWindow", "Word Wrap"),
         .checkable = true},
        {.handler = &MainWindow::useWindows1252,
         .menu = MenuId::Encoding,
         .name = "Windows12521",
         .caption = QT_TRANSLATE_NOOP("MainWindow", "&Windows-1252")},
        {.handler = &MainWindow::useUtf8,
         .menu = MenuId::Encoding,
         .name = "Utf81",
         .caption = QT_TRANSLATE_NOOP("MainWindow", "&UTF-8")},
        {.handler = &MainWindow::useUtf8WithMark,
         .menu = MenuId::Encoding,
         .name = "Utf8WithMark1",
         .caption = QT_TRANSLATE_NOOP("MainWindow", "UTF-8 with Byte-Order &Mark")},
        {.handler = &MainWindow::useCrLfBreaks,
         .menu = MenuId::LineBreaks,
         .name = "CrLf1",
         .caption = QT_TRANSLATE_NOOP("MainWindow", "&CR LF (Windows)")},
        {.handler = &MainWindow::useLfBreaks,
         .menu = MenuId::LineBreaks,
         .name = "Lf1",
         .caption = QT_TRANSLATE_NOOP("MainWindow", "&LF (Linux)")},
        {.handler = &MainWindow::showHelpContents,
         .menu = MenuId::Help,
         .name = "Contents1",
         .caption = QT_TRANSLATE_NOOP("MainWindow", "&Contents"),
         .shortcut = Qt::Key_F1},
        {.handler = &MainWindow::searchHelp,
         .menu = MenuId::Help,
         .name = "SearchforHelpOn1",
         .caption = QT_TRANSLATE_NOOP("MainWindow", "&Search for Help On...")},
        {.handler = &MainWindow::showHowToUseHelp,
         .menu = MenuId::Help,
         .name = "HowtoUseHelp1",
         .caption = QT_TRANSLATE_NOOP("MainWindow", "&How to Use Help")},
        {.handler = &MainWindow::showAbout,
         .menu = MenuId::Help,
         .name = "About2",
         .caption = QT_TRANSLATE_NOOP("MainWindow", "&About..."),
         .separatorBefore = "N4"},
    };

    static constexpr ToolButton toolBar[] = {
        {.handler = &MainWindow::newDocument,
         .name = "btn_New",
         .picture = "new",
         .hint = QT_TRANSLATE_NOOP("MainWindow", "New")},
        {.handler = &MainWindow::openFile,
         .name = "btn_Open",
         .picture = "open",
         .hint = QT_TRANSLATE_NOOP("MainWindow", "Open")},
        {.handler = &MainWindow::saveFileAs,
         .name = "btn_Save",
         .picture = "save",
         .hint = QT_TRANSLATE_NOOP("MainWindow", "Save"),
         .enabledWhen = ButtonRule::Text},
        {.handler = &MainWindow::cutSelection,
         .name = "btn_Cut",
         .picture = "cut",
         .hint = QT_TRANSLATE_NOOP("MainWindow", "Cut"),
         .gapBefore = true,
         .enabledWhen = ButtonRule::Selection},
        {.handler = &MainWindow::copySelection,
         .name = "btn_Copy",
         .picture = "copy",
         .hint = QT_TRANSLATE_NOOP("MainWindow", "Copy"),
         .enabledWhen = ButtonRule::Selection},
        {.handler = &MainWindow::pasteClipboardText,
         .name = "btn_Paste",
         .picture = "paste",
         .hint = QT_TRANSLATE_NOOP("MainWindow", "Paste")},
        {.handler = &MainWindow::selectAllText,
         .name = "btn_SelectAll",
         .picture = "selectall",
         .hint = QT_TRANSLATE_NOOP("MainWindow", "Select All"),
         .enabledWhen = ButtonRule::Text},
        {.handler = &MainWindow::deleteSelection,
         .name = "btn_Delete",
         .picture = "delete",
         .hint = QT_TRANSLATE_NOOP("MainWindow", "Delete"),
         .enabledWhen = ButtonRule::Selection},
        {.handler = &MainWindow::undoLastEdit,
         .name = "btn_Undo",
         .picture = "undo",
         .hint = QT_TRANSLATE_NOOP("MainWindow", "Undo"),
         .gapBefore = true,
         .enabledWhen = ButtonRule::Undo},
        {.handler = &MainWindow::encryptText,
         .name = "btn_Encrypt",
         .picture = "encrypt",
         .hint = QT_TRANSLATE_NOOP("MainWindow", "Encrypt"),
         .gapBefore = true,
         .captioned = true,
         .enabledWhen = ButtonRule::Text},
        {.handler = &MainWindow::decryptText,
         .name = "btn_Decrypt",
         .picture = "decrypt",
         .hint = QT_TRANSLATE_NOOP("MainWindow", "Decrypt"),
         .captioned = true,
         .enabledWhen = ButtonRule::Text},
    };
};

std::span<const command_table::Command> MainWindow::commandTable() {
    return CommandRows::commands;
}

std::span<const command_table::ToolButton> MainWindow::toolBarTable() {
    static_assert(std::ranges::all_of(CommandRows::toolBar,
                                      [](const command_table::ToolButton &button) {
                                          return runsOneCommand(CommandRows::commands,
                                                                button.handler);
                                      }),
                  "every tool button runs one command of the command table");
    return CommandRows::toolBar;
}
