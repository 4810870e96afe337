// The built-in entries of the table of methods, each whole and read back by Decrypt.
#include "MethodEntryChecks.h"

TEST(MethodTable, everyEntryIsWholeAndReadsWhatItWrites) {
    testing_cipher::expectEveryEntryWhole();
}
