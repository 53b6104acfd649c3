#pragma once

// Runs a test body under each locale a program may be started with: the
// plain C locale and C.UTF-8, both for the C library and as the C++ global
// locale. The locale the test had is restored afterwards.

#include <gtest/gtest.h>

#include <clocale>
#include <functional>
#include <locale>
#include <string>

namespace corvane::test {

inline void UnderEachLocale(const std::function<void()>& body) {
  const std::string before = std::setlocale(LC_ALL, nullptr);
  const std::locale global;
  for (const char* name : {"C", "C.UTF-8"}) {
    SCOPED_TRACE(std::string("locale ") + name);
    ASSERT_NE(std::setlocale(LC_ALL, name), nullptr) << name;
    std::locale::global(std::locale(name));
    body();
  }
  std::locale::global(global);
  std::setlocale(LC_ALL, before.c_str());
}

}  // namespace corvane::test
