// The command history of a console: two rings of 100 lines (EXEC modes and configuration modes)
// and the recall with Ctrl+P / Ctrl+N, which reaches at most ten lines back.
#pragma once

#include <string>

namespace zorva {

struct HistoryBlock;

// Stores a line entered in `mode` (blank lines are not stored).
void store_history_line(HistoryBlock& h, int mode, const std::string& line);

// The line shown by Ctrl+P (previous) and Ctrl+N (next), given the line being typed.
std::string recall_previous(HistoryBlock& h, int mode, const std::string& line);
std::string recall_next(HistoryBlock& h, int mode);

}  // namespace zorva
