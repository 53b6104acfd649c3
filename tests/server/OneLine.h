#pragma once

// What the user programs of the server tests print: one line per event.

#include <string>

#include "platform/TextCodec.h"

namespace corvane::test {

// A message as one line of UTF-8, its line breaks shown as "|".
inline std::string OneLine(const std::wstring& text) {
  std::string line = platform::ToUtf8(text);
  for (char& c : line)
    if (c == '\n' || c == '\r') c = '|';
  return line;
}

}  // namespace corvane::test
