#include "data/objects/Country.h"

#include "data/objects/ObjectLists.h"

namespace Invoice {

namespace {

// The stored REF_TYPE: "STATE" for kind 1, "CITY" for any other kind.
const wchar_t* RefTypeText(int kind) {
  return kind == 1 ? L"STATE" : L"CITY";
}

}  // namespace

CountryRef Country::FindCountryRef(const std::wstring& name, int kind) const {
  return CountryRef(DataAccess::Instance().FindCountryRefId(name, RefTypeText(kind), GetId()));
}

void Country::GetRefs(int kind, std::vector<CountryRef>& refs) const {
  std::vector<int> ids;
  DataAccess::Instance().LoadCountryRefIds(ids, RefTypeText(kind), GetId());
  lists::AppendById(ids, refs);
}

Country FindCountryByName(const std::wstring& name) {
  return Country(DataAccess::Instance().FindCountryId(name));
}

void GetAllCountries(std::vector<Country>& countries) {
  lists::AppendAllById(&DataAccess::LoadCountryIds, countries);
}

}  // namespace Invoice
