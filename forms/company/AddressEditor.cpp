#include "forms/company/AddressEditor.h"

#include <memory>
#include <optional>
#include <set>

#include "data/ChangeSet.h"
#include "data/objects/Country.h"
#include "data/objects/CountryRef.h"
#include "forms/company/ContactEditing.h"
#include "shell/ui/UnitOfWork.h"

namespace {

std::optional<Invoice::Country> FindCountry(const std::wstring& name) {
  std::vector<Invoice::Country> countries;
  Invoice::GetAllCountries(countries);
  for (const Invoice::Country& country : countries)
    if (country.GetName() == name) return country;
  return std::nullopt;
}

std::optional<Invoice::CountryRef> FindRef(const Invoice::Country& country, const std::wstring& name, int kind) {
  std::vector<Invoice::CountryRef> refs;
  country.GetRefs(kind, refs);
  for (const Invoice::CountryRef& ref : refs)
    if (ref.GetName() == name) return ref;
  return std::nullopt;
}

void SaveRefUnlessKnown(const Invoice::Country& country, const std::wstring& name, int kind) {
  if (name.empty() || FindRef(country, name, kind)) return;
  Invoice::CountryRef ref;
  ref.SetName(name);
  ref.SetRefType(kind);
  ref.SetCountryId(country.GetId());
  ref.Save();
}

}  // namespace

AddressEditor::AddressEditor(ChangeSet* changes, int32_t addressId, int32_t companyId)
    : m_changes(changes), m_addressId(addressId), m_companyId(companyId) {}

void AddressEditor::Load() {
  if (m_addressId == 0) return;
  m_address = LoadEditedRecord<Invoice::Address>(m_changes, m_addressId);
  caption = m_address.GetName();
  fields = {m_address.GetAddressLine1(), m_address.GetAddressLine2(), m_address.GetAddressLine3(),
            m_address.GetZip(),          m_address.GetCity(),         m_address.GetState(),
            m_address.GetCountry()};
  m_companyId = m_address.GetCompanyId();
  display = m_address.GetDisplayBox();
  manualDisplay = m_address.GetDisplayEditEnabled();
}

void AddressEditor::Compose() {
  if (!manualDisplay) display = ComposeAddressDisplay(fields);
}

bool AddressEditor::IsCaptionTaken() const {
  return IsNameTakenInCompany<Invoice::Address>(m_changes, m_addressId, m_companyId, caption,
                                               &DataAccess::LoadAddressesOfCompany);
}

std::wstring AddressEditor::CaptionTakenMessage(const std::wstring& caption) {
  if (caption.find_first_not_of(L' ') == std::wstring::npos)
    return L"The client already has an address without a caption. Give this one a caption.";
  return L"The client already has an address captioned \"" + caption + L"\".";
}

int32_t AddressEditor::Record() {
  m_address.SetCity(fields.city);
  m_address.SetCountry(fields.country);
  m_address.SetAddressLine1(fields.line1);
  m_address.SetAddressLine2(fields.line2);
  m_address.SetAddressLine3(fields.line3);
  m_address.SetState(fields.state);
  m_address.SetZip(fields.zip);
  m_address.SetDisplayBox(display);
  m_address.SetName(caption);
  m_address.SetDisplayEditEnabled(manualDisplay);
  m_address.SetCompanyId(m_companyId);
  m_addressId = RecordEdit(m_changes, m_address);
  return m_addressId;
}

void AddressEditor::SaveReferences() const {
  // Cities and states are kept per country: without a country there is no
  // list to add them to.
  if (fields.country.empty()) return;
  std::unique_ptr<UnitOfWork> unit = UnitOfWork::Open();
  Invoice::Country country;
  if (auto known = FindCountry(fields.country)) {
    country = *known;
  } else {
    country.SetName(fields.country);
    country.Save();
  }
  SaveRefUnlessKnown(country, fields.city, kCity);
  SaveRefUnlessKnown(country, fields.state, kState);
  unit->Commit();
}

std::vector<std::wstring> AddressEditor::CaptionNames() {
  std::set<std::wstring> names;
  Invoice::GetAddressNames(names);
  return {names.begin(), names.end()};
}

std::vector<NamedId> AddressEditor::Countries() {
  std::vector<Invoice::Country> countries;
  Invoice::GetAllCountries(countries);
  std::vector<NamedId> result;
  for (const Invoice::Country& country : countries) result.push_back({country.GetName(), country.GetId()});
  return result;
}

std::vector<NamedId> AddressEditor::RefsOfCountry(const std::wstring& countryName, int kind) {
  std::vector<NamedId> result;
  const std::optional<Invoice::Country> country = FindCountry(countryName);
  if (!country) return result;
  std::vector<Invoice::CountryRef> refs;
  country->GetRefs(kind, refs);
  for (const Invoice::CountryRef& ref : refs) result.push_back({ref.GetName(), ref.GetId()});
  return result;
}
