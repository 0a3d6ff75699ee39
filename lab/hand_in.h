// A lab file as a student hands it in, read before it is opened: the reason when it cannot be
// read, a byte-order mark some editors add taken off, a file nested too deeply to be a lab
// refused before anything converts it, and the student's name when the lab holds one (the
// optional top-level field "student").
#pragma once

#include <filesystem>
#include <string>

namespace zorva {

// Deeper nesting than this is no lab file; a lab file is about six levels deep.
inline constexpr int kDeepestLabNesting = 64;

struct HandIn {
  std::string text;     // the file's text, ready for open_lab_text
  std::string student;  // the lab's "student" field, as the core keeps text; "" when there is none
  std::string error;    // why it cannot be opened; "" when it can be tried
};

HandIn read_hand_in(const std::filesystem::path& file);

// The same for a text already read.
HandIn hand_in_of_text(std::string text);

// True when `head` (the first bytes of a file) looks like a Zorva lab file.
bool looks_like_lab(std::string_view head);

}  // namespace zorva
