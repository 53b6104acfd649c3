#pragma once

// What receipt lines (ItemInput) and issue lines (ItemOutput) share: the
// columns of one stock movement. Saving or deleting a line moves its item's
// stock (see the two classes).

#include <memory>
#include <string>

#include "data/Connection.h"
#include "data/DbException.h"
#include "data/objects/RecordObject.h"
#include "data/objects/StaleRow.h"

namespace Invoice {

template <class Derived, class Record, void (DataAccess::*LoadRow)(int, Record&) const,
          void (DataAccess::*SaveRow)(Record&, int) const, void (DataAccess::*DeleteRow)(int) const>
class StockLine : public RecordObject<Derived, Record, LoadRow, SaveRow, DeleteRow> {
  using Base = RecordObject<Derived, Record, LoadRow, SaveRow, DeleteRow>;

public:
  StockLine() = default;
  // A line read from the database remembers its row as read (see
  // CheckStoredRowAsRead).
  explicit StockLine(int id) : Base(id) { RememberRead(); }
  explicit StockLine(const Record& record) : Base(record) { RememberRead(); }

  // The copy keeps the row this line was read from, not its edited values.
  std::unique_ptr<Object> Clone() const override {
    std::unique_ptr<Object> copy = Base::Clone();
    auto& line = static_cast<StockLine&>(*copy);
    line.m_readId = m_readId;
    line.m_read = m_read;
    line.m_readAt = m_readAt;
    return copy;
  }

  int GetItemId() const { return this->m_record.itemObjectId; }
  double GetQuantity() const { return this->m_record.quantity; }       // in pieces (base units)
  int GetInvoiceId() const { return this->m_record.invoiceObjectId; }  // 0 = not on an invoice
  double GetBasePrice() const { return this->m_record.basePrice; }
  double GetTaxPercent() const { return this->m_record.taxPercent; }
  double GetDiscountPercent() const { return this->m_record.discountPercent; }
  std::wstring GetMeasurement() const { return this->m_record.measurement; }
  // Measurement units per piece; a stored 0 reads as 1.0.
  double GetBaseUnit() const { return this->m_record.baseUnit == 0.0 ? 1.0 : this->m_record.baseUnit; }

  void SetItemId(int itemId) { this->Set(this->m_record.itemObjectId, itemId); }
  void SetQuantity(double quantity) { this->Set(this->m_record.quantity, quantity); }
  void SetInvoiceId(int invoiceId) { this->Set(this->m_record.invoiceObjectId, invoiceId); }
  void SetBasePrice(double price) { this->Set(this->m_record.basePrice, price); }
  void SetTaxPercent(double percent) { this->Set(this->m_record.taxPercent, percent); }
  void SetDiscountPercent(double percent) { this->Set(this->m_record.discountPercent, percent); }
  void SetMeasurement(const std::wstring& shortcut) { this->Set(this->m_record.measurement, shortcut); }
  void SetBaseUnit(double baseUnit) { this->Set(this->m_record.baseUnit, baseUnit); }

protected:
  // Saving a stored line replaces its row. That row must still be there as
  // this line read it: when another window or another user has replaced or
  // removed it meanwhile, replacing it again would store the line twice and
  // move its stock twice, so the save is refused (the caller's unit of work
  // rolls back and the form can load the line again). A line whose id is no
  // longer the one it was read under (saved since) is only checked for its row.
  // The refusal says whether this program replaced or changed the row.
  void CheckStoredRowAsRead() const {
    const int id = this->GetId();
    Record stored;
    (DataAccess::Instance().*LoadRow)(id, stored);
    const bool unchanged =
        stored.id.GetId() == id && (id != m_readId || Derived::SameStoredValues(stored, m_read));
    if (!unchanged) throw StaleRowException(L"a stock line", written_here::Since(id, m_readAt));
  }

private:
  void RememberRead() {
    m_readId = this->GetId();
    m_read = this->m_record;
    m_readAt = written_here::Now();
  }

  int m_readId = 0;
  Record m_read;
  uint64_t m_readAt = 0;  // written_here's count when read
};

}  // namespace Invoice
