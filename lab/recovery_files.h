// Where a running program keeps its recovery copy, and which copies were left behind. Each running
// program has a copy of its own, named with its process number, so that one program's clean exit
// never deletes the copy of another that is still running (or that crashed).
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace zorva {

// The folder of the user's recovery copies: $XDG_CONFIG_HOME/zorva (~/.config/zorva); "" when
// neither variable is set.
std::filesystem::path recovery_folder();

// This program's copy in `folder`: "FACE-recovery-PID.zlab".
std::filesystem::path own_recovery_file(const std::filesystem::path& folder,
                                        const std::string& face);

// The copies of `face` in `folder` whose program no longer runs, oldest first (the single copy
// that earlier versions wrote, "FACE-recovery.zlab", counts as left behind, and so does a copy
// with this program's own number: it was written by an earlier program that had the number). Ask
// at start, before this program writes its own copy.
std::vector<std::filesystem::path> left_behind_recovery_files(const std::filesystem::path& folder,
                                                              const std::string& face);

}  // namespace zorva
