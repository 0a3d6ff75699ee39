// Lab files: a whole lab in one readable JSON file — the topology text, every router's configured
// fields and saved configuration, the simulated clock, and the consoles' transcripts when asked
// for. Opening builds a new simulation from the file; the one in use is never touched, so a
// damaged file leaves nothing half-opened.
#pragma once

#include <filesystem>
#include <memory>
#include <string>

#include "lab/lab_bundle.h"
#include "simulation/simulation.h"

namespace zorva {

// The newest version this program reads. A lab without bundle parts is still written as version
// 1, which every Zorva opens; a bundle is version 2, which older programs refuse with a reason
// rather than open without its page.
inline constexpr int kLabFileVersion = 2;
inline constexpr int kPlainLabFileVersion = 1;
inline constexpr const char* kLabFileFormat = "zorva-lab";
// The optional top-level field naming the lab's student; grading reads it even from a lab that
// cannot be opened.
inline constexpr const char* kStudentField = "student";
// Larger files are refused unread, and a lab that would be larger is not saved: a lab with 50
// routers and long transcripts stays far below.
inline constexpr std::uintmax_t kLabFileSizeLimit = 64u << 20;

// The lab file text of `sim`, with the parts of `bundle` it has. A recovery copy is written
// `with_consoles`: each console's mode and input line, and the line being typed, come back when it
// is opened.
std::string lab_text(const Simulation& sim, bool with_transcripts, const LabBundle& bundle = {},
                     bool with_consoles = false);

// Writes the lab file beside `file`, flushes it to the disk and renames it over `file`, so that
// `file` is either the old lab or the new one whatever happens meanwhile, even a power cut. When
// `file` is a symbolic link, the file it leads to is replaced and the link stays. A lab larger
// than kLabFileSizeLimit is refused before anything is written. Returns "" or the reason it
// could not be saved.
std::string save_lab(const Simulation& sim, const std::filesystem::path& file,
                     bool with_transcripts, const LabBundle& bundle = {},
                     bool with_consoles = false);

struct OpenedLab {
  std::unique_ptr<Simulation> sim;  // null when the file could not be opened
  std::string error;                // why, in a sentence; "" when `sim` is set
  LabBundle bundle;                 // the page, title and practice checks the file carries
};

// A new started simulation holding the lab of `text`. The simulation uses `host` and `paths`
// as one built by `Simulation(host, paths)` would.
OpenedLab open_lab_text(const std::string& text, Host& host, const SimulationPaths& paths);
OpenedLab open_lab_file(const std::filesystem::path& file, Host& host,
                        const SimulationPaths& paths);

}  // namespace zorva
