// A toy block method for the build test that a half-made entry does not compile. HALF_MADE
// picks how its block shape is made: 0 whole (it compiles), 1 with its reader openBlock left
// out, 2 with provesItself given as null (neither compiles).
#include "cipher/BlockReading.h"
#include "cipher/Method.h"

namespace {

bool namesToy(const cipher::Header &header) {
    return header.version >= 300;
}

bool toyProvesItself(cipher::LineList, const cipher::ArmouredBlock &) {
    return false;
}

cipher::OpenedSession openToy(cipher::BlockReading) {
    return cipher::refused<std::unique_ptr<cipher::DecryptSession>>(cipher::Reason::Damaged,
                                                                    "A toy block.");
}

std::vector<std::string> writeToy(std::string_view, std::string_view) {
    return {};
}

constinit const cipher::PhraseRule toyPhrase{
    cipher::PhraseRule::Characters::AsTyped, 0, 8, "Enter a toy phrase:", {}, "Help_Password1"};

#if HALF_MADE == 1
constinit const cipher::BlockShape toyShape{300, cipher::Letters, namesToy, toyProvesItself};
#elif HALF_MADE == 2
constinit const cipher::BlockShape toyShape{300, cipher::Letters, namesToy, nullptr, openToy};
#else
constinit const cipher::BlockShape toyShape{300, cipher::Letters, namesToy, toyProvesItself,
                                            openToy};
#endif

} // namespace

extern const cipher::Method toyMethod;
constinit const cipher::Method toyMethod{"Toy", "A toy.", "toy", toyPhrase, writeToy, &toyShape};
