// The table of methods as the programs hold it, OpenPGP's entry added: every entry whole and
// read back by Decrypt, OpenPGP's through GnuPG in the tests' own home.
#include "openpgp/OpenPgpMethod.h"
#include "tests/cipher/MethodEntryChecks.h"

TEST(MethodTableWithOpenPgp, everyEntryIsWholeAndReadsWhatItWrites) {
    openpgp::addToMethods(openpgp::linkedEngine);
    testing_cipher::expectEveryEntryWhole();
}
