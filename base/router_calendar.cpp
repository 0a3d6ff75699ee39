#include "base/router_calendar.h"

#include <array>
#include <cctype>
#include <charconv>
#include <chrono>
#include <cstdio>

namespace zorva {

namespace {

using namespace std::chrono;

constexpr sys_days kBoot = year{1993} / March / 1;
constexpr std::array<const char*, 12> kMonths = {"January",   "February", "March",    "April",
                                                 "May",       "June",     "July",     "August",
                                                 "September", "October",  "November", "December"};
constexpr std::array<const char*, 7> kWeekdays = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};

std::optional<int> whole(std::string_view text) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || text.empty()) return std::nullopt;
  return value;
}

// 1..12 for a month named by at least its first three letters.
std::optional<int> month_named(std::string_view text) {
  if (text.size() < 3) return std::nullopt;
  for (std::size_t m = 0; m < kMonths.size(); ++m) {
    const std::string_view name = kMonths[m];
    if (text.size() > name.size()) continue;
    bool same = true;
    for (std::size_t i = 0; i < text.size() && same; ++i)
      same = std::tolower(static_cast<unsigned char>(text[i])) ==
             std::tolower(static_cast<unsigned char>(name[i]));
    if (same) return static_cast<int>(m) + 1;
  }
  return std::nullopt;
}

// Seconds of "hh:mm:ss" into the day.
std::optional<int> time_of_day(std::string_view text) {
  if (text.size() != 8 || text[2] != ':' || text[5] != ':') return std::nullopt;
  const auto h = whole(text.substr(0, 2)), m = whole(text.substr(3, 2)),
             s = whole(text.substr(6, 2));
  if (!h || !m || !s || *h > 23 || *m > 59 || *s > 59) return std::nullopt;
  return *h * 3600 + *m * 60 + *s;
}

}  // namespace

std::string calendar_text(std::int64_t seconds) {
  const sys_seconds at = sys_seconds(kBoot) + std::chrono::seconds(seconds);
  const sys_days day = floor<days>(at);
  const year_month_day date(day);
  const hh_mm_ss<std::chrono::seconds> clock(at - day);
  char text[64];
  std::snprintf(text, sizeof text, "%02d:%02d:%02d.000 UTC %s %.3s %u %d",
                static_cast<int>(clock.hours().count()), static_cast<int>(clock.minutes().count()),
                static_cast<int>(clock.seconds().count()), kWeekdays[weekday(day).c_encoding()],
                kMonths[static_cast<unsigned>(date.month()) - 1], static_cast<unsigned>(date.day()),
                static_cast<int>(date.year()));
  return text;
}

std::optional<std::int64_t> calendar_seconds(std::string_view time, std::string_view first,
                                             std::string_view second, std::string_view year_word) {
  const std::optional<int> into_day = time_of_day(time);
  // The day may come before the month or after it.
  const bool day_first = whole(first).has_value();
  const std::optional<int> day_number = whole(day_first ? first : second);
  const std::optional<int> month_number = month_named(day_first ? second : first);
  const std::optional<int> year_number = whole(year_word);
  if (!into_day || !day_number || !month_number || !year_number || *year_number < 1993 ||
      *year_number > 2035)
    return std::nullopt;
  const year_month_day date{year{*year_number}, month{static_cast<unsigned>(*month_number)},
                            day{static_cast<unsigned>(*day_number)}};
  if (!date.ok()) return std::nullopt;
  return (sys_days(date) - kBoot).count() * 86400LL + *into_day;
}

}  // namespace zorva
