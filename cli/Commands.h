// qvl's commands; each answers the process's exit status.
#pragma once

#include "Options.h"

namespace qvl {

int runEncrypt(const Options &options);
int runDecrypt(const Options &options);
int runDetect(const Options &options);
int runSign(const Options &options);
int runVerify(const Options &options);

} // namespace qvl
