// The command store over plain tables in memory (the built-in tables, or tables a test builds):
// the six queries evaluated as the SQLite file evaluates their SQL, row for row.
#pragma once

#include <array>
#include <string>
#include <utility>
#include <vector>

#include "parser/command_store.h"
#include "parser/command_tables.h"

namespace zorva {

class MemoryCommandStore final : public CommandStore {
 public:
  // `tables` must outlive the store; their IDs are unique within each level.
  explicit MemoryCommandStore(const CommandTables& tables);

  bool count(Query q, int d, const std::vector<std::string>& patterns,
             const std::vector<std::string>& modes, Behaviour behaviour,
             long long& result) override;
  bool rows(Query q, int d, const std::vector<std::string>& patterns,
            const std::vector<std::string>& modes, Behaviour behaviour,
            const RowVisitor& visit) override;

 private:
  using Rows = std::vector<const CommandRow*>;

  std::vector<int> mode_ids(const std::vector<std::string>& modes) const;
  Rows children(int level, std::vector<int> parent_ids, Behaviour behaviour) const;
  bool match_chain(int top, const std::vector<std::string>& patterns,
                   const std::vector<std::string>& modes, Behaviour behaviour,
                   std::vector<int>& ids, Rows& rows) const;
  bool read_rows(Query q, int d, const std::vector<std::string>& patterns,
                 const std::vector<std::string>& modes, Behaviour behaviour, Rows& out) const;

  const CommandTables& tables_;
  // Per level, each row under its ref, sorted by ref: a parent's children are one equal range.
  std::array<std::vector<std::pair<int, const CommandRow*>>, kCommandLevels + 1> by_ref_;
};

}  // namespace zorva
