// No copy of a phrase stays in the editor's memory once Encrypt and Decrypt have used it: the
// phrase is typed into the real passphrase dialog of the window, and afterwards every readable
// and writable region of the process is read through /proc/self/mem and searched for the phrase
// in UTF-8, UTF-16 and UTF-32. The test keeps no copy of its own: it types the phrase one
// character at a time from pieces, and joins the pieces into the search needles only in a
// mapping of its own, which the search leaves out and which is wiped before it goes.
#include "CryptFixtures.h"

#include "tests/support/ModalAnswerer.h"

#include "cipher/SecretString.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QRadioButton>

#include <cctype>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

using namespace crypt_fixtures;

namespace {

// The phrase, never whole in the test's own memory.
constexpr const char *phrasePieces[] = {"Qz7", "Lynx", "-Emb", "er~Vo", "rtex#4k"};

// Each character of the phrase as typed, capitals for a rule of capitals.
template <class Each> void forEachPhraseCharacter(bool capitals, Each each) {
    for (const char *piece : phrasePieces)
        for (const char *c = piece; *c != '\0'; ++c)
            each(capitals ? char(std::toupper(static_cast<unsigned char>(*c))) : *c);
}

// The phrase typed into the passphrase dialog key by key, then OK.
void typePhrase(QWidget *dialog) {
    QWidget *entry = dialog->findChild<QWidget *>(QStringLiteral("txt_PWord"));
    forEachPhraseCharacter(false, [entry](char c) {
        const QString character(QChar::fromLatin1(c));
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, character);
        QApplication::sendEvent(entry, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, character);
        QApplication::sendEvent(entry, &release);
    });
    dialog->findChild<QPushButton *>(QStringLiteral("cmd_OK"))->click();
}

void chooseMethod02(QWidget *dialog) {
    for (QRadioButton *choice : dialog->findChildren<QRadioButton *>())
        if (choice->text() == QLatin1String("Method 02"))
            choice->click();
    dialog->findChild<QPushButton *>(QStringLiteral("OKBtn"))->click();
}

// Where the search's needles and the memory read stand: a mapping of its own, which the search
// leaves out and which is wiped before it is unmapped.
class Scratch {
public:
    static constexpr std::size_t chunk = 1 << 18;
    static constexpr std::size_t needleRoom = 512;
    static constexpr std::size_t size = chunk + 3 * needleRoom;

    Scratch()
        : m_bytes(static_cast<char *>(
              ::mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0))) {}
    ~Scratch() {
        cipher::secret::wipe(m_bytes, size);
        ::munmap(m_bytes, size);
    }
    Scratch(const Scratch &) = delete;
    Scratch &operator=(const Scratch &) = delete;

    bool holds(std::uintptr_t address) const {
        return address >= std::uintptr_t(m_bytes) && address < std::uintptr_t(m_bytes) + size;
    }
    // The phrase with each character as `width` bytes, little-endian (the machine's order).
    std::string_view needle(int width, bool capitals) {
        char *start = m_bytes + chunk + std::size_t(width - 1) * needleRoom;
        std::size_t length = 0;
        forEachPhraseCharacter(capitals, [&](char c) {
            std::memset(start + length, 0, std::size_t(width));
            start[length] = c;
            length += std::size_t(width);
        });
        return {start, length};
    }
    char *buffer() { return m_bytes; }

private:
    char *m_bytes;
};

// How often each needle stands in the process's readable, writable memory outside the scratch.
QStringList phraseCopies(bool capitals) {
    Scratch scratch;
    const std::string_view needles[] = {scratch.needle(1, capitals), scratch.needle(2, capitals),
                                        scratch.needle(4, capitals)};
    const char *names[] = {"UTF-8", "UTF-16", "UTF-32"};
    QStringList found;
    const int memory = ::open("/proc/self/mem", O_RDONLY | O_CLOEXEC);
    std::FILE *maps = std::fopen("/proc/self/maps", "re");
    char line[512];
    while (memory >= 0 && maps != nullptr && std::fgets(line, sizeof line, maps) != nullptr) {
        unsigned long start = 0;
        unsigned long end = 0;
        char perms[5] = {};
        if (std::sscanf(line, "%lx-%lx %4s", &start, &end, perms) != 3 || perms[0] != 'r' ||
            perms[1] != 'w' || scratch.holds(start))
            continue;
        // Chunks overlap by the longest needle, so that none is missed across their border.
        for (unsigned long at = start; at < end; at += Scratch::chunk - Scratch::needleRoom) {
            const ssize_t read =
                ::pread(memory, scratch.buffer(), std::min<unsigned long>(Scratch::chunk, end - at),
                        off_t(at));
            if (read <= 0)
                break;
            for (int n = 0; n < 3; ++n) {
                const std::string_view held(scratch.buffer(), std::size_t(read));
                for (std::size_t hit = held.find(needles[n]); hit != std::string_view::npos;
                     hit = held.find(needles[n], hit + 1))
                    found << QStringLiteral("%1 at %2").arg(names[n]).arg(at + hit, 0, 16);
            }
            if (at + Scratch::chunk >= end)
                break;
        }
    }
    if (maps != nullptr)
        std::fclose(maps);
    if (memory >= 0)
        ::close(memory);
    return found;
}

} // namespace

class TestPhraseMemory : public QObject {
    Q_OBJECT
private slots:
    void searchFindsACopyKept();
    void noCopyAfterEncryptAndDecrypt_data();
    void noCopyAfterEncryptAndDecrypt();
};

// The search finds what memory holds: a copy kept on purpose in a string is found, once.
void TestPhraseMemory::searchFindsACopyKept() {
    QString kept;
    kept.reserve(64);
    forEachPhraseCharacter(false, [&kept](char c) { kept += QChar::fromLatin1(c); });
    const QStringList copies = phraseCopies(false);
    std::fill_n(const_cast<QChar *>(kept.constData()), kept.size(), QChar());
    QCOMPARE(copies.size(), 1);
    QVERIFY(copies.first().startsWith(QLatin1String("UTF-16 ")));
}

void TestPhraseMemory::noCopyAfterEncryptAndDecrypt_data() {
    QTest::addColumn<bool>("method02");
    QTest::newRow("Encrypt, Method 01 (capitals)") << false;
    QTest::newRow("Encrypt With Specific Method, Method 02 (as typed)") << true;
}

void TestPhraseMemory::noCopyAfterEncryptAndDecrypt() {
    QFETCH(bool, method02);
    WindowUnderTest w;
    QVERIFY(w.ready());
    w.editor()->setBytes("a text to protect");
    {
        ModalAnswerer answers;
        if (method02)
            answers.then(chooseMethod02);
        answers.then(typePhrase).then(typePhrase);
        w.action(method02 ? "EncryptUsingMethod1" : "Encrypt1")->trigger();
        QVERIFY(answers.done());
    }
    QVERIFY(w.editor()->line(1).starts_with(method02 ? "QvL/0200/02/" : "QvL/0122/01/"));
    {
        ModalAnswerer answers;
        answers.then(typePhrase);
        w.action("Decrypt1")->trigger();
        QVERIFY(answers.done());
    }
    QCOMPARE(w.bytes(), std::string("a text to protect"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    const QStringList copies = phraseCopies(!method02);
    QVERIFY2(copies.isEmpty(), qPrintable(copies.join(QLatin1String(", "))));
}

QTEST_MAIN(TestPhraseMemory)
#include "tst_phrasememory.moc"
