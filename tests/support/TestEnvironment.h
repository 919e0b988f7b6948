#pragma once

#include <string>

namespace velmora::test {

// Points HOME, the XDG folders and the runtime folder at `home` (created
// fresh), so no test can read or write a real user's files.
void IsolateEnvironment(const std::string& home);

// A fresh home for this test process, named after the program and its pid
// (ctest runs the cases of one program in parallel processes).
std::string TestHomeFor(const char* argv0);

// The folder the program and its data are built into.
std::string ProgramDir();

}  // namespace velmora::test
