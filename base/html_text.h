// Text put into an HTML page: the characters HTML gives a meaning (& < > " ') written as entities,
// so a router's name or a student's file name shows as typed, in element text and in attributes.
#pragma once

#include <string>
#include <string_view>

namespace zorva {

std::string html_escaped(std::string_view text);

}  // namespace zorva
