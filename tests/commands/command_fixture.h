// A router record that commands run on through the dispatcher, as the parser hands them over.
#pragma once

#include "commands/exec_cmd.h"
#include "tests/support/record_fixture.h"

namespace zorva::testing {

class CommandFixture : public RecordFixture {
 protected:
  using RecordFixture::RecordFixture;

  // Runs one command line through the dispatcher, in `mode` when given (0 keeps the mode).
  void run(const std::string& line, const std::vector<std::string>& full_words, int mode = 0) {
    if (mode != 0) set_mode(mode);
    router().output_buffer.clear();
    router().output_pending = kFalse;
    pc_ = parsed(line, full_words);
    CommandContext cmd = context();
    exec_cmd(cmd);
  }
};

}  // namespace zorva::testing
