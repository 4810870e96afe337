// The keys a message's recipients name, looked up as encrypting to them needs, shared by the
// plain and the signed message.
#pragma once

#include <gpgme++/context.h>
#include <gpgme++/key.h>

#include <string>
#include <variant>
#include <vector>

namespace openpgp {

// The one usable key that each recipient names (a user ID, fingerprint or e-mail address as
// encryptToKeys() takes them), each key once; or the words naming a recipient that names none
// or more than one.
std::variant<std::vector<GpgME::Key>, std::string>
keysOfRecipients(GpgME::Context &context, const std::vector<std::string> &recipients);

} // namespace openpgp
