// Column pieces shared by the table reports.
#include "reports/column_text.h"

#include "base/number_text.h"

namespace zorva {

namespace {

// A time part with a leading "0" when it is below 10.
std::string two_digits(long long part) {
  return part < 10 ? "0" + plain_number(part) : plain_number(part);
}

}  // namespace

void append_padded(std::string& out, std::string_view text, std::size_t width) {
  out.append(text);
  if (text.size() < width) out.append(width - text.size(), ' ');
}

void append_fitted(std::string& out, std::string_view text, std::size_t width) {
  append_padded(out, text.substr(0, width), width);
}

std::string elapsed_text(long long seconds) {
  const long long hours = seconds / 3600;
  const long long minutes = (seconds % 3600) / 60;
  return two_digits(hours) + ":" + two_digits(minutes) + ":" + two_digits(seconds % 60);
}

}  // namespace zorva
