// The memory a piece of work needs at its peak, read from the kernel's account of this process:
// the high-water mark of its resident size, set back to the present size before the work.
#pragma once

// Sets the process's high-water mark back to its present resident size.
void resetPeakMemory();

// Kilobytes resident now, and at the most since the last reset (or the start).
long residentKilobytes();
long peakKilobytes();
