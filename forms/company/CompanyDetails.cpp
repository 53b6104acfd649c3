#include "forms/company/CompanyDetails.h"

#include <cwchar>
#include <cwctype>

#include "data/objects/Company.h"

std::vector<std::pair<uint32_t, std::wstring>> CompanyDetails::Tabs(int32_t companyId) {
  std::vector<std::pair<uint32_t, std::wstring>> tabs{{kCompanyDetailsPage, L"Details"}};
  if (companyId != 0) {
    tabs.emplace_back(kCompanyContactsPage, L"Contact Info");
    tabs.emplace_back(kCompanyInvoicesPage, L"Invoices");
    tabs.emplace_back(kCompanyFinancePage, L"Finance Info");
  }
  return tabs;
}

std::wstring CompanyDetails::Caption(const std::wstring& name) {
  return name.empty() ? std::wstring(L"Client") : L"Client - " + name;
}

std::wstring CompanyDetails::TrimName(const std::wstring& name) {
  size_t first = 0;
  size_t last = name.size();
  while (first < last && std::iswspace(name[first])) ++first;
  while (last > first && std::iswspace(name[last - 1])) --last;
  return name.substr(first, last - first);
}

bool CompanyDetails::ParseDiscount(const AmountFormat& format, const std::wstring& text, double& percent) {
  const std::wstring trimmed = TrimName(text);
  if (trimmed.empty()) {
    percent = 0.0;
    return true;
  }
  // The same reading as ParseAmount, but the whole text must be the number.
  std::wstring plain;
  for (size_t i = 0; i < trimmed.size();) {
    if (!format.thousandsSeparator.empty() && trimmed.compare(i, format.thousandsSeparator.size(),
                                                              format.thousandsSeparator) == 0) {
      i += format.thousandsSeparator.size();
    } else if (!format.decimalSeparator.empty() &&
               trimmed.compare(i, format.decimalSeparator.size(), format.decimalSeparator) == 0) {
      plain += L'.';
      i += format.decimalSeparator.size();
    } else {
      plain += trimmed[i++];
    }
  }
  bool digit = false;
  for (wchar_t c : plain) {
    if (std::iswdigit(c)) digit = true;
    else if (c != L'.' && c != L'-' && c != L'+') return false;
  }
  if (!digit) return false;
  wchar_t* end = nullptr;
  const double value = std::wcstod(plain.c_str(), &end);
  if (!end || *end != L'\0') return false;
  percent = value;
  return true;
}

CompanyDetails::Result CompanyDetails::Apply(const CompanyDetailsInput& input, const AmountFormat& format,
                                             Invoice::Company& company) {
  const std::wstring name = TrimName(input.name);
  if (name.empty()) return Result::NameMissing;
  double discount = 0.0;
  if (!ParseDiscount(format, input.discountText, discount)) return Result::BadDiscount;
  // A percentage off every price: more than the whole price, or a surcharge
  // passed off as a discount, is a typing mistake.
  if (discount < 0.0 || discount > 100.0) return Result::DiscountOutOfRange;
  if (company.GetName() != name) company.SetName(name);
  if (company.GetPriceGroupId() != input.priceListId) company.SetPriceGroupId(input.priceListId);
  if (company.GetDefaultDiscount() != discount) company.SetDefaultDiscount(discount);
  if (!company.GetSellToThisOne()) company.SetSellToThisOne(true);
  if (!company.GetBuyFromThisOne()) company.SetBuyFromThisOne(true);
  return Result::Saved;
}
