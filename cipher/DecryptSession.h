// One decryption: what the text holds has been found and proved as far as it can be without a
// phrase; the session asks for the phrase it needs, when it needs one, and gives the text with
// its verdict. The editor and qvl read every method through it.
#pragma once

#include "cipher/ArmourDecoder.h"
#include "cipher/Outcome.h"
#include "cipher/PhraseRule.h"
#include "cipher/ReadingReport.h"
#include "cipher/SecretString.h"

#include <cstddef>
#include <functional>
#include <limits>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace cipher {

struct Method;

// What a session asks for: the words of the prompt, the rule the phrase keeps, and the help
// topic that explains the prompt.
struct PhraseRequest {
    std::string prompt;
    const PhraseRule &rule;
    std::string_view helpTopic;
};

// Answers a request with the phrase as the rule yields it, or nothing when the user gives up.
// A session may call it from the thread it opens on, which need not be the caller's own.
using PhraseSource = std::function<std::optional<SecretString>(const PhraseRequest &)>;

class DecryptSession {
public:
    virtual ~DecryptSession() = default;

    // The text, asking `ask` for the phrase when one is needed; or the refusal:
    // Reason::WrongPhrase when only the phrase is wrong (a later open may try another),
    // Reason::Cancelled when `ask` gave none. Opening may derive a key, so it belongs off the
    // user-interface thread; nothing else touches the session meanwhile.
    virtual Outcome<DecodedText> open(const PhraseSource &ask) = 0;
    // Whether opening may take long (a key derivation, another program's work), so that a
    // window runs it off its thread; a quick one is run where it is asked for.
    virtual bool opensSlowly() const { return true; }
    // What the user should know after the text stands: the mail changes undone to read it,
    // and the signatures that the last open() found (none for most methods).
    const ReadingReport &report() const { return m_report; }
    void setRepairs(std::string repairs) { m_report.repairs = std::move(repairs); }

    // The most bytes of text the caller takes. A method whose text may be far longer than what
    // it reads (OpenPGP's compressed data) stops there and refuses the text as too large; the
    // others' texts are never longer than the lines they read.
    std::size_t longestText() const { return m_longestText; }
    void setLongestText(std::size_t bytes) { m_longestText = bytes; }

protected:
    void setSignatures(std::vector<SignatureReport> signatures) {
        m_report.signatures = std::move(signatures);
    }

private:
    ReadingReport m_report;
    std::size_t m_longestText = std::numeric_limits<std::size_t>::max();
};

// Finds what the text's lines hold and opens a session for it: an armoured block of a known
// method, read exactly and then with mail's changes undone; where the lines hold no block, the
// first message of a known method with a shape of its own. Otherwise the refusal: "The header
// and footer lines are not present ...", or "The encrypted text has been changed ..." where a
// block in shape (START line, header, checksum line) stands behind quote marks or blanks, the
// header's or the method's. The lines must outlive the session.
Outcome<std::unique_ptr<DecryptSession>> openDecryptSession(LineList lines);
Outcome<std::unique_ptr<DecryptSession>> openDecryptSession(LineList lines,
                                                            std::span<const Method *const> known);

} // namespace cipher
