// Small fixtures for the Encrypt and Decrypt tests: blocks written by the cipher itself, texts
// that hold every byte value, the beeps by name, and running a command of the window.
#pragma once

#include "tests/window/WindowUnderTest.h"

#include "cipher/BlockWriter.h"
#include "cipher/Lines.h"
#include "cipher/Method.h"
#include "platform/Beep.h"

#include <QStringList>
#include <string>
#include <string_view>

namespace crypt_fixtures {

// The block Encrypt puts into the editor, every line ended by CR LF.
inline std::string blockOf(std::string_view text, std::string_view phrase = {}, int method = 1) {
    return cipher::joinLines(
        cipher::writeBlock(*cipher::methodNamed(std::to_string(method)), text, phrase));
}

// Every byte value 1..255 that a text can hold outside a line break, in `rounds` lines
// joined by CR LF, each line starting at another value so that every byte meets every
// position of a group.
inline std::string everyByteText(int rounds) {
    std::string text;
    for (int round = 0; round < rounds; ++round) {
        if (round > 0)
            text += "\r\n";
        for (int value = 1; value <= 255; ++value) {
            const int byte = (value + round - 1) % 255 + 1;
            if (byte != '\r' && byte != '\n')
                text += char(byte);
        }
    }
    return text;
}

inline QStringList beepNames() {
    QStringList names;
    for (const platform::BeepKind kind : platform::recordedBeeps()) {
        switch (kind) {
        case platform::BeepKind::Hand:
            names << QStringLiteral("Hand");
            break;
        case platform::BeepKind::Question:
            names << QStringLiteral("Question");
            break;
        case platform::BeepKind::Exclamation:
            names << QStringLiteral("Exclamation");
            break;
        }
    }
    return names;
}

inline QByteArray asBytes(std::string_view text) {
    return QByteArray(text.data(), qsizetype(text.size()));
}

inline std::string asString(const QByteArray &text) {
    return text.toStdString();
}

} // namespace crypt_fixtures
