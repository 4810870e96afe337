// OpenPGP in the table of methods, with GnuPG's side read from the program's OpenPGP module when
// a command first needs it: a start, and a text without an OpenPGP message, never load GpgME.
#pragma once

void addOpenPgpToMethods();
