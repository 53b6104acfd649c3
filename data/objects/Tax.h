#pragma once

// A tax rate (TAXES); PERCENT is 20 for 20 %.

#include <string>
#include <vector>

#include "data/objects/RecordObject.h"

namespace Invoice {

class Tax : public RecordObject<Tax, TaxRecord, &DataAccess::LoadTax, &DataAccess::SaveTax,
                                &DataAccess::DeleteTax> {
public:
  using RecordObject::RecordObject;

  // Refused while an item uses the tax.
  void Delete() override;

  std::wstring GetName() const { return m_record.name; }
  double GetPercent() const { return m_record.percent; }

  void SetName(const std::wstring& value) { Set(m_record.name, value); }
  void SetPercent(double value) { Set(m_record.percent, value); }
};

// Every tax, by NAME.
void GetAllTaxes(std::vector<Tax>& taxes);

}  // namespace Invoice
