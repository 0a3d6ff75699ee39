// The separate topology-drawing program "Topozor.exe", looked for in the program directory and
// started from the topology chooser and from the main window's Create Topology command.
#pragma once

#include <string>

namespace zorva {
class Host;
}

namespace zorva::ui {

inline constexpr const char* kDrawingProgram = "Topozor.exe";
inline constexpr const char* kDrawingProgramNative = "Topozor";  // the same program built here
inline constexpr const char* kDrawingProgramMissing =
    "Cannot find the Program.  Make sure it is in the same directory as your simulator.";

// The drawing program's path in the program directory `app_path` (which ends with a separator),
// or "" when neither "Topozor.exe" nor "Topozor" is there.
std::string drawing_program_path(const std::string& app_path);

// Starts the drawing program, or says it cannot be found. The simulator goes on either way.
void launch_drawing_program(Host& host, const std::string& app_path);

}  // namespace zorva::ui
