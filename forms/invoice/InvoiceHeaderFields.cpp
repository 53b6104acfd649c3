#include "forms/invoice/InvoiceHeaderFields.h"

#include <cwchar>
#include <vector>

#include "data/Settings.h"
#include "data/objects/Address.h"
#include "data/objects/Company.h"
#include "data/objects/DaysCondition.h"
#include "data/objects/Template.h"
#include "forms/company/AddressDisplay.h"

namespace {

// What Invoice::GetDate and GetPaidOn give for a column that holds no date.
constexpr double kNoStoredDate = -1.0;

}  // namespace

std::wstring FormatInvoiceNumber(int number, int year) {
  wchar_t text[64];
  std::swprintf(text, std::size(text), L"%04ld/%02d", static_cast<long>(number), year - 2000);
  return text;
}

std::wstring FormatInvoiceCaption(int invoiceType, const std::wstring& numberText) {
  return std::wstring(invoiceType == 1 ? L"Income Invoice" : L"Outcome Invoice") + L" " + numberText;
}

void InvoiceHeaderFields::SetNumber(const std::wstring& number) {
  numberText = number;
  titleText = L"I-ce " + number;
}

void InvoiceHeaderFields::LoadInvoice(int32_t id, int32_t companyId, bool income) {
  linePriceListId = GetOutputDefaultPriceGroup();
  lineDiscountPercent = 0.0;

  invoiceId = id;
  to.companyId = companyId;
  invoiceType = income ? 1 : 0;
  invoice = Invoice::Invoice(id);

  if (id != 0) {
    SetNumber(invoice.GetInvoiceNum());
    to.companyId = invoice.GetCompanyId();
    from.companyId = invoice.GetCompanyIdFrom();
    invoiceType = invoice.GetInvoiceType();
    to.addressText = invoice.GetDisplayBox();
    from.addressText = invoice.GetDisplayBoxFrom();
    m_toAddressId = invoice.GetAddressId();
    m_fromAddressId = invoice.GetAddressIdFrom();
    m_daysCondition = invoice.GetDaysCondition();
    m_templateId = invoice.GetTemplateId();
    // A date the database does not hold (NULL) keeps what the form shows.
    if (invoice.GetDate() != kNoStoredDate) date = platform::OleDateTime(invoice.GetDate());
    if (invoice.GetPaidOn() != kNoStoredDate) paidDate = platform::OleDateTime(invoice.GetPaidOn());
    paid = invoice.IsPaid();
    discountPercent = invoice.GetDiscountPercent();
  } else {
    const platform::OleDateTime now = platform::OleDateTime::Now();
    numberYear = now.IsValid() ? now.GetYear() : -1;
    drawnNumber = IsIncome() ? GetNextIncomeInvoiceNum() : GetNextInvoiceNum();
    SetNumber(FormatInvoiceNumber(drawnNumber, numberYear));
    const int32_t myCompanyId = GetMyCompanyId();
    if (IsIncome())
      to.companyId = myCompanyId;
    else
      from.companyId = myCompanyId;
    m_toAddressId = m_fromAddressId = m_daysCondition = m_templateId = 0;
  }

  if (to.companyId != 0) {
    const Invoice::Company client(to.companyId);
    to.name = client.GetName();
    if (client.GetPriceGroupId() != 0) linePriceListId = client.GetPriceGroupId();
    lineDiscountPercent = client.GetDefaultDiscount();
  }
  if (from.companyId != 0) from.name = Invoice::Company(from.companyId).GetName();
}

void InvoiceHeaderFields::FillChoices() {
  FillAddresses(to, m_toAddressId);
  FillAddresses(from, m_fromAddressId);

  days.Clear();
  std::vector<Invoice::DaysCondition> conditions;
  Invoice::GetAllDaysConditions(conditions);
  for (const Invoice::DaysCondition& condition : conditions)
    days.Add(condition.GetName(), condition.GetDays());
  days.Select(days.FindData(m_daysCondition));

  templates.Clear();
  templates.Add(kDefaultTemplateChoice, 0);
  if (m_templateId == 0) templates.Select(0);
  std::vector<Invoice::Template> all;
  Invoice::GetAllTemplates(all);
  for (const Invoice::Template& layout : all) {
    const int index = templates.Add(layout.GetName(), layout.GetId());
    if (m_templateId != 0 && layout.GetId() == m_templateId) templates.Select(index);
  }
}

void InvoiceHeaderFields::FillMyCompany() {
  InvoiceParty& mine = IsIncome() ? to : from;
  mine.myCompany.Clear();
  const int32_t myCompanyId = GetMyCompanyId();
  if (myCompanyId != 0) {
    mine.myCompany.Select(mine.myCompany.Add(Invoice::Company(myCompanyId).GetName(), myCompanyId));
  }
  mine.companyId = myCompanyId;
}

void InvoiceHeaderFields::FillAddresses(InvoiceParty& party, int32_t addressId) {
  party.addresses.Clear();
  party.addresses.Select(party.addresses.Add(kEnterAddressMyself, 0));
  if (party.companyId != 0) {
    std::vector<Invoice::Address> addresses;
    Invoice::Company(party.companyId).GetAddresses(addresses);
    for (const Invoice::Address& address : addresses) {
      const int index =
          party.addresses.Add(AddressChoiceText(address.GetName(), address.GetDisplayBox()), address.GetId());
      if (address.GetId() == addressId) party.addresses.Select(index);
    }
  }
  ChooseAddress(party);
}

void InvoiceHeaderFields::ChooseAddress(InvoiceParty& party) {
  if (party.addresses.GetSelection() < 0) return;
  const int32_t addressId = party.addresses.GetSelectedData();
  if (addressId != 0) {
    party.addressText = Invoice::Address(addressId).GetDisplayBox();
    party.addressReadOnly = true;
  } else {
    party.addressReadOnly = false;
  }
}

void InvoiceHeaderFields::ChooseClient(int32_t companyId) {
  const Invoice::Company client(companyId);
  const int32_t priceListId =
      client.GetPriceGroupId() != 0 ? client.GetPriceGroupId() : GetOutputDefaultPriceGroup();
  to.companyId = companyId;
  to.name = client.GetName();
  linePriceListId = priceListId;
  lineDiscountPercent = client.GetDefaultDiscount();
  FillAddresses(to, 0);
}

void InvoiceHeaderFields::ChooseSupplier(int32_t companyId) {
  const Invoice::Company supplier(companyId);
  from.companyId = companyId;
  from.name = supplier.GetName();
  FillAddresses(from, 0);
}

void InvoiceHeaderFields::ChooseMyCompany(InvoiceParty& party) {
  party.companyId = party.myCompany.GetSelectedData();
}

int32_t InvoiceHeaderFields::GetTemplateIdToSave() const {
  return templates.GetSelection() > 0 ? templates.GetSelectedData() : 0;
}

int32_t InvoiceHeaderFields::GetPrintTemplateId() const {
  const int32_t chosen = GetTemplateIdToSave();
  return chosen != 0 ? chosen : GetDefaultTemplate();
}
