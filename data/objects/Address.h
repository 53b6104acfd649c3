#pragma once

// One address of a company (ADDRESSES); DISPLAY_BOX is the address block as
// printed on invoices.

#include <set>
#include <string>

#include "data/objects/RecordObject.h"

namespace Invoice {

class Address : public RecordObject<Address, AddressRecord, &DataAccess::LoadAddress,
                                    &DataAccess::SaveAddress, &DataAccess::DeleteAddress> {
public:
  using RecordObject::RecordObject;

  // Refused while an invoice prints the address: the invoice keeps it.
  void Delete() override { DeleteUnlessUsed(&DataAccess::CheckAddressDeletable, GetId()); }
  // Throws the refusal Delete would give, deleting nothing.
  static void CheckDeletable(int id) { DataAccess::Instance().CheckAddressDeletable(id); }

  std::wstring GetName() const { return m_record.name; }
  std::wstring GetDisplayBox() const { return m_record.displayBox; }
  bool GetDefaultAddress() const { return m_record.defaultAddress; }
  int GetCompanyId() const { return m_record.companyObjectId; }
  std::wstring GetAddressLine1() const { return m_record.addressLine1; }
  std::wstring GetAddressLine2() const { return m_record.addressLine2; }
  std::wstring GetAddressLine3() const { return m_record.addressLine3; }
  std::wstring GetZip() const { return m_record.addressZip; }
  std::wstring GetCity() const { return m_record.addressCity; }
  std::wstring GetState() const { return m_record.addressState; }
  std::wstring GetCountry() const { return m_record.addressCountry; }
  bool GetDisplayEditEnabled() const { return m_record.displayEditEnabled; }

  void SetName(const std::wstring& value) { Set(m_record.name, value); }
  void SetDisplayBox(const std::wstring& value) { Set(m_record.displayBox, value); }
  void SetDefaultAddress(bool value) { Set(m_record.defaultAddress, value); }
  void SetCompanyId(int value) { Set(m_record.companyObjectId, value); }
  void SetAddressLine1(const std::wstring& value) { Set(m_record.addressLine1, value); }
  void SetAddressLine2(const std::wstring& value) { Set(m_record.addressLine2, value); }
  void SetAddressLine3(const std::wstring& value) { Set(m_record.addressLine3, value); }
  void SetZip(const std::wstring& value) { Set(m_record.addressZip, value); }
  void SetCity(const std::wstring& value) { Set(m_record.addressCity, value); }
  void SetState(const std::wstring& value) { Set(m_record.addressState, value); }
  void SetCountry(const std::wstring& value) { Set(m_record.addressCountry, value); }
  void SetDisplayEditEnabled(bool value) { Set(m_record.displayEditEnabled, value); }
};

// The distinct address captions (NAME) of all companies.
void GetAddressNames(std::set<std::wstring>& names);

}  // namespace Invoice
