#include "forms/company/CompanyFinance.h"

#include <optional>

#include "data/DbException.h"
#include "data/objects/Account.h"
#include "data/objects/Company.h"
#include "data/objects/Invoice.h"
#include "data/objects/Payment.h"
#include "platform/OleDateTime.h"

namespace {

std::wstring Party(const wchar_t* kind, const std::wstring& name) {
  return std::wstring(kind) + L": " + name;
}

// "Client: name" or "Account: name" of one side; empty when not stored.
std::wstring PartyText(int32_t accountId, int32_t companyId, const PaymentNames& names) {
  if (accountId != 0) {
    const std::wstring name = names.accountName(accountId);
    return name.empty() ? std::wstring() : Party(L"Account", name);
  }
  if (companyId != 0) {
    const std::wstring name = names.companyName(companyId);
    return name.empty() ? std::wstring() : Party(L"Client", name);
  }
  return {};
}

// The stored object of the id; none for a temporary id or a missing row.
template <class Object>
std::optional<Object> LoadStored(int32_t id) {
  if (id <= 0) return std::nullopt;
  try {
    Object object(id);
    if (object.IsStored()) return object;
  } catch (const Invoice::DbException&) {
    // "Object not found!": the row was deleted meanwhile.
  }
  return std::nullopt;
}

}  // namespace

std::vector<ListRow> CompanyFinance::AccountRows(const std::vector<AccountBalance>& accounts,
                                                 double companyBalance) {
  std::vector<ListRow> rows;
  double sum = 0.0;
  for (const AccountBalance& account : accounts) {
    rows.emplace_back(account.id, std::initializer_list<Value>{Value(account.name), Value(account.balance)});
    sum += account.balance;
  }
  rows.emplace_back(kNotOnAccountRowId, std::initializer_list<Value>{Value(L"Not on Account"), Value(companyBalance)});
  rows.emplace_back(kTotalRowId, std::initializer_list<Value>{Value(L"Total"), Value(companyBalance + sum)});
  return rows;
}

bool CompanyFinance::BelongsTo(const Invoice::Payment& payment, int32_t rowId, int32_t companyId,
                               const std::set<int32_t>& companyAccounts) {
  const bool direct = companyId != 0 && (payment.GetCompanyPayingId() == companyId ||
                                         payment.GetCompanyReceivingId() == companyId);
  if (rowId == kNotOnAccountRowId) return direct;
  if (rowId == kTotalRowId)
    return direct || companyAccounts.count(payment.GetAccountPayingId()) != 0 ||
           companyAccounts.count(payment.GetAccountReceivingId()) != 0;
  return rowId != 0 && (payment.GetAccountPayingId() == rowId || payment.GetAccountReceivingId() == rowId);
}

int CompanyFinance::Sign(const Invoice::Payment& payment, int32_t companyId, const PaymentNames& names) {
  if (payment.GetAccountPayingId() != 0)
    return names.accountCompany(payment.GetAccountPayingId()) == companyId ? -1 : 1;
  return payment.GetCompanyPayingId() == companyId ? -1 : 1;
}

ListRow CompanyFinance::PaymentRow(const Invoice::Payment& payment, int32_t companyId, const PaymentNames& names) {
  std::wstring reference;
  if (payment.GetReferenceObjectId() != 0) {
    const std::wstring number = names.invoiceNumber(payment.GetReferenceObjectId());
    if (!number.empty()) reference = Party(L"Invoice", number);
  }
  return ListRow(payment.GetObjectId(),
                 {Value(platform::OleDateTime(payment.GetPaidOn())),
                  Value(Sign(payment, companyId, names) * payment.GetAmount()), Value(reference),
                  Value(PartyText(payment.GetAccountPayingId(), payment.GetCompanyPayingId(), names)),
                  Value(PartyText(payment.GetAccountReceivingId(), payment.GetCompanyReceivingId(), names))});
}

int32_t CompanyFinance::NewPaymentReceiver(int32_t rowId, bool rowSelected, int32_t companyId) {
  if (!rowSelected) return 0;
  return IsFixedRow(rowId) ? companyId : rowId;
}

PaymentNames StoredPaymentNames() {
  PaymentNames names;
  names.companyName = [](int32_t id) {
    const auto company = LoadStored<Invoice::Company>(id);
    return company ? company->GetName() : std::wstring();
  };
  names.accountName = [](int32_t id) {
    const auto account = LoadStored<Invoice::Account>(id);
    return account ? account->GetName() : std::wstring();
  };
  names.accountCompany = [](int32_t id) {
    const auto account = LoadStored<Invoice::Account>(id);
    return account ? account->GetCompanyId() : 0;
  };
  names.invoiceNumber = [](int32_t id) {
    const auto invoice = LoadStored<Invoice::Invoice>(id);
    return invoice ? invoice->GetInvoiceNum() : std::wstring();
  };
  return names;
}
