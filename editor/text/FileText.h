// A file's text as the editor takes it: its characters and the format they were found in.
#pragma once

#include "editor/text/DocumentFormat.h"
#include "editor/text/LineCounts.h"

#include <QString>
#include <string>

struct FileText {
    QString characters;
    DocumentFormat format;
    // The counts of the characters' lines, when reading found them; else none.
    LineCounts lines;
};

// The characters (every CR LF, lone CR and lone LF one '\n') and format of a file's bytes, which
// hold no zero byte. UTF-8 when the bytes are well-formed UTF-8 holding a byte above 7F, with the
// mark when they begin with it (the mark is not a character of the text); else Windows-1252. LF
// when every line break is LF, and there is at least one; else CR LF. The bytes are taken, so
// that they are gone before the editor builds its lines from the characters.
FileText fileText(std::string bytes);
