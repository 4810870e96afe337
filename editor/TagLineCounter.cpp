// Counting the editor's tag lines: each block that begins with the tag carries a mark in its
// user data that counts itself on creation and takes itself off when the block goes, so an
// edit needs to look only at the blocks it touched.
#include "editor/TagLineCounter.h"

#include "cipher/ArmourFormat.h"

#include <QTextBlock>
#include <QTextBlockUserData>
#include <QTextDocument>
#include <algorithm>

namespace {

constexpr int tagLength = int(cipher::armourTag.size());

// Looks at no more than the first four characters, however long the line.
bool beginsWithTag(const QTextDocument &document, const QTextBlock &block) {
    if (block.length() <= tagLength) // the length counts the line break
        return false;
    for (int i = 0; i < tagLength; ++i) {
        if (document.characterAt(block.position() + i) !=
            QLatin1Char(cipher::armourTag[std::size_t(i)]))
            return false;
    }
    return true;
}

} // namespace

struct TagLineCounter::Count {
    int value = 0;
};

class TagLineCounter::Mark : public QTextBlockUserData {
public:
    explicit Mark(std::shared_ptr<Count> count)
        : m_count(std::move(count)) {
        ++m_count->value;
    }
    ~Mark() override { --m_count->value; }

private:
    std::shared_ptr<Count> m_count;
};

TagLineCounter::TagLineCounter(QTextDocument *document)
    : QObject(document)
    , m_document(document)
    , m_count(std::make_shared<Count>()) {
    connect(document, &QTextDocument::contentsChange, this, &TagLineCounter::recheck);
    recheck(0, 0, document->characterCount());
}

int TagLineCounter::count() const {
    return m_count->value;
}

void TagLineCounter::recheck(int position, int /*charsRemoved*/, int charsAdded) {
    const QTextBlock last =
        m_document->findBlock(std::min(position + charsAdded, m_document->characterCount() - 1));
    for (QTextBlock block = m_document->findBlock(position); block.isValid();
         block = block.next()) {
        mark(block);
        if (block == last)
            break;
    }
}

void TagLineCounter::mark(QTextBlock block) {
    const bool marked = dynamic_cast<Mark *>(block.userData()) != nullptr;
    if (beginsWithTag(*m_document, block) == marked)
        return;
    // Replacing the user data deletes the old mark, which takes itself off the count.
    block.setUserData(marked ? nullptr : new Mark(m_count));
}
