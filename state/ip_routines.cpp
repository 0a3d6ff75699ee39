// IPv4 arithmetic on dotted-decimal text: the part reader shared by the address operations, the
// value conversions, AND and AND-NOT, classful networks, and the mask, wildcard and prefix tables.
#include "state/ip_routines.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <string_view>

#include "base/checked.h"
#include "base/error_log.h"
#include "base/number_text.h"
#include "state/router_record.h"

namespace zorva {

namespace {

constexpr std::string_view kChopUpName = "dotted dec chop up()";
constexpr std::string_view kToIntegerName = "converted dotted decimal to integer()";
constexpr std::string_view kReturnSubnetName = "return subnet()";

constexpr int kOctets = 4;
constexpr double kOctetWeights[kOctets] = {16777216.0, 65536.0, 256.0, 1.0};

// The octet slots filled by one read of dotted text.
struct DottedParts {
  std::array<Int16, kOctets> octet{-1, -1, -1, -1};  // slot value, -1 when not filled
  int count = 0;                                     // parts found in the text
  bool failed = false;                               // a part could not be stored
};

// Stores one part in the next free slot. A part beyond the fourth has no slot, and a number that
// does not fit a 16-bit integer leaves its slot at -1; both are logged and reading goes on.
void store_part(std::string_view part, DottedParts& parts, ErrorLog& log,
                std::string_view procedure) {
  const int slot = parts.count++;
  if (slot >= kOctets) {
    log.log(procedure, RuntimeError::SubscriptOutOfRange);
    parts.failed = true;
    return;
  }
  if (!store_int16(parts.octet[slot], leading_number(part), log, procedure)) parts.failed = true;
}

// Trims `text` in place and splits it at every "." into parts read as rounded numbers.
DottedParts read_dotted(std::string& text, ErrorLog& log, std::string_view procedure) {
  DottedParts parts;
  text = trim(text);
  const std::string_view view(text);
  std::size_t start = 0;
  for (std::size_t i = 0; i < view.size(); ++i) {
    if (view[i] != '.') continue;
    store_part(view.substr(start, i - start), parts, log, procedure);
    start = i + 1;
  }
  store_part(view.substr(start), parts, log, procedure);
  return parts;
}

// The address value of the four slots; extra parts beyond the fourth never reach a slot.
double value_of(const DottedParts& parts) {
  double value = 0;
  for (int i = 0; i < kOctets; ++i) value += parts.octet[i] * kOctetWeights[i];
  return value;
}

// A number as decimal text without blanks: whole numbers print as digits, anything else in the
// shortest form that keeps fifteen significant digits.
std::string number_text(double value) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%.15g", value + 0.0);  // + 0.0 turns -0 into 0
  return buffer;
}

std::string dotted_text(long long a, long long b, long long c, long long d) {
  return plain_number(a) + "." + plain_number(b) + "." + plain_number(c) + "." + plain_number(d);
}

// The dotted text of a 32-bit value.
std::string dotted_of_value(unsigned long long value) {
  return dotted_text((value >> 24) & 255, (value >> 16) & 255, (value >> 8) & 255, value & 255);
}

const std::array<std::string, 33>& mask_table() {
  static const std::array<std::string, 33> table = [] {
    std::array<std::string, 33> t;
    for (int p = 8; p <= 31; ++p)
      t[p] = dotted_of_value((0xFFFFFFFFull << (32 - p)) & 0xFFFFFFFFull);
    return t;
  }();
  return table;
}

const std::array<std::string, 32>& wildcard_table() {
  static const std::array<std::string, 32> table = [] {
    std::array<std::string, 32> t;
    for (int k = 1; k <= 31; ++k) t[k] = dotted_of_value((1ull << k) - 1);
    return t;
  }();
  return table;
}

// The prefix length whose mask text is exactly `mask`, or 0 when none is.
int prefix_of_mask(const std::string& mask) {
  for (int p = 8; p <= 31; ++p)
    if (mask == mask_table()[p]) return p;
  return 0;
}

// The text of a mask octet with `bits` leading one bits, 0..8.
constexpr std::array<std::string_view, 9> kOctetTable = {"0",   "128", "192", "224", "240",
                                                         "248", "252", "254", "255"};

// The bit at position `i` of `operand` (2^i weight), taking it off the operand. Operands inside
// 0..2^33-1 give 0 or 1; others give other whole numbers, which count as not set.
double take_bit(double& operand, int i) {
  const double weight = std::ldexp(1.0, i);
  const double bit = std::floor(operand / weight);
  operand -= bit * weight;
  return bit;
}

}  // namespace

