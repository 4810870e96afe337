// The editor's behaviour: its look, the keys it leaves to the menu, the characters it admits,
// the guarded paste, the one-level undo, and the events that refresh the status.
#include "editor/text/TextEditor.h"

#include "editor/text/EditorFont.h"
#include "editor/text/EditorText.h"
#include "editor/text/TextCounter.h"
#include "platform/Clipboard.h"
#include "platform/ColorValue.h"

#include <QContextMenuEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <memory>

TextEditor::TextEditor(QWidget *parent)
    : QPlainTextEdit(parent)
    , m_counter(new TextCounter(document()))
    , m_textColor(layoutTextColor)
    , m_backColor(platform::windowColorValue) {
    setObjectName(QStringLiteral("txt_SPad"));
    setFrameShape(QFrame::NoFrame);
    setFont(defaultEditorFont());
    applyColors();
    setWordWrap(false);
    setTabChangesFocus(false);
    viewport()->setMouseTracking(true);
    connect(document(), &QTextDocument::undoCommandAdded, this, [this] { m_formatAcross.reset(); });
}

bool TextEditor::canUndo() const {
    return lastCommandWasUndo() ? document()->isRedoAvailable() : document()->isUndoAvailable();
}

void TextEditor::undoLastEdit() {
    const bool redoing = lastCommandWasUndo();
    if (!redoing && !document()->isUndoAvailable())
        return;
    // The flag and the format are set before the text changes, so the change event already
    // sees the new state.
    m_undone = !redoing;
    if (m_formatAcross)
        std::swap(m_format, *m_formatAcross);
    if (redoing)
        redo();
    else
        undo();
    // The document merges a typed character into the step before it while it counts as
    // modified; marking it unmodified here makes the next edit a step of its own, so that it
    // is all one Undo takes back.
    document()->setModified(false);
}

// Any edit after an undo empties the document's redo list, which ends the undo's turn.
bool TextEditor::lastCommandWasUndo() const {
    return m_undone && document()->isRedoAvailable();
}

void TextEditor::removeSelection() {
    textCursor().removeSelectedText();
}

void TextEditor::declineKeys(const QList<QKeySequence> &keys) {
    m_declinedKeys = keys;
}

bool TextEditor::isDeclined(const QKeyEvent &event) const {
    const QKeySequence key(QKeyCombination(event.modifiers() & ~Qt::KeypadModifier,
                                           static_cast<Qt::Key>(event.key())));
    return m_declinedKeys.contains(key);
}

bool TextEditor::event(QEvent *event) {
    // Not claiming the key lets the shortcut of the menu item run instead.
    if (event->type() == QEvent::ShortcutOverride && isDeclined(*static_cast<QKeyEvent *>(event))) {
        event->ignore();
        return true;
    }
    const bool handled = QPlainTextEdit::event(event);
    // System colours are taken from the palette when drawing, so they follow a change of theme,
    // which reaches the editor as a change of the palette it inherits. Setting the colours again
    // changes nothing the second time, so this ends there.
    if (event->type() == QEvent::PaletteChange)
        applyColors();
    return handled;
}

cipher::Encoding TextEditor::encodingToHold(QStringView text) {
    if (m_format.encoding == cipher::Encoding::Windows1252 && editor_text::needsUtf8(text))
        m_format.encoding = cipher::Encoding::Utf8;
    return m_format.encoding;
}

void TextEditor::keyPressEvent(QKeyEvent *event) {
    if (event->matches(QKeySequence::Undo)) {
        undoLastEdit();
        return;
    }
    // The one level of undo has no separate redo: an undo after an undo brings the edit back.
    if (event->matches(QKeySequence::Redo))
        return;
    const QString text = editor_text::representable(event->text(), encodingToHold(event->text()));
    if (text == event->text()) {
        QPlainTextEdit::keyPressEvent(event);
        return;
    }
    QKeyEvent typed(event->type(), event->key(), event->modifiers(), event->nativeScanCode(),
                    event->nativeVirtualKey(), event->nativeModifiers(), text,
                    event->isAutoRepeat(), event->count());
    QPlainTextEdit::keyPressEvent(&typed);
    event->setAccepted(typed.isAccepted());
}

void TextEditor::keyReleaseEvent(QKeyEvent *event) {
    QPlainTextEdit::keyReleaseEvent(event);
    emit keyReleased();
}

void TextEditor::mouseMoveEvent(QMouseEvent *event) {
    QPlainTextEdit::mouseMoveEvent(event);
    emit mouseMoved();
}

void TextEditor::inputMethodEvent(QInputMethodEvent *event) {
    const QString commit =
        editor_text::representable(event->commitString(), encodingToHold(event->commitString()));
    if (commit == event->commitString()) {
        QPlainTextEdit::inputMethodEvent(event);
        return;
    }
    QInputMethodEvent composed(event->preeditString(), event->attributes());
    composed.setCommitString(commit, event->replacementStart(), event->replacementLength());
    QPlainTextEdit::inputMethodEvent(&composed);
    event->setAccepted(composed.isAccepted());
}

QMenu *TextEditor::createContextMenu() {
    QMenu *menu = createStandardContextMenu();
    delete menu->findChild<QAction *>(QStringLiteral("edit-redo"));
    if (auto *undoItem = menu->findChild<QAction *>(QStringLiteral("edit-undo"))) {
        disconnect(undoItem, &QAction::triggered, nullptr, nullptr);
        connect(undoItem, &QAction::triggered, this, &TextEditor::undoLastEdit);
        undoItem->setEnabled(canUndo());
    }
    return menu;
}

void TextEditor::contextMenuEvent(QContextMenuEvent *event) {
    const std::unique_ptr<QMenu> menu(createContextMenu());
    menu->exec(event->globalPos());
}

// Every paste and drop comes through here. The toolkit's own paste fails on a source without
// text (an empty clipboard), so such a source is refused before it gets there.
bool TextEditor::canInsertFromMimeData(const QMimeData *source) const {
    return source != nullptr && source->hasText();
}

void TextEditor::insertFromMimeData(const QMimeData *source) {
    if (!canInsertFromMimeData(source))
        return;
    QMimeData admitted;
    const QString text = source->text();
    admitted.setText(editor_text::admissible(text, encodingToHold(text)));
    QPlainTextEdit::insertFromMimeData(&admitted);
}

// The selection goes out as plain text with real line breaks and its no-break spaces kept
// (the toolkit's own copy turns them into plain spaces), marked secret for clipboard managers
// unless it holds an armoured block, which is meant to be pasted into mail.
QMimeData *TextEditor::createMimeDataFromSelection() const {
    const QString text = textCursor().selectedText().replace(QChar::ParagraphSeparator, u'\n');
    return platform::clipboardData(text, editor_text::holdsArmouredBlock(text));
}
