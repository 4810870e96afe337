// The fuzz entry for the settings file's values: the text of a value read as an integer, as the
// settings read every number, and that integer taken as a colour value, as the settings read
// the editor's colours. Any text gives a number or nothing; a number reads back from its
// decimal and its "$" spelling; an explicit colour gives back its value.
#include "FuzzRequire.h"

#include "platform/ColorValue.h"
#include "platform/ProfileInteger.h"

#include <cstdint>
#include <limits>

namespace {

using fuzz::require;

void checkNumber(QStringView text, qint32 number) {
    if (number != std::numeric_limits<qint32>::min())
        require(platform::profileInteger(QString::number(number)) == number,
                "a number reads back from its decimal spelling");
    require(platform::profileInteger(QStringLiteral("$") + QString::number(quint32(number), 16)) ==
                number,
            "a number reads back from its hexadecimal spelling");
    // "0x" stands for "$" only where the text begins with it.
    if (!text.startsWith(u"0x", Qt::CaseInsensitive))
        require(platform::profileInteger(QStringLiteral("  ") + text.toString()) == number,
                "leading spaces are allowed");
    require(!platform::profileInteger(text.toString() + QStringLiteral(" ")),
            "nothing may follow the digits");
}

void checkColor(quint32 value) {
    const QPalette palette(Qt::black, Qt::white);
    const QColor color = platform::colorFromValue(value, palette);
    if (value <= platform::largestExplicitColorValue) {
        require(color.isValid(), "an explicit colour is a colour");
        require(platform::valueFromColor(color) == value,
                "an explicit colour gives its value back");
    } else if (!(value & platform::systemColorFlag)) {
        require(!color.isValid(), "a value beyond the explicit colours without the flag is none");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    for (const QString &text : {QString::fromLatin1(bytes), QString::fromUtf8(bytes)}) {
        const std::optional<qint32> number = platform::profileInteger(text);
        if (!number)
            continue;
        checkNumber(text, *number);
        checkColor(quint32(*number));
    }
    return 0;
}
