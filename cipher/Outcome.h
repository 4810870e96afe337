// A step's result: its value, or the system's words that refuse it with a typed reason, so that
// callers (the editor, qvl) tell refusals apart without reading the words.
#pragma once

#include <optional>
#include <string>
#include <utility>

namespace cipher {

enum class Reason {
    None,          // not refused
    NoBlock,       // the text holds no block, nor any message a known method reads
    InvalidHeader, // the header line is outside the format
    LaterVersion,  // a method, layout or cost that a later version writes
    WrongPhrase,   // intact, but the phrase does not open it
    Cancelled,     // the user gave no phrase
    Damaged,       // not as it was written; nothing of it is decrypted
    NoKey,         // written to keys of which the user holds none
    Failed,        // the reader could not do its work
};

template <class T> struct [[nodiscard]] Outcome {
    std::optional<T> value;
    std::string refusal;
    Reason reason = Reason::None;

    explicit operator bool() const { return value.has_value(); }
};

// The refusal of a step that yields T.
template <class T> Outcome<T> refused(Reason reason, std::string words) {
    return {std::nullopt, std::move(words), reason};
}

// The refusal of one step passed on as another's.
template <class T, class U> Outcome<T> refusedAs(Outcome<U> &&other) {
    return {std::nullopt, std::move(other.refusal), other.reason};
}

} // namespace cipher
