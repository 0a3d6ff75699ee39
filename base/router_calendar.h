// The calendar clock of a real router: seconds counted from its boot time, 00:00:00 UTC on
// Monday 1 March 1993, turned into "10:00:00.000 UTC Sun Dec 6 2026" and read back from the
// words of `clock set` (time, then day and month in either order, then year).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zorva {

// "HH:MM:SS.000 UTC Www Mmm D YYYY" of a number of seconds since the boot time.
std::string calendar_text(std::int64_t seconds);

// The seconds since the boot time of `clock set` words: "hh:mm:ss", then "D MONTH YYYY" or
// "MONTH D YYYY" (months by name, any case, at least three letters). Nothing when a word does
// not read or the date does not exist (31 February), or it lies outside 1993..2035.
std::optional<std::int64_t> calendar_seconds(std::string_view time, std::string_view first,
                                             std::string_view second, std::string_view year);

}  // namespace zorva
