// Encrypt's refusals and the chosen method's writer.
#include "cipher/BlockWriter.h"

#include "cipher/ArmourFormat.h"
#include "cipher/Messages.h"

namespace cipher {

std::optional<std::string_view> encryptRefusal(std::string_view text) {
    return encryptRefusal(text.size());
}

std::optional<std::string_view> encryptRefusal(std::size_t textLength) {
    if (textLength == 0)
        return messages::noTextToEncrypt;
    if (textLength > maxTextLength)
        return messages::textTooLong;
    return std::nullopt;
}

std::vector<std::string> writeBlock(const Method &method, std::string_view text,
                                    std::string_view phrase) {
    return method.writeBlock(text, phrase);
}

} // namespace cipher
