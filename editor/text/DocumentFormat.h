// A document's format: its encoding (Windows-1252 or UTF-8, with or without the byte-order
// mark) and its line-break convention (CR LF or LF), found when a file opens or a block
// decrypts, chosen in the Options menu and written by Save.
#pragma once

#include "cipher/TextEncoding.h"

#include <string_view>

enum class LineBreaks { CrLf, Lf };

struct DocumentFormat {
    cipher::Encoding encoding = cipher::Encoding::Windows1252;
    bool byteOrderMark = false;
    LineBreaks lineBreaks = LineBreaks::CrLf;

    bool operator==(const DocumentFormat &) const = default;
};

// A decrypted text's format: UTF-8 when its bytes are valid UTF-8 holding a byte above 7F, with
// the mark when they begin with it, else Windows-1252 (as for a file); its line breaks LF for a
// UTF-8 text, else CR LF. A text its method carries as UTF-8 is UTF-8 whenever its bytes are
// valid UTF-8, plain ASCII too, and keeps the line breaks it came with: CR LF when it holds
// one, else LF.
DocumentFormat formatOfDecryptedText(std::string_view bytes, bool carriedAsUtf8 = false);

// The bytes after the format's mark.
std::string_view withoutMark(std::string_view bytes, const DocumentFormat &format);
