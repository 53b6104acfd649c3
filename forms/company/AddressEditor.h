#pragma once

// The decisions of the address dialog: the address it edits, the lists it
// offers (captions, countries, and the cities and states of the typed
// country), the composed address block, and what OK records and writes.

#include <cstdint>
#include <string>
#include <vector>

#include "data/objects/Address.h"
#include "forms/company/AddressDisplay.h"

class ChangeSet;

struct NamedId {
  std::wstring name;
  int32_t id = 0;
};

class AddressEditor {
public:
  // Kinds of country references.
  static constexpr int kCity = 0;
  static constexpr int kState = 1;

  // The change set may be null: then an existing address is read from the
  // database and OK records nothing.
  AddressEditor(ChangeSet* changes, int32_t addressId, int32_t companyId);

  // Reads the address of a non-zero id into the fields. Throws Invoice::DbException.
  void Load();

  // The address block from the fields, unless the user edits it by hand.
  void Compose();

  // Whether another address of the company is already known by the caption
  // (an empty caption too: the company may have one address without).
  // Throws Invoice::DbException.
  bool IsCaptionTaken() const;
  // OK's refusal of such a caption.
  static std::wstring CaptionTakenMessage(const std::wstring& caption);

  // Records the address in the change set and returns its id there (a
  // temporary one for a new address).
  int32_t Record();

  // Stores the typed country, and its typed city and state, as reference
  // rows when they are new, in one unit of work; without a country nothing.
  // Names are matched exactly; a matched row is never renamed. Throws
  // Invoice::DbException (the unit is rolled back).
  void SaveReferences() const;

  static std::vector<std::wstring> CaptionNames();
  static std::vector<NamedId> Countries();
  // The cities or states of the country with exactly that name; none when
  // no country has it.
  static std::vector<NamedId> RefsOfCountry(const std::wstring& countryName, int kind);

  int32_t GetAddressId() const { return m_addressId; }
  int32_t GetCompanyId() const { return m_companyId; }

  AddressFields fields;
  std::wstring caption;
  std::wstring display;  // with "\r\n" line breaks, as stored
  bool manualDisplay = false;

private:
  ChangeSet* m_changes;
  int32_t m_addressId;
  int32_t m_companyId;
  Invoice::Address m_address;
};
