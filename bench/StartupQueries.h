#pragma once

// The queries that start-up to a filled invoice list cannot do without, shared
// by the start-up benchmark and its floor program.

#include <chrono>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "data/DataAccess.h"
#include "data/objects/Invoice.h"
#include "data/objects/ItemGroup.h"

namespace startup_bench {

inline double SecondsSince(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// The list's own queries: the invoices of the period (OLE dates, -1 for none)
// and one company name per client, as InvoicesView::Fill asks them.
inline double ListQueries(double start, double lastSecond, bool paid, bool unpaid, size_t& rows) {
  const auto begun = std::chrono::steady_clock::now();
  DataAccess& data = DataAccess::Instance();
  std::vector<InvoiceListRecord> invoices;
  data.LoadInvoiceList(invoices, start, lastSecond, 0, paid, unpaid);
  std::map<int32_t, std::wstring> names;
  for (const InvoiceListRecord& invoice : invoices)
    if (invoice.companyObjectId != 0 && !names.count(invoice.companyObjectId)) {
      CompanyRecord company;
      data.LoadCompany(invoice.companyObjectId, company);
      names[invoice.companyObjectId] = company.name;
    }
  rows = invoices.size();
  return SecondsSince(begun);
}

// The navigation tree's queries when it is built: the top-level item groups
// with their records, and the years that hold invoices.
inline double TreeQueries() {
  const auto begun = std::chrono::steady_clock::now();
  std::vector<int> ids;
  Invoice::GetTopLevelItemGroupIds(ids);
  std::vector<std::wstring> names;
  for (int id : ids)
    if (const Invoice::ItemGroup group(id); group.IsStored()) names.push_back(group.GetName());
  std::vector<int> years;
  Invoice::GetInvoiceYears(years);
  return SecondsSince(begun);
}

// The year whose invoices the second list shows.
inline constexpr int kYear = 2020;

}  // namespace startup_bench
