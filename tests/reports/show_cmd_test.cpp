// The show dispatcher: which report each second word selects.
#include <gtest/gtest.h>

#include "reports/reports.h"
#include "tests/commands/command_fixture.h"

namespace zorva::testing {
namespace {

class ShowCmd : public CommandFixture {
 protected:
  void show(const std::string& second, const std::string& top_text = "") {
    sim_.parsed = parsed_line("show " + second, {"show", second});
    sim_.parsed.TopText = top_text;
    router().output_buffer = "stale";
    router().output_pending = kFalse;
    show_cmd(sim_, sim_.parsed);
  }
};

TEST_F(ShowCmd, TemplateReportsPrintTheirTemplate) {
  for (const char* word : {"flash", "clock", "hosts", "users"}) {
    show(word, std::string("template of ") + word);
    EXPECT_EQ(output(), std::string("template of ") + word + "\r\n");
    EXPECT_TRUE(output_pending());
  }
}

TEST_F(ShowCmd, StartupConfigBeforeAnySave) {
  show("startup-config");
  EXPECT_EQ(output(), "%% Non-volatile configuration memory is not present\r\n");
}

TEST_F(ShowCmd, StartupConfigAsSaved) {
  router().startup_config = "saved text";
  show("startup-config");
  EXPECT_EQ(output(), "saved text");
}

TEST_F(ShowCmd, ArpIsLeftToTheConsole) {
  show("arp");
  EXPECT_EQ(router().pending_action, "SHOWARP");
  EXPECT_EQ(output(), "");
}

TEST_F(ShowCmd, UnknownWordLeavesAnEmptyPendingOutput) {
  show("sessions");
  EXPECT_EQ(output(), "");
  EXPECT_TRUE(output_pending());
}

}  // namespace
}  // namespace zorva::testing
