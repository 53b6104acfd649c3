#include "data/objects/StaleRow.h"

#include <map>
#include <utility>

namespace Invoice {

StaleRowException::StaleRowException(std::wstring what, bool byThisProgram)
    : DbException(byThisProgram ? kChangedInAnotherWindowText : kConcurrentChangeText),
      m_what(std::move(what)),
      m_byThisProgram(byThisProgram) {}

namespace written_here {

namespace {

struct Register {
  uint64_t count = 0;
  std::map<int, uint64_t> lastWrite;  // object id -> count of its last write here
};

Register& TheRegister() {
  static Register instance;
  return instance;
}

}  // namespace

uint64_t Now() {
  return TheRegister().count;
}

uint64_t Note(int objectId) {
  Register& r = TheRegister();
  r.lastWrite[objectId] = ++r.count;
  return r.count;
}

bool Since(int objectId, uint64_t count) {
  const Register& r = TheRegister();
  const auto it = r.lastWrite.find(objectId);
  return it != r.lastWrite.end() && it->second > count;
}

}  // namespace written_here

}  // namespace Invoice
