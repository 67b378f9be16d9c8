#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace numora {

class AppProfile;

// numora-cli [--root DIR] COMMAND [WORDS...]: reads the options from the
// device root's option store, finds the command and runs it. Returns the exit
// status.
int runCliProgram(const std::vector<std::string>& words, std::ostream& out, std::ostream& err);

// The same with a given option store (tests use an in-memory one).
int runCliProgram(const std::vector<std::string>& words, AppProfile& profile, std::ostream& out, std::ostream& err);

}  // namespace numora
