#pragma once

// What receipt lines (ItemInput) and issue lines (ItemOutput) share: the
// columns of one stock movement. Saving or deleting a line moves its item's
// stock (see the two classes).

#include <string>

#include "data/objects/RecordObject.h"

namespace Invoice {

template <class Derived, class Record, void (DataAccess::*LoadRow)(int, Record&) const,
          void (DataAccess::*SaveRow)(Record&, int) const, void (DataAccess::*DeleteRow)(int) const>
class StockLine : public RecordObject<Derived, Record, LoadRow, SaveRow, DeleteRow> {
  using Base = RecordObject<Derived, Record, LoadRow, SaveRow, DeleteRow>;

public:
  using Base::Base;

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
};

}  // namespace Invoice
