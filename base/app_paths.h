// The program's directory, the default topology file and the version text; where an installed
// program finds its data and keeps the user's log.
#pragma once

#include <filesystem>
#include <string>

namespace zorva {

// The folder with the platform's path separator at the end, added only when missing.
std::string app_path_of(const std::filesystem::path& folder);

// The folder followed by "default.ini", with a separator between them when needed.
std::string default_topology_file(const std::string& folder);

// major + minor / 10 + revision / 100, in decimal without blanks: 4.0.1 gives "4.01".
std::string version_text_of(int major, int minor, int revision);

// This program's own version text.
std::string program_version_text();

// The folder holding the program's data (zorva.mdb, topologies, labs, tips) for an executable in
// `exe_folder`: that folder itself when the data is beside the program (a build tree, a copied
// folder); else PREFIX/share/zorva for a program installed as PREFIX/bin/NAME (/usr/bin/zorva
// finds /usr/share/zorva); else `exe_folder`, which then starts without data.
std::filesystem::path program_data_folder(const std::filesystem::path& exe_folder);

// The per-user folder for the error log of an installed program, whose own folders are not the
// user's to write: $XDG_STATE_HOME/zorva, else ~/.local/state/zorva; empty without a home.
std::filesystem::path user_state_folder();

}  // namespace zorva
