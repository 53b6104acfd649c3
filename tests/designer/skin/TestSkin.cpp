// A skinning library of the tests' own: it exports the eight entry points
// the designer looks up (one build leaves BkCreate out), paints nothing and
// keeps a record of the calls, which the tests read through TestSkinCalls.
#include <set>

#include "TestSkinCalls.h"

namespace {

TestSkinCallRecord calls;
std::set<void*> handles;

}  // namespace

extern "C" {

TestSkinCallRecord* TestSkinCalls() { return &calls; }

int SkinStart(const char*, int, const char*, int, int, int) { return 1; }
int SkinStartW(const wchar_t*, int, const wchar_t*, int, int, int) { return 1; }
void SkinRemove() {}
int SkinThread(unsigned long, int) { return 1; }

int SkinWindowSet(void* window, int) {
  ++calls.windowSets;
  calls.lastWindow = window;
  return 1;
}

#ifndef TEST_SKIN_WITHOUT_BKCREATE
void* BkCreate(int) {
  ++calls.creates;
  void* handle = new int(calls.creates);
  handles.insert(handle);
  return handle;
}
#endif

int BkDraw(void* background, void* window, void*, int left, int top, int right, int bottom, int) {
  ++calls.draws;
  calls.lastBackground = background;
  calls.lastDrawnWindow = window;
  calls.lastRect[0] = left;
  calls.lastRect[1] = top;
  calls.lastRect[2] = right;
  calls.lastRect[3] = bottom;
  return handles.count(background) ? 1 : 0;
}

void BkDelete(void* handle) {
  ++calls.deletes;
  if (handles.erase(handle) == 0) {
    ++calls.unknownDeletes;
    return;
  }
  delete static_cast<int*>(handle);
}
}
