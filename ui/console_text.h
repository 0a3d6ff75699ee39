// The core's console text (bytes in the Latin-1 range, lines ending CR LF) as the desktop shows it.
#pragma once

#include <QString>
#include <string_view>

namespace zorva::ui {

// Latin-1 text with every carriage return dropped, so CR LF becomes one line break. Dropping the
// CR alone keeps a CR LF pair that arrives split over two appends correct.
QString display_text(std::string_view text);

// Latin-1 text as it is, for the input line.
QString latin1_text(std::string_view text);

}  // namespace zorva::ui
