#include "shell/InvoiceListRows.h"

#include <cmath>
#include <utility>
#include <vector>

#include "common/Value.h"
#include "platform/LocaleFormat.h"
#include "platform/OleDateTime.h"

namespace {

double FirstOfMonth(int year, int month) {
  return platform::CivilToOleDate({year, month, 1}).value_or(-1.0);
}

}  // namespace

InvoicePeriod InvoicePeriod::For(int year, int month) {
  if (year == -1 || month == -1 || month < 0 || month > 12) return {};
  if (month == 0) return {FirstOfMonth(year, 1), FirstOfMonth(year + 1, 1)};
  if (month == 12) return {FirstOfMonth(year, 12), FirstOfMonth(year + 1, 1)};
  return {FirstOfMonth(year, month), FirstOfMonth(year, month + 1)};
}

double InvoicePeriod::LastSecond() const {
  return end == -1.0 ? -1.0 : end - 1.0 / 86400.0;
}

std::wstring InvoiceListRows::StatusText(bool paid, double paidOn, double datum, int32_t daysCondition,
                                         double now) {
  if (paid) {
    std::wstring date;
    if (auto civil = platform::OleDateToCivil(paidOn))
      date = platform::FormatShortDate(*civil).value_or(std::wstring());
    return L"Paid on " + date;
  }
  if (daysCondition == 0) return L"Not paid";
  // A fraction of a day either way still counts as today.
  const long days = static_cast<long>(std::trunc(datum + daysCondition - now));
  if (days == 0) return L"Due Today";
  if (days >= 1) return L"Due in " + std::to_wstring(days) + L" days";
  return L"Due " + std::to_wstring(-days) + L" days";
}

Value InvoiceListRows::DueDateCell(double datum, int32_t daysCondition) {
  if (daysCondition == 0) return Value(L"N/A");
  return Value(platform::OleDateTime(datum + daysCondition));
}

Value InvoiceListRows::Cell(const InvoiceListRecord& invoice, size_t column, const std::wstring& clientName,
                           double now) {
  switch (column) {
    case 0:
      return Value(invoice.invoiceNum);
    case 1:
      return Value(platform::OleDateTime(invoice.datum));
    case 2:
      return DueDateCell(invoice.datum, invoice.daysCondition);
    case 3:
      return Value(invoice.totalAmount);
    case 4:
      return Value(invoice.companyObjectId == 0 ? std::wstring() : clientName);
    case 5:
      return Value(StatusText(invoice.paid, invoice.paidOn, invoice.datum, invoice.daysCondition, now));
    default:
      return Value();
  }
}

InvoiceListRecord InvoiceListRows::ListRecordOf(const InvoiceRecord& invoice) {
  InvoiceListRecord record;
  record.id = invoice.id.GetId();
  record.companyObjectId = invoice.companyObjectId;
  record.daysCondition = invoice.daysCondition;
  record.paid = invoice.paid;
  record.datum = TmToOleDate(invoice.datum);
  record.paidOn = TmToOleDate(invoice.paidOn);
  record.totalAmount = invoice.totalAmount;
  record.invoiceNum = invoice.invoiceNum;
  return record;
}

ListRow InvoiceListRows::BuildRow(const InvoiceRecord& invoice, const std::wstring& clientName, double now) {
  const InvoiceListRecord record = ListRecordOf(invoice);
  std::vector<Value> cells;
  for (size_t column = 0; column < kColumnCount; ++column)
    cells.push_back(Cell(record, column, clientName, now));
  return ListRow(record.id, std::move(cells));
}
