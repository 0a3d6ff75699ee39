// Where a face that cannot write files (the browser) keeps the lab session's recovery copies: the
// session decides when a copy is written, offered and dropped; the store only keeps the texts.
#pragma once

#include <string>
#include <vector>

namespace zorva {

// A copy left by a program (a browser tab) that ended without saving.
struct RecoveryCopy {
  std::string id;        // the store's own name for it
  std::string saved_at;  // when it was written, as the student reads a date
  std::string lab_text;  // the lab file's text
};

class RecoveryStore {
 public:
  virtual ~RecoveryStore() = default;
  // Keeps `lab_text` as this program's copy in place of the last one; false when it could not
  // (the storage is full, or refused).
  virtual bool write(const std::string& lab_text) = 0;
  // This program's copy is no longer needed: the lab was saved or replaced.
  virtual void clear() = 0;
  // The copies of programs that ended without saving (this one's own after a reload), newest first.
  virtual std::vector<RecoveryCopy> left_behind() = 0;
  // Drops a copy once it was offered.
  virtual void forget(const RecoveryCopy& copy) = 0;
};

}  // namespace zorva
