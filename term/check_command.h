// The checking and grading commands of zorva-term:
//   zorva-term --check CHECKS --lab FILE
//   zorva-term --grade CHECKS FILE...|FOLDER... [--csv PATH] [--report FOLDER] [-j N]
//              [--topology EXPECTED.ini]
//   zorva-term --lint CHECKS [--lab MODEL]
#pragma once

#include <filesystem>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace zorva {

// Runs --check, --grade or --lint when `args` (the program's arguments without its name) ask
// for one and gives the exit status; nullopt when they ask for none of them.
//   --check: 0 when every check passes, 1 when one fails, 2 for a bad check file or lab file.
//   --grade: 0 when every lab passed every check, 1 when one failed or could not be opened (or
//            none was found), 2 for a bad check file or arguments, or a CSV or report that could
//            not be written.
//   --lint:  0 when nothing was found, 1 when something was, 2 for a bad check file or model.
std::optional<int> run_check_command(const std::vector<std::string>& args,
                                     const std::filesystem::path& app_dir, std::ostream& out,
                                     std::ostream& err);

}  // namespace zorva
