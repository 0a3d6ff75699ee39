// Checked writes into 16-bit record fields. Where a value does not fit, the write is refused and
// the caller logs the overflow under its own procedure name, then carries on with its next step.
#pragma once

#include <cmath>
#include <optional>
#include <string_view>

#include "base/error_log.h"
#include "base/types.h"

namespace zorva {

// The value rounded half to even, when it fits a 16-bit field.
inline std::optional<Int16> fit_int16(double value) {
  if (!std::isfinite(value)) return std::nullopt;
  const double r = std::nearbyint(value);
  if (r < -32768.0 || r > 32767.0) return std::nullopt;
  return static_cast<Int16>(r);
}

// Stores `value` in `field`, or logs Overflow under `procedure` (with the window's text for a
// window procedure) and leaves the field as it was.
inline bool store_int16(Int16& field, double value, ErrorLog& log, std::string_view procedure,
                        std::optional<std::string_view> window_text = std::nullopt) {
  const std::optional<Int16> fitted = fit_int16(value);
  if (!fitted) {
    log.log(procedure, RuntimeError::Overflow, window_text);
    return false;
  }
  field = *fitted;
  return true;
}

}  // namespace zorva
