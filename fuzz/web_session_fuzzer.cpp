// Drives the browser face's session as a page would, with arbitrary keys and clicks: questions
// answered late or never, keys typed while a question waits, lab files saved and opened again, and
// the JSON handed to the page, which must always parse. Most bytes are character codes; a few
// stand for what the page does besides typing:
//   0xF0..0xFB  F1..F12            0xFC  five seconds of real time pass at the current speed
//   0xFD        click Yes          0xFE  click No              0xFF  click Cancel
//   0xEF        the page takes the changes (checked to be JSON)
//   0xEE        the lab is saved and opened again (must open)
//   0xED        the diagram is drawn (checked to be JSON)
//   0xEC        the speed list is set to the next byte's choice of 1x, 10x, 60x
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <string>

#include "web/web_session.h"

namespace {

namespace fs = std::filesystem;

void must_be_json(const std::string& text) {
  if (!nlohmann::json::accept(text)) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const fs::path log =
      fs::temp_directory_path() / ("zorva-fuzz-web-" + std::to_string(::getpid()) + ".log");
  zorva::web::WebSession session(ZORVA_BIN_DIR, log.string());
  session.start(size > 0 && data[0] == 0 ? "topologies/two_routers.ini" : "");
  for (std::size_t i = 0; i < size; ++i) {
    const int b = data[i];
    if (b >= 0xF0 && b <= 0xFB) {
      session.function_key(b - 0xEF);
    } else if (b == 0xFC) {
      session.run_real(5000);
    } else if (b == 0xFD) {
      session.answer("yes");
    } else if (b == 0xFE) {
      session.answer("no");
    } else if (b == 0xFF) {
      session.answer("cancel");
    } else if (b == 0xEF) {
      must_be_json(session.take_changes());
    } else if (b == 0xEE) {
      if (!session.open_lab("lab.zlab", session.lab_text(true)).empty()) __builtin_trap();
    } else if (b == 0xED) {
      must_be_json(session.diagram());
    } else if (b == 0xEC) {
      constexpr int kFactors[] = {1, 10, 60};
      session.set_speed(kFactors[i + 1 < size ? data[++i] % 3 : 0]);
    } else {
      session.key(b);
    }
  }
  session.answer("cancel");
  session.run_real(60000);  // let any reload finish
  must_be_json(session.take_changes());
  return 0;
}
