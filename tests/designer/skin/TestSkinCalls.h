#pragma once

// The record of calls that the tests' skinning library keeps, read by the
// tests through its exported TestSkinCalls.

struct TestSkinCallRecord {
  int windowSets = 0;
  void* lastWindow = nullptr;
  int creates = 0;
  int draws = 0;
  void* lastBackground = nullptr;
  void* lastDrawnWindow = nullptr;
  int lastRect[4] = {};  // left, top, right, bottom
  int deletes = 0;
  int unknownDeletes = 0;  // handles the library never gave out
};
