// Keeps count of the editor's tag lines (lines that begin with "QvL/", the tag of an armoured
// block's header and checksum lines) as the text changes, so the status refresh never has to
// walk the whole text to ask whether it holds a block.
#pragma once

#include <QObject>
#include <memory>

class QTextBlock;
class QTextDocument;

class TagLineCounter : public QObject {
public:
    explicit TagLineCounter(QTextDocument *document);

    int count() const;

private:
    // Shared with every tag mark, so that marks destroyed with the document's blocks, even
    // after this counter is gone, always have a count to take themselves off.
    struct Count;
    class Mark;

    void recheck(int position, int charsRemoved, int charsAdded);
    void mark(QTextBlock block);

    QTextDocument *m_document;
    std::shared_ptr<Count> m_count;
};
