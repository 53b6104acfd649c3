#pragma once

// A business object whose save first checks, inside the unit of work, that
// its row is still stored as this object knows it: as it was read, or as
// this object's own last committed save left it. A row that another window
// or another user saved meanwhile refuses the save (StaleRowException)
// before anything is written, so a stale form never undoes a newer save.
//
// Derived names the columns that count (SameStoredValues): the ones its save
// writes from what the user saw. The check reads, it writes nothing, so a
// save that changes nothing still changes nothing.
//
// Copies share what they know is stored, as they share their ids. What a
// save wrote becomes the known row only when its unit of work commits: a
// rollback leaves the row as known before (the known row's number is kept
// in an ObjectHandle entry, which commits and rolls back with the ids).

#include <map>
#include <memory>
#include <optional>

#include "data/objects/RecordObject.h"
#include "data/objects/StaleRow.h"

namespace Invoice {

// The text of a save whose stored object was deleted since it was read.
inline constexpr wchar_t kDeletedSinceReadText[] =
    L"This was deleted in the meantime (in another window or by another user), so nothing was saved.";

template <class Derived, class Record, void (DataAccess::*LoadRow)(int, Record&) const,
          void (DataAccess::*SaveRow)(Record&, int) const, void (DataAccess::*DeleteRow)(int) const>
class AsReadObject : public RecordObject<Derived, Record, LoadRow, SaveRow, DeleteRow> {
  using Base = RecordObject<Derived, Record, LoadRow, SaveRow, DeleteRow>;

public:
  AsReadObject() = default;
  explicit AsReadObject(int id) : Base(id) {
    if (id != 0) RememberRead(this->m_record);
  }
  explicit AsReadObject(const Record& record) : Base(record) { RememberRead(record); }

  // Checks the stored row, writes, and keeps the row as written.
  void Save() override {
    if (!this->m_modified) return;
    CheckStoredAsRead();
    Base::Save();
    RememberWritten();
  }

  // The copy knows the stored row as this object does, not as edited.
  std::unique_ptr<Object> Clone() const override {
    std::unique_ptr<Object> copy = Base::Clone();
    static_cast<AsReadObject&>(*copy).m_known = m_known;
    return copy;
  }

protected:
  // Throws StaleRowException when the stored row's counted columns differ
  // from the known row's, DbException(kDeletedSinceReadText) when the row is
  // gone. A new object, or one that knows no row, is not checked.
  void CheckStoredAsRead() const {
    const int id = this->GetId();
    const Snapshot* known = KnownRow();
    if (id <= 0 || !known) return;
    Record stored;
    (DataAccess::Instance().*LoadRow)(id, stored);
    if (stored.id.GetId() != id) throw DbException(kDeletedSinceReadText);
    if (!Derived::SameStoredValues(stored, known->row))
      throw StaleRowException(Derived::kStaleWhat, written_here::Since(id, known->at));
  }

private:
  struct Snapshot {
    Record row;
    uint64_t at = 0;  // written_here's count when it was read or written
  };
  struct KnownRows {
    std::map<int, Snapshot> rows;        // by number: 0 as read, then each save's
    std::optional<ObjectHandle> stored;  // the number of the row stored now
  };

  void RememberRead(const Record& record) {
    m_known = std::make_shared<KnownRows>();
    m_known->rows[0] = Snapshot{record, written_here::Now()};
  }

  // The row as the save left it, read back in its unit of work (so that it
  // is what the database holds, not what was meant to be written).
  void RememberWritten() {
    const int id = this->GetId();
    Record written;
    (DataAccess::Instance().*LoadRow)(id, written);
    if (!m_known) m_known = std::make_shared<KnownRows>();
    const int number = m_known->rows.empty() ? 1 : m_known->rows.rbegin()->first + 1;
    m_known->rows[number] = Snapshot{written, written_here::Note(id)};
    if (!m_known->stored) m_known->stored.emplace(0);
    m_known->stored->SetId(number);
  }

  const Snapshot* KnownRow() const {
    if (!m_known) return nullptr;
    const auto found = m_known->rows.find(m_known->stored ? m_known->stored->GetId() : 0);
    return found == m_known->rows.end() ? nullptr : &found->second;
  }

  std::shared_ptr<KnownRows> m_known;
};

}  // namespace Invoice
