#include "console/history.h"

#include <cstdlib>

#include "base/number_text.h"
#include "state/mode_tables.h"
#include "state/router_record.h"

namespace zorva {

namespace {

struct Ring {
  std::array<std::string, kHistorySlots + 1>& lines;
  Int16& count;
  Flag& wrapped;
};

Ring ring_for(HistoryBlock& h, int mode) {
  if (is_exec_mode(mode)) return {h.exec_lines, h.exec_count, h.exec_wrapped};
  return {h.config_lines, h.config_count, h.config_wrapped};
}

// The entry |count - pos| of the ring; indexes outside 0..100 read as empty.
const std::string& entry_at(const Ring& ring, int pos) {
  static const std::string kNone;
  const int index = std::abs(ring.count - pos);
  return index <= kHistorySlots ? ring.lines[index] : kNone;
}

}  // namespace

void store_history_line(HistoryBlock& h, int mode, const std::string& line) {
  if (trim(line).empty()) return;
  Ring ring = ring_for(h, mode);
  if (ring.count < 0 || ring.count >= kHistorySlots) ring.count = 0;
  ring.count += 1;
  ring.lines[ring.count] = line;
  if (ring.count == kHistorySlots) {
    ring.wrapped = kTrue;
    ring.count = 0;
  }
}

std::string recall_previous(HistoryBlock& h, int mode, const std::string& line) {
  if (h.recall_pos == 0) h.saved_line = line;
  if (h.recall_pos > 9) h.recall_pos = 9;
  Ring ring = ring_for(h, mode);
  if (h.recall_pos > ring.count) h.recall_pos = ring.count;
  std::string shown = entry_at(ring, h.recall_pos);
  h.recall_pos += 1;
  return shown;
}

std::string recall_next(HistoryBlock& h, int mode) {
  h.recall_pos -= 1;
  if (h.recall_pos < -1) h.recall_pos = -1;
  if (h.recall_pos == -1) return h.saved_line;
  return entry_at(ring_for(h, mode), h.recall_pos);
}

}  // namespace zorva
