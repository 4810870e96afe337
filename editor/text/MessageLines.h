// The lines of the editor's text that show an OpenPGP message which Decrypt reads, each judged
// on its own so that the status bar's counts of them follow edits line by line: a line that
// opens a message with its begin line and a line that holds its end line. Decrypt reads their
// words as the message finder does: behind quote marks (">", "|") and blanks, a line broken
// between its words by mail. A broken line's next line is not looked at.
#pragma once

#include <QStringView>

namespace message_lines {

// Whether the line's first word, behind quote marks and blanks, begins the begin line
// "-----BEGIN PGP MESSAGE-----" and its other words follow it as far as the line goes (armour
// headers that mail joined onto it may stand after it).
bool opensMessage(QStringView line);

// Whether a word of the line begins the end line "-----END PGP MESSAGE-----" and its other
// words follow it as far as the line goes (the end line may stand after the last body line
// that mail joined it onto, and words may stand after it).
bool closesMessage(QStringView line);

} // namespace message_lines
