// What the editor takes: the largest file, the most lines and the longest line. Each limit is
// chosen from measurement (bench_open) so that a text at any one of them loads here within
// about 10 s and 1.5 GB; past them the toolkit's editor grows without bound in time and memory.
#pragma once

#include <QtGlobal>
#include <string_view>

namespace editor_capacity {

// A file of 64 MiB in lines of 48 bytes: 7.0 s of processor time, 741 MB at the peak.
inline constexpr qint64 fileBytes = 64 * 1024 * 1024;
// Each line costs about 3 microseconds and 430 bytes of its own: 2,000,000 empty lines take
// 6.3 s and 876 MB.
inline constexpr qint64 lines = 2'000'000;
// A long line is laid out whole once it shows: one of 16 MB takes 7.9 s and 677 MB.
inline constexpr qint64 lineBytes = 16 * 1024 * 1024;

// True when the text has no more lines, and no longer line, than these; CR LF, a lone CR and
// a lone LF each end a line.
bool holdsLines(std::string_view text);

} // namespace editor_capacity
