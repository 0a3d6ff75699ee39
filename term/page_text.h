// A lab page as plain text for the terminal: headings underlined, paragraphs and table rows as
// lines with a blank line between blocks, list items bulleted or numbered, <pre> blocks kept as
// written, entities decoded; the head, scripts and stylesheets left out. Lines are not wrapped:
// the screen wraps them at its width.
#pragma once

#include <string>
#include <string_view>

namespace zorva {

std::string page_text(std::string_view html);

}  // namespace zorva
