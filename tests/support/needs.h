// SPDX-License-Identifier: GPL-3.0-or-later
// What a test does when something it needs is missing (a JACK server, a tool): on a developer's
// machine it skips and says why; under CI (CI set and not "false") it fails, so that a skip never
// passes for green.
#pragma once

#include <cstdlib>
#include <cstring>

namespace tarnwick::test {

inline bool UnderCI() {
  const char* ci = std::getenv("CI");
  return ci != nullptr && *ci != '\0' && std::strcmp(ci, "false") != 0 && std::strcmp(ci, "0") != 0;
}

}  // namespace tarnwick::test

// GoogleTest: returns from the test (or SetUp) when the need is not met.
#define TARNWICK_NEED(condition, reason)                                          \
  do {                                                                            \
    if (!(condition)) {                                                           \
      if (::tarnwick::test::UnderCI()) GTEST_FAIL() << "needed under CI: " << reason; \
      GTEST_SKIP() << reason;                                                     \
    }                                                                             \
  } while (false)

// QtTest: the same, with a string literal as the reason.
#define TARNWICK_QNEED(condition, reason)                                  \
  do {                                                                     \
    if (!(condition)) {                                                    \
      if (::tarnwick::test::UnderCI()) QFAIL("needed under CI: " reason);  \
      QSKIP(reason);                                                       \
    }                                                                      \
  } while (false)
