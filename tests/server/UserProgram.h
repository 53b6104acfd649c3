#pragma once

// What the user programs of the server tests print (one line per event), and
// how they wait until the test lets them go on.

#include <chrono>
#include <filesystem>
#include <iostream>
#include <string>
#include <thread>

#include "platform/TextCodec.h"

namespace corvane::test {

// A message as one line of UTF-8, its line breaks shown as "|".
inline std::string OneLine(const std::wstring& text) {
  std::string line = platform::ToUtf8(text);
  for (char& c : line)
    if (c == '\n' || c == '\r') c = '|';
  return line;
}

// Prints `said` as a line, then waits for the file `gate` to exist; false
// when it has not appeared within five minutes.
inline bool SayAndWaitForGate(const char* said, const char* gate) {
  std::cout << said << std::endl;
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::minutes(5);
  while (!std::filesystem::exists(gate)) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  return true;
}

}  // namespace corvane::test
