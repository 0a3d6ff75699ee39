// A router record that commands run on through the handler the command tree binds to their words,
// as the parser finds it.
#pragma once

#include "commands/command_handlers.h"
#include "commands/exec_cmd.h"
#include "parser/command_bindings.h"
#include "tests/support/record_fixture.h"

namespace zorva::testing {

class CommandFixture : public RecordFixture {
 protected:
  using RecordFixture::RecordFixture;

  // Runs one command line, in `mode` when given (0 keeps the mode): the handler bound to its
  // keywords and, when more words were typed, the argument after them, as a classic line
  // executes at its first argument.
  void run(const std::string& line, const std::vector<std::string>& full_words, int mode = 0) {
    if (mode != 0) set_mode(mode);
    router().output_buffer.clear();
    router().output_pending = kFalse;
    pc_ = parsed(line, full_words);
    std::string key = modes_.name_of(router().mode);
    for (const std::string& w : full_words) key += " " + w;
    if (pc_.WordCount > static_cast<int>(full_words.size())) key += " {}";
    pc_.handler = bound_handler(command_handlers(), key, behaviour_);
    CommandContext cmd = context();
    exec_cmd(cmd);
    for (int i = 1; i <= 6; ++i) pc_.FullWords[i].clear();
  }
};

}  // namespace zorva::testing
