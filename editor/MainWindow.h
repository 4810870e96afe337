// The main window MainWindow: menu bar, tool bar, the editor txt_SPad and the status bar; the
// commands reached from them, and the refresh of the status panels and tool buttons.
#pragma once

#include "platform/Failure.h"
#include "platform/FileDialogs.h"

#include <QMainWindow>
#include <optional>

class QAction;
class QFrame;
class QLabel;
class QMenu;
class QStatusBar;
class QToolBar;
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
    void UpdateStatus();
    // True when at least two lines of the editor begin with "QvL/".
    bool IsEncryptedText() const;

    // Start-up and shutdown (Startup.cpp). FormCreate runs once before the window is shown:
    // it applies the stored display settings and loads the file named on the command line
    // (an empty name loads nothing). FormDestroy runs once after the event loop has ended and
    // stores the display settings; a failure to write is reported (in the error box unless
    // told otherwise) and shutdown goes on.
    void FormCreate(const QString &commandLineFile);
    void FormDestroy(platform::FailureReport report = platform::showApplicationErrorBox);

    // Replaces the editor's text by a file's, line breaks normalised, up to its first zero
    // byte; a file equal to the text changes nothing (FileCommands.cpp).
    void loadFile(const QString &path);

private:
    using Handler = void (MainWindow::*)();

    // Building the window (MainWindow.cpp).
    void createActions();
    void createMenus();
    void createToolBar();
    void createEditor();
    void createStatusBar();
    void connectEditorEvents();
    void connectCommands();
    QAction *createAction(const char *name, const QString &caption,
                          const QKeySequence &shortcut = {});
    QToolButton *createToolButton(const char *name, const char *icon, const QString &hint);
    // One handler serves the menu item (and its shortcut) and the tool button alike; the tool
    // button has its own enabled state, so it gets its own connection.
    void bindCommand(QAction *item, QToolButton *button, Handler handler);
    void returnFocusToEditor();
    void Exit1Click();

    // The editor's events (UpdateStatus.cpp).
    void txt_SPadChange();
    void txt_SPadKeyUp();
    void txt_SPadMouseMove();

    // Editing commands (EditCommands.cpp).
    void btn_NewClick();
    void btn_UndoClick();
    void btn_CutClick();
    void btn_CopyClick();
    void btn_PasteClick();
    void btn_DeleteClick();
    void btn_SelectAllClick();
    // A command's refusal: the stop beep, then an error box with the text and OK.
    void refuse(const QString &text);

    // Encrypt, Encrypt With Specific Method and Decrypt (CipherCommands.cpp,
    // DecryptCommand.cpp); the Help menu and About (HelpCommands.cpp).
    void btn_EncryptClick();
    void EncryptUsingMethod1Click();
    // Encrypt's course, with the method plain Encrypt writes or one asked in the method dialog.
    enum class MethodChoice { Plain, Asked };
    void encrypt(MethodChoice choice);
    void btn_DecryptClick();
    // Decrypt's course once what the text holds is found: the phrase asked for as often as the
    // user retries, then the text, its warning and report (DecryptCommand.cpp).
    void decrypt(cipher::DecryptSession &session);
    void Contents1Click();
    void SearchforHelpOn1Click();
    void HowtoUseHelp1Click();
    void About2Click();
    // Open File and Save File As (FileCommands.cpp); the display options and their settings
    // (DisplayCommands.cpp).
    void btn_OpenClick();
    void btn_SaveClick();
    void Font1Click();
    void TextColor1Click();
    void BackgroundColor1Click();
    void WordWrap1Click();
    // The document's encoding and line breaks (FormatCommands.cpp). Windows-1252 is refused
    // for a text it cannot hold; the menu's check marks follow the document.
    void Windows12521Click();
    void Utf81Click();
    void Utf8WithMark1Click();
    void CrLf1Click();
    void Lf1Click();
    void changeFormat(const DocumentFormat &format);
    void checkFormatItems();
    DisplaySettings displaySettings() const;
    void applyDisplaySettings(const DisplaySettings &settings);
    // The command-line file at start-up: loaded when it exists, else the stop beep and a box.
    void openCommandLineFile(const QString &name);

    QMenu *Action1 = nullptr;
    QAction *New1 = nullptr;
    QAction *OpenFile1 = nullptr;
    QAction *SaveFileAs1 = nullptr;
    QAction *N5 = nullptr;
    QAction *Encrypt1 = nullptr;
    QAction *EncryptUsingMethod1 = nullptr;
    QAction *Decrypt1 = nullptr;
    QAction *N1 = nullptr;
    QAction *Exit1 = nullptr;
    QMenu *Edit1 = nullptr;
    QAction *Undo1 = nullptr;
    QAction *Cut1 = nullptr;
    QAction *Copy1 = nullptr;
    QAction *Paste1 = nullptr;
    QAction *Delete1 = nullptr;
    QAction *SelectAll1 = nullptr;
    QMenu *Options1 = nullptr;
    QAction *Font1 = nullptr;
    QAction *TextColor1 = nullptr;
    QAction *BackgroundColor1 = nullptr;
    QAction *WordWrap1 = nullptr;
    QAction *N6 = nullptr;
    QMenu *Encoding1 = nullptr;
    QAction *Windows12521 = nullptr;
    QAction *Utf81 = nullptr;
    QAction *Utf8WithMark1 = nullptr;
    QMenu *LineBreaks1 = nullptr;
    QAction *CrLf1 = nullptr;
    QAction *Lf1 = nullptr;
    QMenu *Help1 = nullptr;
    QAction *Contents1 = nullptr;
    QAction *SearchforHelpOn1 = nullptr;
    QAction *HowtoUseHelp1 = nullptr;
    QAction *N4 = nullptr;
    QAction *About2 = nullptr;

    QToolBar *pan_Toolbar = nullptr;
    QToolButton *btn_New = nullptr;
    QToolButton *btn_Open = nullptr;
    QToolButton *btn_Save = nullptr;
    QToolButton *btn_Cut = nullptr;
    QToolButton *btn_Copy = nullptr;
    QToolButton *btn_Paste = nullptr;
    QToolButton *btn_SelectAll = nullptr;
    QToolButton *btn_Delete = nullptr;
    QToolButton *btn_Undo = nullptr;
    QToolButton *btn_Encrypt = nullptr;
    QToolButton *btn_Decrypt = nullptr;

    QFrame *pan_SPad = nullptr;
    TextEditor *txt_SPad = nullptr;

    QStatusBar *pan_Status = nullptr;
    QLabel *pan_Bytes = nullptr;
    QLabel *pan_Format = nullptr;
    QLabel *pan_TextType = nullptr;

    platform::FileDialogs m_fileDialogs{this};
    // A FontSize from the settings file that no font can have, written back as it was read
    // until the user chooses a font.
    std::optional<qint32> m_unusableStoredFontSize;
};
