// The editor txt_SPad: a plain-text edit whose text is a string of Windows-1252 bytes with
// CR LF line breaks. It keeps the one-level undo, lets the menu take the keys it holds,
// admits only characters its bytes can hold, and reports the events that refresh the status.
#pragma once

#include <QKeySequence>
#include <QList>
#include <QPlainTextEdit>
#include <string>
#include <string_view>

class QMenu;
class TagLineCounter;

class SPadEditor : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit SPadEditor(QWidget *parent = nullptr);

    // The whole text as bytes, every line break CR LF. Built line by line; costs a pass over
    // the text, so it is for commands, not for the status refresh.
    std::string bytes() const;
    // Replaces the whole text: the text ends at the first zero byte, every CR LF, lone CR and
    // lone LF is a line break. Leaves nothing to undo and the caret at the start.
    void setBytes(std::string_view bytes);

    // The text's own lines, independent of wrapping on screen: an empty text has one line.
    int lineCount() const;
    // Line `index` (0-based) as bytes without its line break; empty when out of range.
    std::string line(int index) const;

    // Sizes in bytes, each line break counting two; cheap at any size of text.
    qint64 byteLength() const;
    qint64 selectionByteLength() const;
    // The number of lines that begin with "QvL/"; kept up to date as the text changes.
    int tagLineCount() const;

    // One level of undo: the last edit can be taken back, and an undo right after an undo
    // brings it back, until another edit intervenes.
    bool canUndo() const;
    void undoLastEdit();

    // Removes the selected text without touching the clipboard.
    void removeSelection();

    // The colours of the text and of the background as colour values: an explicit colour
    // 0x00BBGGRR or a reference to a system colour, drawn from the system's palette and drawn
    // afresh when the system's colours change. The layout's black text on the system's window
    // colour is drawn in a dark theme's own text colour.
    static constexpr quint32 layoutTextColor = 0;
    quint32 textColorValue() const { return m_textColor; }
    void setTextColorValue(quint32 value);
    quint32 backColorValue() const { return m_backColor; }
    void setBackColorValue(quint32 value);

    // Wrapped, long lines break at the editor's right edge and there is no horizontal scroll
    // bar; unwrapped, they run on under both scroll bars. The vertical scroll bar is always
    // there, even for an empty text. The text is the same either way.
    void setWordWrap(bool on);

    // Keys that the window's menu holds: the editor leaves them to the menu.
    void declineKeys(const QList<QKeySequence> &keys);

    // The editor's own context menu, its Undo following the one-level undo.
    QMenu *createContextMenu();

signals:
    void keyReleased();
    void mouseMoved();

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    bool canInsertFromMimeData(const QMimeData *source) const override;
    void insertFromMimeData(const QMimeData *source) override;
    QMimeData *createMimeDataFromSelection() const override;

private:
    bool lastCommandWasUndo() const;
    bool isDeclined(const QKeyEvent &event) const;

    void applyColors();

    TagLineCounter *m_tagLines;
    quint32 m_textColor;
    quint32 m_backColor;
    bool m_undone = false;
    QList<QKeySequence> m_declinedKeys;
};
