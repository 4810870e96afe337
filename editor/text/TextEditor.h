// The editor txt_SPad: a plain-text edit whose text is a string of bytes in the document's
// encoding (Windows-1252 or UTF-8) with CR LF line breaks. It keeps the one-level undo, lets
// the menu take the keys it holds, admits only characters its bytes can hold (a character
// Windows-1252 cannot hold makes the document UTF-8), and reports the events that refresh the
// status.
#pragma once

#include "editor/text/DocumentFormat.h"
#include "editor/text/LineCounts.h"

#include <QKeySequence>
#include <QList>
#include <QPlainTextEdit>
#include <optional>
#include <string>
#include <string_view>

class QMenu;
class TextCounter;

class TextEditor : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit TextEditor(QWidget *parent = nullptr);

    // The document's encoding, mark and line-break convention. Setting it changes no
    // character: the caller makes sure the encoding holds the text.
    const DocumentFormat &format() const { return m_format; }
    void setFormat(const DocumentFormat &format);

    // The whole text as bytes of the document's encoding, every line break CR LF, without the
    // mark. Built line by line; costs a pass over the text, so it is for commands, not for the
    // status refresh.
    std::string bytes() const;
    // The text as Save writes it: the mark, then the bytes with the document's line breaks.
    std::string fileBytes() const;
    // The whole text as UTF-8 whatever the document's encoding, every line break LF, without the
    // mark: what a method that carries its text as UTF-8 is handed.
    std::string utf8Text() const;
    // Replaces the whole text by a decrypted or newly made text: UTF-8 when the bytes are valid
    // UTF-8 holding a byte above 7F (a leading mark kept as the document's), else Windows-1252;
    // line breaks CR LF. The text ends at the first zero byte, every CR LF, lone CR and lone LF
    // is a line break. Leaves nothing to undo and the caret at the start.
    void setBytes(std::string_view bytes);
    // The same as one edit that Undo takes back, as Decrypt replaces the text: Undo right after
    // it brings back the text and its format as they stood, and an Undo after that the new text.
    // A text that its method carries as UTF-8 takes its format as formatOfDecryptedText() gives
    // it for such a text.
    void setBytesAsEdit(std::string_view bytes, bool carriedAsUtf8 = false);
    // Takes a file's characters (line breaks '\n') in the file's format, and the counts of its
    // lines when they are known. A text equal to the editor's changes only the format: no change
    // event, and what can be undone stays. Otherwise as setBytes(). Returns whether the text was
    // replaced.
    bool loadText(const QString &text, const DocumentFormat &format, LineCounts lines = {});

    // The first character of the text that Windows-1252 cannot hold; empty when there is none.
    QString firstOutsideWindows1252() const;

    // The text's own lines, independent of wrapping on screen: an empty text has one line.
    int lineCount() const;
    // Line `index` (0-based) as bytes without its line break; empty when out of range.
    std::string line(int index) const;

    // Sizes in bytes of the document's encoding without the mark, each line break counting
    // two; read from counts kept as the text changes, so cheap at any size of text.
    qint64 byteLength() const;
    qint64 selectionByteLength() const;
    // The number of lines that begin with "QvL/"; kept up to date as the text changes.
    int tagLineCount() const;
    // Whether a line opens an OpenPGP message and a line holds its end line, as Decrypt reads
    // them; kept up to date as the text changes.
    bool holdsMessageLines() const;

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
    // The encoding for text entering the editor: a character that Windows-1252 cannot hold
    // makes the document UTF-8 before it enters, so that no character is lost.
    cipher::Encoding encodingToHold(QStringView text);
    bool holdsText(QStringView text) const;
    void replaceText(const QString &text, const DocumentFormat &format, LineCounts lines = {});

    void applyColors();

    TextCounter *m_counter;
    DocumentFormat m_format;
    quint32 m_textColor;
    quint32 m_backColor;
    bool m_undone = false;
    // The format on the other side of the last edit made by setBytesAsEdit(), while that edit
    // is the one Undo takes back or brings back; any other edit drops it.
    std::optional<DocumentFormat> m_formatAcross;
    QList<QKeySequence> m_declinedKeys;
};
