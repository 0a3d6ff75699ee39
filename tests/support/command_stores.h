// Helpers for running the parser's tests on both command stores: tables made from tree text with
// the generator's own code, opened either as a SQLite file written from them or in memory.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "parser/command_database.h"
#include "parser/command_tables.h"

namespace zorva::testing {

enum class StoreKind { SqliteFile, MemoryTables };

inline constexpr StoreKind kBothStores[] = {StoreKind::SqliteFile, StoreKind::MemoryTables};

// The test-name suffix of a store kind.
std::string store_kind_name(const ::testing::TestParamInfo<StoreKind>& info);

// Tables from tree and template text, read and checked as the generator does; a mistake in the
// text fails the test.
CommandTables tables_from_text(const std::string& tree_text, const std::string& templates_text);

// The tables of the shipped data/command_tree.txt and data/report_templates.txt.
CommandTables shipped_tables();

// Opens `tables` in `db` as `kind`: written to `file` and opened from there, or in memory (the
// tables must then outlive the opening).
bool open_as(CommandDatabase& db, StoreKind kind, const CommandTables& tables,
             const std::filesystem::path& file);

}  // namespace zorva::testing
