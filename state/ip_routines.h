// IPv4 arithmetic on dotted-decimal text: reading and validating addresses, converting to and from
// 32-bit values, AND and AND-NOT, classful networks, and the mask, wildcard and prefix tables.
// Address values are whole numbers held in doubles, as the records hold them.
#pragma once

#include <string>

#include "base/types.h"

namespace zorva {

class ErrorLog;
struct InterfaceEntry;

class IpRoutines {
 public:
  explicit IpRoutines(ErrorLog& log) : log_(log) {}

  // Texts passed by non-const reference are trimmed in place, and the caller sees the trimmed text.
  bool is_ip_valid(std::string& address);
  bool dotted_dec_chop_up(std::string& address);
  double converted_dotted_decimal_to_integer(std::string& dotted);
  std::string integer_to_dotted_decimal(double value);
  double boolean_and(double a, double b);
  double Wildcard_NAND(double a, double w);
  std::string get_classful_network(const std::string& address);
  std::string return_subnet(int prefix_length);
  bool is_mask_valid(std::string& mask);
  std::string return_subnet_slash(const std::string& mask);
  void create_subnet_slash(const std::string& mask, InterfaceEntry& interface);
  std::string Is_Wildcard_Mask_Slash(const std::string& wildcard);
  std::string hex_to_bin(const std::string& digit);

  // The value of the last dotted text read; meaningful right after a successful is_ip_valid.
  double last_address_value = 0;

 private:
  ErrorLog& log_;
};

// The accepted subnet masks for prefix lengths 8..31, and wildcards for 1..31 wildcard bits.
const std::string& mask_for_prefix(int prefix_length);  // 8..31, else ""
const std::string& wildcard_for_bits(int bits);         // 1..31, else ""

}  // namespace zorva
