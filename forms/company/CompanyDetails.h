#pragma once

// The decisions of the company form's "Details" page and of the form's tabs:
// which tabs a company has, the frame's caption, and what a save of the
// details writes into the edited company.

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "common/ui/AmountFormat.h"

namespace Invoice {
class Company;
}

// Page ids of the company form's tabs (the pages' template ids).
inline constexpr uint32_t kCompanyDetailsPage = 119;
inline constexpr uint32_t kCompanyContactsPage = 10000;
inline constexpr uint32_t kCompanyInvoicesPage = 143;
inline constexpr uint32_t kCompanyFinancePage = 158;

inline constexpr wchar_t kNameMissingMessage[] = L"You must enter a name for the Client!";
inline constexpr wchar_t kBadDiscountMessage[] = L"The Default Discount must be a number!";
inline constexpr wchar_t kDiscountRangeMessage[] = L"\"Default Discount\" should be between 0 and 100.";

struct CompanyDetailsInput {
  std::wstring name;
  int32_t priceListId = 0;  // 0: the default price list
  std::wstring discountText;
};

class CompanyDetails {
public:
  enum class Result { Saved, NameMissing, BadDiscount, DiscountOutOfRange };

  // The tabs of a company in order: "Details" alone while it was never
  // saved (id 0), else also "Contact Info", "Invoices" and "Finance Info".
  static std::vector<std::pair<uint32_t, std::wstring>> Tabs(int32_t companyId);

  // "Client - name", or "Client" without a name.
  static std::wstring Caption(const std::wstring& name);

  // The name without blanks at either end.
  static std::wstring TrimName(const std::wstring& name);

  // The discount typed in the user's format; nullopt-like false when the
  // text is not a number (a blank text is 0).
  static bool ParseDiscount(const AmountFormat& format, const std::wstring& text, double& percent);

  // Checks the input and writes it into the company: trimmed name, price
  // list, discount, and both the sell and buy flags. Only fields whose value
  // differs are set, so a company whose details did not change stays
  // unmodified and its save writes nothing. Nothing is set when refused.
  static Result Apply(const CompanyDetailsInput& input, const AmountFormat& format, Invoice::Company& company);
};
