// Small fixtures of the file tests: files written and read back byte for byte, the answers that
// choose a file in a file dialog, and what the boxes of a command showed. Texts, blocks and
// beeps come from the cipher commands' fixtures.
#pragma once

#include "ModalAnswerer.h"
#include "tests/crypt/CryptFixtures.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QStringList>
#include <QTest>

namespace file_fixtures {

// Types the text into the editor, so that it holds it as an edit that can be undone.
inline void type(TextEditor *editor, const QString &text) {
    QTest::keyClicks(editor, text);
}

inline void select(TextEditor *editor, int from, int to) {
    QTextCursor cursor = editor->textCursor();
    cursor.setPosition(from);
    cursor.setPosition(to, QTextCursor::KeepAnchor);
    editor->setTextCursor(cursor);
}

// What a command may have to leave as it was: the text, the selection, what can be undone and
// the status panels.
struct EditorState {
    std::string bytes;
    int anchor;
    int position;
    bool canUndo;
    QString size;
    QString textType;

    explicit EditorState(WindowUnderTest &w)
        : bytes(w.bytes())
        , anchor(w.editor()->textCursor().anchor())
        , position(w.editor()->textCursor().position())
        , canUndo(w.editor()->canUndo())
        , size(w.sizeCaption())
        , textType(w.textType()) {}

    bool operator==(const EditorState &) const = default;
};

// The bytes of a regular file, or a mark that it is none.
inline QByteArray contentOf(const QString &path) {
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return QByteArray("(not a readable file)");
    return file.readAll();
}

inline bool writeFile(const QString &path, const QByteArray &content) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

// Confirms a file dialog as its Open or Save button does, with the dialog's own checks.
inline void pressAccept(QFileDialog *dialog) {
    static_cast<QDialog *>(dialog)->accept();
}

// Types a name into a file dialog's name field, as the user does: a full path, or a name in
// the folder the dialog shows.
inline void typeName(QFileDialog *dialog, const QString &name) {
    dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->setText(name);
}

// Chooses a file by its full path in an open or save dialog.
inline ModalAnswerer::Answer chooseFile(const QString &path) {
    return [path](QWidget *modal) {
        auto *dialog = qobject_cast<QFileDialog *>(modal);
        if (dialog == nullptr) {
            qWarning("chooseFile: %s is no file dialog", qPrintable(modal->objectName()));
            modal->close();
            return;
        }
        typeName(dialog, path);
        pressAccept(dialog);
    };
}

// The file dialog's own question before it replaces an existing file, answered Yes or No.
inline ModalAnswerer::Answer replaceExisting(bool yes) {
    return [yes](QWidget *modal) {
        auto *box = qobject_cast<QMessageBox *>(modal);
        if (box == nullptr) {
            qWarning("replaceExisting: %s is no question", qPrintable(modal->objectName()));
            modal->close();
            return;
        }
        box->button(yes ? QMessageBox::Yes : QMessageBox::No)->click();
    };
}

// Queues one answer written as a step: "press NAME" (a button's objectName), "key Escape",
// "key Enter" or "frame" (closing the widget by its frame).
inline void answerWith(ModalAnswerer &answerer, const QString &step) {
    if (step.startsWith(QLatin1String("press ")))
        answerer.press(step.mid(6));
    else if (step == QLatin1String("key Escape"))
        answerer.key(Qt::Key_Escape);
    else if (step == QLatin1String("key Enter"))
        answerer.key(Qt::Key_Return);
    else
        answerer.closeFrame();
}

// "TITLE: TEXT" for each box answered, "TITLE" for any other modal widget, in order.
inline QStringList shown(const ModalAnswerer &answerer) {
    QStringList seen;
    for (qsizetype i = 0; i < answerer.titles().size(); ++i) {
        const QString &text = answerer.texts().at(i);
        seen << (text.isEmpty() ? answerer.titles().at(i)
                                : answerer.titles().at(i) + QStringLiteral(": ") + text);
    }
    return seen;
}

} // namespace file_fixtures
