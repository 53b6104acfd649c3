#pragma once

// A payment term (DAYS_CONDITION): a name and a number of days.

#include <string>
#include <vector>

#include "data/objects/RecordObject.h"

namespace Invoice {

class DaysCondition : public RecordObject<DaysCondition, DaysConditionRecord, &DataAccess::LoadDaysCondition,
                                          &DataAccess::SaveDaysCondition, &DataAccess::DeleteDaysCondition> {
public:
  using RecordObject::RecordObject;

  // Refused while an invoice has that many days to pay.
  void Delete() override;

  std::wstring GetName() const { return m_record.name; }
  int GetDays() const { return m_record.days; }

  void SetName(const std::wstring& value) { Set(m_record.name, value); }
  void SetDays(int value) { Set(m_record.days, value); }
};

// Every days condition, by NAME.
void GetAllDaysConditions(std::vector<DaysCondition>& daysConditions);

}  // namespace Invoice
