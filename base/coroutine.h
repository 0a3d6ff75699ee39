// C++20 coroutines, wherever the standard library keeps them. The browser build's toolchain ships a
// library that still has them only as <experimental/coroutine>, in std::experimental; this header
// brings the names the scheduler uses into std so the rest of the code is written once.
#pragma once

#if __has_include(<coroutine>)
#include <coroutine>
#else
#include <experimental/coroutine>
namespace std {
using std::experimental::coroutine_handle;
using std::experimental::suspend_always;
using std::experimental::suspend_never;
}  // namespace std
#endif
