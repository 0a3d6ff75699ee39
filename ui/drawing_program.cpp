// Finding and starting the topology-drawing program.
#include "ui/drawing_program.h"

#include <filesystem>

#include "base/host.h"
#include "ui/app_title.h"

namespace zorva::ui {

std::string drawing_program_path(const std::string& app_path) {
  for (const char* name : {kDrawingProgram, kDrawingProgramNative}) {
    const std::string path = app_path + name;
    std::error_code ec;
    if (std::filesystem::is_regular_file(path, ec)) return path;
  }
  return "";
}

void launch_drawing_program(Host& host, const std::string& app_path) {
  const std::string path = drawing_program_path(app_path);
  if (path.empty()) {
    host.message_box(kAppTitle, kDrawingProgramMissing, Buttons::Ok);
    return;
  }
  host.launch(path);
}

}  // namespace zorva::ui
