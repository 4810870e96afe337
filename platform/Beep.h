// The system beep before a message box, recorded by kind so that tests can hear it.
#pragma once

#include <vector>

namespace platform {

enum class BeepKind : int { Hand = 16, Question = 32, Exclamation = 48 };

void messageBeep(BeepKind kind);

// Every beep sounded since the last clear, oldest first.
const std::vector<BeepKind> &recordedBeeps();
void clearRecordedBeeps();

} // namespace platform