bool IpRoutines::dotted_dec_chop_up(std::string& address) {
  const DottedParts parts = read_dotted(address, log_, kChopUpName);
  last_address_value = value_of(parts);
  return parts.count == kOctets && !parts.failed;
}

bool IpRoutines::is_ip_valid(std::string& address) {
  if (address.size() > 16) return false;
  const DottedParts parts = read_dotted(address, log_, kChopUpName);
  last_address_value = value_of(parts);
  if (parts.count != kOctets || parts.failed) return false;
  for (Int16 octet : parts.octet)
    if (octet < 0 || octet > 255) return false;
  return true;
}

// Text with more than four parts gives the value of its first four.
double IpRoutines::converted_dotted_decimal_to_integer(std::string& dotted) {
  return value_of(read_dotted(dotted, log_, kToIntegerName));
}

std::string IpRoutines::integer_to_dotted_decimal(double value) {
  double x = value;
  std::string text;
  for (int i = 0; i < kOctets - 1; ++i) {
    const double part = std::floor(x / kOctetWeights[i]);
    x -= part * kOctetWeights[i];
    text += number_text(part) + ".";
  }
  return text + number_text(x);
}

double IpRoutines::boolean_and(double a, double b) {
  double result = 0;
  for (int i = 32; i >= 0; --i) {
    const double bit_a = take_bit(a, i);
    const double bit_b = take_bit(b, i);
    if (bit_a == 1 && bit_b == 1) result += std::ldexp(1.0, i);
  }
  return result;
}

double IpRoutines::Wildcard_NAND(double a, double w) {
  double result = 0;
  for (int i = 32; i >= 0; --i) {
    const double bit_a = take_bit(a, i);
    const double bit_w = take_bit(w, i);
    if (bit_a == 1 && bit_w != 1) result += std::ldexp(1.0, i);
  }
  return result;
}

std::string IpRoutines::get_classful_network(const std::string& address) {
  std::string copy = address;
  const DottedParts parts = read_dotted(copy, log_, kChopUpName);
  last_address_value = value_of(parts);
  const Int16 first = parts.octet[0];
  if (first < 128) return dotted_text(first, 0, 0, 0);
  if (first < 192) return dotted_text(first, parts.octet[1], 0, 0);
  return dotted_text(first, parts.octet[1], parts.octet[2], 0);
}

// A prefix length outside 0..32 leaves an octet count outside the octet table: that octet is
// logged and written as empty text, the others as usual ("255.255.255." for 33, ".0.0.0" for -1).
std::string IpRoutines::return_subnet(int prefix_length) {
  long long rest = prefix_length;
  std::string text;
  for (int i = 0; i < kOctets; ++i) {
    const long long bits = (i == kOctets - 1 || rest <= 8) ? rest : 8;
    rest -= bits;
    if (i > 0) text += ".";
    if (bits < 0 || bits > 8) {
      log_.log(kReturnSubnetName, RuntimeError::SubscriptOutOfRange);
      continue;
    }
    text += kOctetTable[bits];
  }
  return text;
}

bool IpRoutines::is_mask_valid(std::string& mask) {
  mask = trim(mask);
  return prefix_of_mask(mask) != 0;
}

std::string IpRoutines::return_subnet_slash(const std::string& mask) {
  const int p = prefix_of_mask(mask);
  return p == 0 ? "" : plain_number(p);
}

void IpRoutines::create_subnet_slash(const std::string& mask, InterfaceEntry& interface) {
  const int p = prefix_of_mask(mask);
  if (p != 0) interface.prefix_length = static_cast<Int16>(p);
}

std::string IpRoutines::Is_Wildcard_Mask_Slash(const std::string& wildcard) {
  for (int k = 1; k <= 31; ++k)
    if (wildcard == wildcard_table()[k]) return plain_number(k);
  return "-1";
}

std::string IpRoutines::hex_to_bin(const std::string& digit) {
  const std::string trimmed = trim(digit);
  if (trimmed.empty()) return "False";
  const char c = trimmed.back();
  int value = 0;
  if (c >= '0' && c <= '9') {
    value = c - '0';
  } else if (c >= 'a' && c <= 'f') {
    value = c - 'a' + 10;
  } else {
    return "False";
  }
  std::string bits;
  for (int i = 3; i >= 0; --i) bits += ((value >> i) & 1) ? '1' : '0';
  return bits;
}

const std::string& mask_for_prefix(int prefix_length) {
  static const std::string none;
  return (prefix_length >= 8 && prefix_length <= 31) ? mask_table()[prefix_length] : none;
}

const std::string& wildcard_for_bits(int bits) {
  static const std::string none;
  return (bits >= 1 && bits <= 31) ? wildcard_table()[bits] : none;
}

}  // namespace zorva
