// Where GnuPG writes a decrypted text: held up to a number of bytes. A text that would pass them
// is refused at the write that would, which stops GnuPG there, so that a small message that
// expands to a huge text (compressed zeros, say) never costs more than the bound.
#pragma once

#include <gpgme++/interfaces/dataprovider.h>

#include <cstddef>
#include <string>

namespace openpgp {

class BoundedText : public GpgME::DataProvider {
public:
    explicit BoundedText(std::size_t longest)
        : m_longest(longest) {}

    bool isSupported(Operation operation) const override;
    ssize_t read(void *buffer, size_t size) override;
    ssize_t write(const void *buffer, size_t size) override;
    off_t seek(off_t offset, int whence) override;
    void release() override {}

    // Whether GnuPG wrote more than the bound.
    bool overflowed() const { return m_overflowed; }
    // The text written, taken out.
    std::string take() { return std::move(m_text); }

private:
    std::size_t m_longest;
    std::string m_text;
    bool m_overflowed = false;
};

} // namespace openpgp
