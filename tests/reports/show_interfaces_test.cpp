// The interface and protocols reports: the interface block, the state phrase, display names and
// the one-interface lookup.
#include <gtest/gtest.h>

#include "reports/display_name.h"
#include "reports/reports.h"
#include "tests/commands/command_fixture.h"

namespace zorva::testing {
namespace {

constexpr const char* kCounterLines =
    "  Last input 00:00:00, output 00:00:00, output hang never\r\n"
    "  Last clearing of show interface counters never\r\n"
    "  Queueing strategy: fifo\r\n"
    "  Output queue 0/40, 0 drops; input queue 0/75, 0 drops\r\n"
    "  5 minute input rate 1000 bits/sec, 2 packets/sec\r\n"
    "  5 minute output rate 1000 bits/sec, 2 packets/sec\r\n"
    "     0 packets input, 0 bytes, 0 no buffer\r\n"
    "     Received 0 broadcasts, 0 runts, 0 giants, 0 throttles\r\n"
    "     0 input errors, 0 CRC, 0 frame, 0 overrun, 0 ignored, 0 abort\r\n"
    "     0 input packets with dribble condition detected\r\n"
    "     0 packets output, 0 bytes, 0 underruns\r\n"
    "     0 output errors, 0 collisions, 0 interface resets\r\n"
    "     0 babbles, 0 late collision, 0 deferred\r\n"
    "     0 lost carrier, 0 no carrier\r\n"
    "     0 output buffer failures, 0 output buffers swapped out\r\n";

// Serial0, Serial1, Ethernet0, Bri0.
class ShowInterfaces : public CommandFixture {
 protected:
  ShowInterfaces() : CommandFixture(2, 1, 1) {}
  std::string specific(const std::string& type, const std::string& number) {
    return build_show_interfaces_specific(router(), type, number, sim_.log);
  }
};

TEST_F(ShowInterfaces, EthernetBlockWithAddressAndDescription) {
  InterfaceEntry& e = interface(3);
  e.shutdown = kFalse;
  e.status = "up";
  e.line_protocol = "down";
  e.description = "LAN A";
  e.ip_address = "10.1.1.1";
  e.prefix_length = 24;
  EXPECT_EQ(
      specific("ethernet", "0"),
      std::string("\r\nEthernet0 is up, line protocol is down\r\n"
                  "  Hardware is Lance, address is 0000.0c3d.e22c (bia 0000.0c3d.e22c)\r\n"
                  "  Description: LAN A\r\n"
                  "  Internet address is 10.1.1.1/24\r\n"
                  "  MTU 1500 bytes, BW 10000 Kbit, DLY 1000 usec, rely 255/255, load 1/255\r\n"
                  "  Encapsulation ARPA, loopback not set, keepalive set (10 sec)\r\n"
                  "  ARP type: ARPA, ARP Timeout 04:00:00\r\n") +
          kCounterLines);
}

TEST_F(ShowInterfaces, ShutSerialBlockWithoutAddress) {
  interface(2).status = "up";  // a shut-down interface reads administratively down regardless
  EXPECT_EQ(
      specific("serial", "1"),
      std::string("\r\nSerial1 is administratively down, line protocol is down\r\n"
                  "  Hardware is HD64570\r\n"
                  "  MTU 1500 bytes, BW 10000 Kbit, DLY 1000 usec, rely 255/255, load 1/255\r\n"
                  "  Encapsulation HDLC, loopback not set, keepalive set (10 sec)\r\n") +
          kCounterLines);
}

TEST_F(ShowInterfaces, AllInterfacesInTableOrder) {
  const std::string r = build_show_interfaces(router());
  EXPECT_EQ(r.rfind("\r\nSerial0 is ", 0), 0u);
  const std::size_t s1 = r.find("\r\nSerial1 is ");
  const std::size_t e0 = r.find("\r\nEthernet0 is ");
  const std::size_t b0 = r.find("\r\nBri0 is ");
  EXPECT_LT(s1, e0);
  EXPECT_LT(e0, b0);
  EXPECT_NE(r.find("  Hardware is BRI\r\n"), std::string::npos);
}

TEST_F(ShowInterfaces, SpecificUsesTheOrdinalNotTheStoredNumber) {
  interface(1).number = "5";
  interface(2).number = "0";
  interface(2).description = "second serial";
  EXPECT_NE(specific("serial", "1").find("Description: second serial"), std::string::npos);
  EXPECT_NE(specific("SeRiAl", "1.9").find("Description: second serial"), std::string::npos);
}

TEST_F(ShowInterfaces, SpecificWithoutAMatchIsAnEmptyLine) {
  EXPECT_EQ(specific("serial", "2"), "\r\n");
  EXPECT_EQ(specific("fddi", "0"), "\r\n");
}

TEST_F(ShowInterfaces, SpecificWithANonNumericNumberIsLogged) {
  EXPECT_EQ(specific("serial", "x"), "\r\n");
  EXPECT_EQ(specific("serial", ""), "\r\n");
  EXPECT_NE(log_text().find("build show interfaces specific() - 13 - "), std::string::npos);
}

TEST_F(ShowInterfaces, ProtocolsReport) {
  InterfaceEntry& e = interface(3);
  e.shutdown = kFalse;
  e.status = "up";
  e.line_protocol = "up";
  e.ip_address = "192.168.1.1";
  e.prefix_length = 24;
  EXPECT_EQ(build_show_protocols(router()),
            "\r\nGlobal values:\r\n   Internet Protocol routing is enabled\r\n"
            "Serial0 is administratively down, line protocol is down\r\n"
            "Serial1 is administratively down, line protocol is down\r\n"
            "Ethernet0 is up, line protocol is up\r\n"
            "  Internet address is 192.168.1.1/24\r\n"
            "Bri0 is administratively down, line protocol is down\r\n");
}

TEST(DisplayName, OrdinalsCountPerTypeInTableOrder) {
  InterfaceEntry serial_a, ethernet, serial_b, bri;
  serial_a.type = serial_b.type = "SERIAL";
  ethernet.type = "ETHERNET";
  bri.type = "BRI";
  serial_a.number = "4";
  ethernet.number = "2";
  DisplayNamer namer;
  EXPECT_EQ(display_name_text(namer.next(serial_a)), "Serial0");
  EXPECT_EQ(display_name_text(namer.next(ethernet)), "Ethernet0");
  EXPECT_EQ(display_name_text(namer.next(serial_b)), "Serial1");
  EXPECT_EQ(display_name_text(namer.next(bri)), "Bri0");
  EXPECT_EQ(display_name_text(DisplayNamer().next(serial_b)), "Serial0");
}

}  // namespace
}  // namespace zorva::testing
