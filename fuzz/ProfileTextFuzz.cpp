// The fuzz entry for the settings file's text layer, which reads whatever file the user's
// configuration folder holds. The first three bytes give the lengths of a section name, a key
// and a value that follow; the rest is the file's content. Looking a key up never fails, and
// an entry the layer calls storable is read back as it was written.
#include "FuzzRequire.h"

#include "platform/ProfileText.h"

#include <algorithm>
#include <cstdint>

namespace {

using fuzz::require;

// Takes the next `length` bytes (fewer at the end of the input).
QByteArrayView take(QByteArrayView &input, qsizetype length) {
    const QByteArrayView part = input.first(std::min(length, input.size()));
    input = input.sliced(part.size());
    return part;
}

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

// A value the reader gives back byte for byte: no blanks at its edges, no enclosing quotes.
bool readsBackAsWritten(QByteArrayView value) {
    if (value.isEmpty())
        return true;
    const bool quoted = value.size() >= 2 && value.front() == value.back() &&
                        (value.front() == '"' || value.front() == '\'');
    return !quoted && !isBlank(value.front()) && !isBlank(value.back());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    QByteArrayView input(reinterpret_cast<const char *>(data), qsizetype(size));
    if (input.size() < 3)
        return 0;
    const auto byte = [&input](qsizetype i) {
        return qsizetype(static_cast<unsigned char>(input[i]));
    };
    const qsizetype sectionLength = byte(0) % 16, keyLength = byte(1) % 16, valueLength = byte(2);
    input = input.sliced(3);
    const QByteArrayView section = take(input, sectionLength);
    const QByteArrayView key = take(input, keyLength);
    const QByteArrayView value = take(input, valueLength);
    const QByteArrayView content = input;

    (void)platform::findProfileValue(content, section, key);
    if (!platform::isStorableProfileEntry(section, key, value))
        return 0;
    const QByteArray written = platform::withProfileValue(content, section, key, value);
    const auto readBack = platform::findProfileValue(written, section, key);
    require(readBack.has_value(), "a stored entry is found again");
    if (readsBackAsWritten(value))
        require(*readBack == value, "a stored value reads back as written");
    return 0;
}
