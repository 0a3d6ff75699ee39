// Starting another program from the terminal face (a document or web address opened with the
// desktop's opener), detached so that it neither draws on our screen nor outlives us as a zombie.
#pragma once

#include <string>

namespace zorva {

// Runs `program` (looked up on PATH) with one argument, in its own session with standard input and
// output on /dev/null, without waiting for it. True when the program was started.
bool launch_detached(const std::string& program, const std::string& argument);

}  // namespace zorva
