// The real-router configuration's byte counts: "Current configuration : N bytes" and "Using N out
// of 32762 bytes" count exactly the bytes that follow their line, whatever the configuration holds.
#include "reports/real_router_config.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/support/record_fixture.h"

namespace zorva {
namespace {

// The number in `report`'s line that begins with `prefix`, and the bytes after that line.
void expect_count_of_what_follows(const std::string& report, const std::string& prefix) {
  const std::size_t at = report.find(prefix);
  ASSERT_NE(at, std::string::npos) << report;
  const std::size_t end = report.find("\r\n", at);
  const std::string number = report.substr(at + prefix.size());
  EXPECT_EQ(std::stoul(number), report.size() - (end + 2)) << prefix;
}

class RealRouterConfig : public testing::RecordFixture {
 protected:
  RealRouterConfig() : RecordFixture(2, 1) {}
};

TEST_F(RealRouterConfig, ByteCountsCountWhatFollows) {
  RouterRecord& r = router();
  for (const std::string banner : {"", "One line", "Two\r\nlines"}) {
    r.banner_motd = banner;
    r.interfaces[1].clock_rate = banner.empty() ? 0 : 64000;
    const std::string saved = build_real_router_config(r);
    EXPECT_EQ(saved.substr(0, 3), "!\r\n");
    EXPECT_EQ(saved.substr(saved.size() - 5), "end\r\n");
    expect_count_of_what_follows(show_real_router_running_config(r), "Current configuration : ");
    expect_count_of_what_follows(show_real_router_startup_config(saved), "Using ");
  }
}

}  // namespace
}  // namespace zorva
