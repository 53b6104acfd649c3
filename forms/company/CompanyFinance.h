#pragma once

// What the company form's "Finance Info" page shows: the company's accounts
// with their balances and two fixed rows, and the payments that belong to
// the selected row, signed from the company's side.
//
// All payments the page shows live in one change set of the page; each row
// shows the payments of that set that belong to it, so a payment shown under
// several rows (an account's and "Total") is one entry, edited and written
// once, whichever row the user acted on.

#include <cstdint>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "shell/ui/ListRow.h"

namespace Invoice {
class Payment;
}

inline constexpr int32_t kTotalRowId = -100000;
inline constexpr int32_t kNotOnAccountRowId = -100001;

struct AccountBalance {
  int32_t id = 0;  // a temporary negative id for an account not saved yet
  std::wstring name;
  double balance = 0.0;
};

// The names a payment row shows, read by id; empty texts for rows that are
// not stored.
struct PaymentNames {
  std::function<std::wstring(int32_t companyId)> companyName;
  std::function<std::wstring(int32_t accountId)> accountName;
  std::function<int32_t(int32_t accountId)> accountCompany;  // 0 when unknown
  std::function<std::wstring(int32_t invoiceId)> invoiceNumber;
};

class CompanyFinance {
public:
  static bool IsFixedRow(int32_t rowId) { return rowId == kTotalRowId || rowId == kNotOnAccountRowId; }
  // An account added since the form was opened: payments cannot name it yet.
  static bool IsUnsavedAccountRow(int32_t rowId) { return rowId < 0 && !IsFixedRow(rowId); }

  // The accounts in the given order, then "Not on Account" with the
  // company's own balance and "Total" with that plus every account's.
  static std::vector<ListRow> AccountRows(const std::vector<AccountBalance>& accounts, double companyBalance);

  // Whether the payment is listed under the row: an account's row lists the
  // payments that account pays or receives, "Not on Account" those the
  // company pays or receives directly, "Total" both of every account of the
  // company.
  static bool BelongsTo(const Invoice::Payment& payment, int32_t rowId, int32_t companyId,
                        const std::set<int32_t>& companyAccounts);

  // -1 when the company pays (from one of its accounts, or directly when no
  // account pays), else +1.
  static int Sign(const Invoice::Payment& payment, int32_t companyId, const PaymentNames& names);

  // Date, signed Amount, Reference, Paid from, Paid to; the payment's id.
  static ListRow PaymentRow(const Invoice::Payment& payment, int32_t companyId, const PaymentNames& names);

  // The party a new payment of the row is received by: the account of an
  // account row, the company for the fixed rows, none without a row.
  static int32_t NewPaymentReceiver(int32_t rowId, bool rowSelected, int32_t companyId);
};

// The names of stored rows, read from the database.
PaymentNames StoredPaymentNames();
