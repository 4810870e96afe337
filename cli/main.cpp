// qvl: encrypts, decrypts and detects armoured blocks for scripts and mail filters.
#include "CliError.h"
#include "Commands.h"
#include "Io.h"
#include "Options.h"

#include "hardening/ProcessHardening.h"
#include "openpgp/OpenPgpMethod.h"

#include <iostream>
#include <string_view>

namespace {

int run(const qvl::Options &options) {
    switch (options.command) {
    case qvl::Command::Help:
        qvl::writeOutput(qvl::usageText());
        return qvl::Done;
    case qvl::Command::Version:
        qvl::writeOutput("qvl " QVL_VERSION "\n");
        return qvl::Done;
    case qvl::Command::Encrypt:
        return qvl::runEncrypt(options);
    case qvl::Command::Decrypt:
        return qvl::runDecrypt(options);
    case qvl::Command::Detect:
        return qvl::runDetect(options);
    case qvl::Command::Sign:
        return qvl::runSign(options);
    case qvl::Command::Verify:
        return qvl::runVerify(options);
    }
    return qvl::UsageOrFileError;
}

} // namespace

int main(int argc, char **argv) {
    // Phrases and texts pass through this process: none of its memory may reach a core dump.
    hardening::keepMemoryPrivate();
    openpgp::addToMethods(openpgp::linkedEngine);
    if (argc < 2) {
        std::cerr << qvl::usageText();
        return qvl::UsageOrFileError;
    }
    // detect answers as grep does: every kind of error is 2, apart from 1 for "no block".
    const auto failed = [detecting = std::string_view(argv[1]) == "detect"](int status) {
        return detecting ? qvl::DetectError : status;
    };
    try {
        return run(qvl::parseOptions(std::vector<std::string>(argv + 1, argv + argc)));
    } catch (const qvl::CliError &error) {
        std::cerr << error.what() << '\n';
        return failed(error.status());
    } catch (const std::bad_alloc &) {
        std::cerr << "qvl: out of memory\n";
        return failed(qvl::UsageOrFileError);
    } catch (const std::exception &error) {
        // Any other failure of the system or the library ends the run with a message too,
        // never with an abort and a core.
        std::cerr << "qvl: " << error.what() << '\n';
        return failed(qvl::UsageOrFileError);
    } catch (...) {
        std::cerr << "qvl: unexpected failure\n";
        return failed(qvl::UsageOrFileError);
    }
}
