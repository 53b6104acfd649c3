#pragma once

// A country (COUNTRIES), with its cities and states (CountryRef).

#include <string>
#include <vector>

#include "data/objects/CountryRef.h"
#include "data/objects/RecordObject.h"

namespace Invoice {

class Country : public RecordObject<Country, CountryRecord, &DataAccess::LoadCountry,
                                    &DataAccess::SaveCountry, &DataAccess::DeleteCountry> {
public:
  using RecordObject::RecordObject;

  std::wstring GetName() const { return m_record.name; }
  void SetName(const std::wstring& name) { Set(m_record.name, name); }

  // The city (kind 0) or state (kind 1) of this country with the name, or a
  // new empty CountryRef (name and country not filled in) when there is none.
  CountryRef FindCountryRef(const std::wstring& name, int kind) const;
  // The country's cities (kind 0) or states (kind 1), by NAME.
  void GetRefs(int kind, std::vector<CountryRef>& refs) const;
};

// The country of that name, or a new empty Country (name not filled in).
Country FindCountryByName(const std::wstring& name);
// Every country, by NAME.
void GetAllCountries(std::vector<Country>& countries);

}  // namespace Invoice
