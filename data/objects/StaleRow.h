#pragma once

// The refusal of a save whose object is no longer stored as its window read
// it, and what tells whether the newer change came from this program.
//
// A window reads an object, the user edits it, the window saves it. When
// someone else saved the same row in between, writing the window's copy
// would silently undo that save (or build on rows that are gone), so the
// save is refused inside its unit of work and nothing is stored. Saving the
// same copy again would be refused again: the window has to read what is
// stored now, and the user makes the change again on that.

#include <cstdint>
#include <string>

#include "data/Connection.h"
#include "data/DbException.h"

namespace Invoice {

// The data layer's text when the newer change came from another window of
// this program (another user's change keeps kConcurrentChangeText).
inline constexpr wchar_t kChangedInAnotherWindowText[] =
    L"The same data was changed in another window of this program since it was read here, so nothing was "
    L"saved.";

class StaleRowException : public DbException {
public:
  // what: the object as the user knows it ("this invoice", "a stock
  // line"); byThisProgram: the newer change was saved by another window of
  // this program.
  StaleRowException(std::wstring what, bool byThisProgram);

  const std::wstring& GetWhat() const { return m_what; }
  bool IsChangedByThisProgram() const { return m_byThisProgram; }

private:
  std::wstring m_what;
  bool m_byThisProgram;
};

// The rows this program has written: every save or removal of a row that is
// checked as read notes its id under the next number of a count kept for the
// process; a copy notes the count when it reads its row. GUI thread only.
namespace written_here {
// The count so far.
uint64_t Now();
// The row of the id was written (or removed) by this program; the new count.
uint64_t Note(int objectId);
// Whether this program wrote the row of the id after the count.
bool Since(int objectId, uint64_t count);
}  // namespace written_here

}  // namespace Invoice
