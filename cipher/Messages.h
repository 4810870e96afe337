// The system's own words for every refusal, warning and prompt of Encrypt and Decrypt, kept
// in one place so the editor and the qvl tool say exactly the same.
#pragma once

#include "cipher/ArmourFormat.h"
#include "cipher/ComposedWords.h"
#include "cipher/Words.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace cipher::messages {

inline constexpr std::string_view noTextToEncrypt =
    TRANSLATABLE("Words", "There is no text to encrypt.");
inline constexpr std::string_view noTextToSign = TRANSLATABLE("Words", "There is no text to sign.");
inline constexpr std::string_view textTooLongPattern =
    TRANSLATABLE("Words", "The amount of text to encrypt cannot exceed %1 bytes.");
inline constexpr ComposedWords<64> textTooLongWords{textTooLongPattern, maxTextLength, true};
inline constexpr std::string_view textTooLong = textTooLongWords.view();
inline constexpr std::string_view alreadyEncrypted = TRANSLATABLE(
    "Words", "This text is already encrypted.  Are you sure you want to encrypt it again?");
inline constexpr std::string_view phrasesDiffer =
    TRANSLATABLE("Words", "The phrases entered do not match.");
inline constexpr std::string_view enterNewPhrase =
    TRANSLATABLE("Words", "Enter a phrase to password-protect (if desired):");
inline constexpr std::string_view confirmPhrase =
    TRANSLATABLE("Words", "Re-enter phrase to confirm:");
// The help topics of those prompts and of enterPhrase, which the passphrase dialog opens.
inline constexpr std::string_view newPhraseHelp = "Help_Password1";
inline constexpr std::string_view confirmPhraseHelp = "Help_Password3";
inline constexpr std::string_view enterPhraseHelp = "Help_Password2";

inline constexpr std::string_view noTextToDecrypt =
    TRANSLATABLE("Words", "There is no text to decrypt.");
inline constexpr std::string_view noBlock = TRANSLATABLE(
    "Words",
    "The header and footer lines are not present.  This text does not appear to be encrypted.");
// The tagged lines are there behind quote marks or blanks, but no repair reads the block.
inline constexpr std::string_view blockChanged = TRANSLATABLE(
    "Words", "The encrypted text has been changed, and its changes cannot be undone.  Unable to "
             "decrypt this text.");
inline constexpr std::string_view invalidHeader =
    TRANSLATABLE("Words", "The header line is not valid.  Unable to decrypt this text.");
inline constexpr std::string_view enterPhrase =
    TRANSLATABLE("Words", "This text is password-protected.  Enter phrase:");
inline constexpr std::string_view wrongPhrase = TRANSLATABLE(
    "Words", "The phrase given does not match the phrase used to password-protect the text.");
inline constexpr std::string_view endedEarly = TRANSLATABLE(
    "Words",
    "The encrypted text has terminated unexpectedly.  The decrypted text is incomplete and "
    "possibly contains errors.");
inline constexpr std::string_view checksumAbsent = TRANSLATABLE(
    "Words", "CRC information was not present in the encrypted text.  Unable to verify that the "
             "encrypted text was error-free.");
inline constexpr std::string_view checksumDiffers =
    TRANSLATABLE("Words", "CRC error.  Errors were present in the encrypted text.");
// A block whose body is not what was written: nothing of it is decrypted.
inline constexpr std::string_view damagedBlock =
    TRANSLATABLE("Words", "The encrypted text is damaged.  Unable to decrypt this text.");

// A body so long that its checksum passes what a 32-bit sum holds (an integer overflow).
inline constexpr std::string_view checksumOverflows = TRANSLATABLE(
    "Words", "The encrypted text is too long for its checksum.  Unable to decrypt this text.");

// "Cannot handle the encryption method ...  Try using Shroud-a-Pad " + version / 100 with two
// decimals + ".": the version field 130 gives "1.30", 5 gives "0.05".
inline constexpr std::string_view unknownMethodPattern =
    TRANSLATABLE("Words", "Cannot handle the encryption method used to encrypt this text.  Try "
                          "using Shroud-a-Pad %1.");
std::string unknownMethod(std::int32_t version);

// The prompt and the rule of a phrase of 1 to some characters.
inline constexpr std::string_view newPhraseOfLengthPrompt =
    TRANSLATABLE("Words", "Enter a phrase to password-protect (1 to %1 characters):");
inline constexpr std::string_view phraseOfLengthNeeded =
    TRANSLATABLE("Words", "Method 02 needs a phrase.  Enter a phrase of 1 to %1 characters.");

// The patterns of the words above that carry values.
inline constexpr std::array composedPatterns{textTooLongPattern, unknownMethodPattern,
                                             newPhraseOfLengthPrompt, phraseOfLengthNeeded};

} // namespace cipher::messages
