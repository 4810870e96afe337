// The main window: menu bar, tool bar, the editor and the status bar; the commands reached
// from them, and the refresh of the status panels and tool buttons.
#pragma once

#include "editor/window/CommandTable.h"
#include "platform/Failure.h"
#include "platform/FileDialogs.h"

#include <QMainWindow>
#include <optional>
#include <span>
#include <vector>

class QAction;
class QLabel;
class QToolButton;
class TextEditor;
struct DisplaySettings;
struct DocumentFormat;
namespace cipher {
class DecryptSession;
}

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(QWidget *parent = nullptr);

    // Shows the size of the text and of the selection, the document's encoding and line
    // breaks, and whether the text holds an armoured block, and enables the tool buttons that
    // follow the text. Reads only counts the editor keeps, so it is cheap at any size of text.
    void updateStatus();
    // True when at least two lines of the editor begin with "QvL/".
    bool holdsArmouredBlock() const;

    // Start-up and shutdown (Startup.cpp). startUp runs once before the window is shown: it
    // applies the stored display settings and loads the file named on the command line (an
    // empty name loads nothing). shutDown runs once after the event loop has ended and
    // stores the display settings; a failure to write is reported (in the error box unless
    // told otherwise) and shutdown goes on.
    void startUp(const QString &commandLineFile);
    void shutDown(platform::FailureReport report = platform::showApplicationErrorBox);

    // Replaces the editor's text by a file's, line breaks normalised, up to its first zero
    // byte; a file equal to the text changes nothing (FileCommands.cpp).
    void loadFile(const QString &path);

private:
    using Handler = command_table::Handler;

    // The window's commands in the order of their menu items, the tool buttons from the left,
    // and the menus that hold the commands (CommandTable.cpp).
    struct CommandRows;
    static std::span<const command_table::Command> commandTable();
    static std::span<const command_table::ToolButton> toolBarTable();
    static std::span<const command_table::Menu> menuTable();

    // Building the window (MainWindow.cpp).
    void createEditor();
    void createStatusBar();
    void connectEditorEvents();
    void returnFocusToEditor();
    void quitProgram();

    // The menus and the tool bar built from the command table, each command bound to its
    // handler, and the tool buttons enabled by their rules (CommandBars.cpp).
    void createActions();
    void createMenus();
    void createToolBar();
    void connectCommands();
    // One handler serves the menu item (and its shortcut) and the tool button alike; the tool
    // button has its own enabled state, so it gets its own connection.
    void bindCommand(QAction *item, QToolButton *button, Handler handler);
    void enableButtons(const command_table::TextState &text);
    // The menu item of the command that this handler runs. A handler that no command runs is a
    // fault of the program: it stops with a message instead of answering.
    QAction *actionFor(Handler handler) const;

    // Editing commands (EditCommands.cpp).
    void newDocument();
    void undoLastEdit();
    void cutSelection();
    void copySelection();
    void pasteClipboardText();
    void deleteSelection();
    void selectAllText();
    void editSelection(void (TextEditor::*edit)(), const char *refusal);
    // A command's refusal: the stop beep, then an error box with the text and OK.
    void refuse(const QString &text);

    // Encrypt, Encrypt With Specific Method and Decrypt (CipherCommands.cpp,
    // DecryptCommand.cpp); the Help menu and About (HelpCommands.cpp).
    void encryptText();
    void encryptWithSpecificMethod();
    // Clear-Sign: the text signed in place, readable, with the user's own key (SignCommand.cpp).
    void clearSignText();
    // Encrypt's course, with the method plain Encrypt writes or one asked in the method dialog.
    enum class MethodChoice { Plain, Asked };
    void encrypt(MethodChoice choice);
    void decryptText();
    // Decrypt's course once what the text holds is found: the phrase asked for as often as the
    // user retries, then the text, its warning and report (DecryptCommand.cpp).
    void decrypt(cipher::DecryptSession &session);
    void showHelpContents();
    void searchHelp();
    void showHowToUseHelp();
    void showAbout();
    // Open File and Save File As (FileCommands.cpp); the display options and their settings
    // (DisplayCommands.cpp).
    void openFile();
    void saveFileAs();
    void chooseFont();
    void chooseTextColor();
    void chooseBackgroundColor();
    void switchWordWrap();
    // The document's encoding and line breaks (FormatCommands.cpp). Windows-1252 is refused
    // for a text it cannot hold; the menu's check marks follow the document.
    void useWindows1252();
    void useUtf8();
    void useUtf8WithMark();
    void useCrLfBreaks();
    void useLfBreaks();
    void changeFormat(const DocumentFormat &format);
    void checkFormatItems();
    DisplaySettings displaySettings() const;
    void applyDisplaySettings(const DisplaySettings &settings);
    // The command-line file at start-up: loaded when it exists, else the stop beep and a box.
    void openCommandLineFile(const QString &name);

    // A command's row of the table, its menu item, and its tool button with the button's row
    // (none for a command without one).
    struct CommandControls {
        const command_table::Command *command;
        QAction *item;
        QToolButton *button = nullptr;
        const command_table::ToolButton *buttonRow = nullptr;
    };
    // One per row of the command table, in the table's order.
    std::vector<CommandControls> m_commands;

    TextEditor *m_editor = nullptr;
    QLabel *m_sizePanel = nullptr;
    QLabel *m_formatPanel = nullptr;
    QLabel *m_textTypePanel = nullptr;

    platform::FileDialogs m_fileDialogs{this};
    // A FontSize from the settings file that no font can have, written back as it was read
    // until the user chooses a font.
    std::optional<qint32> m_unusableStoredFontSize;
};
