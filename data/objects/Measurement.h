#pragma once

// A unit of measurement (MEASUREMENTS): NAME is the long name shown in unit lists,
// SHORTCUT what stock lines store as their MEASUREMENT.

#include <string>
#include <vector>

#include "data/objects/RecordObject.h"

namespace Invoice {

class Measurement : public RecordObject<Measurement, MeasurementRecord, &DataAccess::LoadMeasurement,
                                        &DataAccess::SaveMeasurement, &DataAccess::DeleteMeasurement> {
public:
  using RecordObject::RecordObject;

  // Refused while an item uses the measurement.
  void Delete() override;

  std::wstring GetName() const { return m_record.name; }
  std::wstring GetShortcut() const { return m_record.shortcut; }

  void SetName(const std::wstring& value) { Set(m_record.name, value); }
  void SetShortcut(const std::wstring& value) { Set(m_record.shortcut, value); }
};

// Every measurement, by NAME.
void GetAllMeasurements(std::vector<Measurement>& measurements);

}  // namespace Invoice
