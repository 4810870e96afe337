// Holding GnuPG's output up to a bound: GnuPG only writes to it, and a write that would pass the
// bound fails with "file too large", which ends GnuPG's operation with that error.
#include "openpgp/BoundedText.h"

#include <cerrno>

namespace openpgp {

bool BoundedText::isSupported(Operation operation) const {
    return operation == Write || operation == Release;
}

ssize_t BoundedText::read(void *, size_t) {
    errno = EBADF;
    return -1;
}

ssize_t BoundedText::write(const void *buffer, size_t size) {
    if (size > m_longest - m_text.size()) {
        m_overflowed = true;
        errno = EFBIG;
        return -1;
    }
    m_text.append(static_cast<const char *>(buffer), size);
    return static_cast<ssize_t>(size);
}

off_t BoundedText::seek(off_t, int) {
    errno = ESPIPE;
    return -1;
}

} // namespace openpgp
