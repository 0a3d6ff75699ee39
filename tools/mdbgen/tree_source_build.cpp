// The generator is built on its own, before the core library and without it, so that the command
// database exists before anything that reads it; it compiles the tree-source code here.
#include "parser/command_tree_source.cpp"  // NOLINT(bugprone-suspicious-include)
