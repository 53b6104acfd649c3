#pragma once

// One invoice (INVOICES): an outcome invoice (INVOICE_TYPE 0) whose lines are
// issue lines, or an income invoice (1) whose lines are receipt lines, tied
// to it by INVOICE_OBJECT_ID. Dates are handed out as OLE dates.

#include <string>
#include <utility>
#include <vector>

#include "data/objects/AsReadObject.h"

namespace Invoice {

class ItemInput;
class ItemOutput;

class Invoice : public AsReadObject<Invoice, InvoiceRecord, &DataAccess::LoadInvoice,
                                    &DataAccess::SaveInvoice, &DataAccess::DeleteInvoice> {
public:
  using AsReadObject::AsReadObject;

  // What the save checks is stored as read (see AsReadObject).
  static constexpr wchar_t kStaleWhat[] = L"this invoice";
  static bool SameStoredValues(const InvoiceRecord& a, const InvoiceRecord& b);

  // Deletes every line of the invoice through its own rule (issue lines give
  // their quantity back, receipt lines take theirs off and remove the issues
  // they caused), then the invoice row and its OBJECTS row.
  void Delete() override;

  std::wstring GetInvoiceNum() const { return m_record.invoiceNum; }
  int GetInvoiceType() const { return m_record.invoiceType; }  // 1 income, else outcome
  bool IsIncome() const { return m_record.invoiceType == 1; }
  int GetCompanyId() const { return m_record.companyObjectId; }          // the client
  int GetCompanyIdFrom() const { return m_record.companyObjectIdFrom; }  // the issuing company
  double GetDate() const;                                                // DATUM; -1.0 when not a date
  int GetDaysCondition() const { return m_record.daysCondition; }        // days to pay
  double GetTotalAmount() const { return m_record.totalAmount; }
  double GetTaxAmount() const { return m_record.taxAmount; }
  bool IsPaid() const { return m_record.paid; }
  double GetPaidOn() const;  // -1.0 when not a date
  bool IsLockedForEdit() const { return m_record.lockedForEdit; }
  int GetTemplateId() const { return m_record.templateObjectId; }  // 0 = the default template
  double GetDiscountPercent() const { return m_record.discountPercent; }
  double GetDiscountAmount() const { return m_record.discountAmount; }
  std::wstring GetDisplayBox() const { return m_record.displayBox; }  // the client's address block
  std::wstring GetDisplayBoxFrom() const { return m_record.displayBoxFrom; }
  int GetAddressId() const { return m_record.addressObjectId; }
  int GetAddressIdFrom() const { return m_record.addressObjectIdFrom; }

  void SetInvoiceNum(const std::wstring& number) { Set(m_record.invoiceNum, number); }
  void SetInvoiceType(int type) { Set(m_record.invoiceType, static_cast<int16_t>(type)); }
  void SetCompanyId(int companyId) { Set(m_record.companyObjectId, companyId); }
  void SetCompanyIdFrom(int companyId) { Set(m_record.companyObjectIdFrom, companyId); }
  void SetDate(double oleDate);
  void SetDaysCondition(int days) { Set(m_record.daysCondition, days); }
  void SetTotalAmount(double amount) { Set(m_record.totalAmount, amount); }
  void SetTaxAmount(double amount) { Set(m_record.taxAmount, amount); }
  void SetPaid(bool paid) { Set(m_record.paid, paid); }
  void SetPaidOn(double oleDate);
  void SetLockedForEdit(bool locked) { Set(m_record.lockedForEdit, locked); }
  void SetTemplateId(int templateId) { Set(m_record.templateObjectId, templateId); }
  void SetDiscountPercent(double percent) { Set(m_record.discountPercent, percent); }
  void SetDiscountAmount(double amount) { Set(m_record.discountAmount, amount); }
  void SetDisplayBox(const std::wstring& text) { Set(m_record.displayBox, text); }
  void SetDisplayBoxFrom(const std::wstring& text) { Set(m_record.displayBoxFrom, text); }
  void SetAddressId(int addressId) { Set(m_record.addressObjectId, addressId); }
  void SetAddressIdFrom(int addressId) { Set(m_record.addressObjectIdFrom, addressId); }

  // What the payments that refer to the invoice come to.
  double GetPaidAmount() const;
  // What is still owed: the total less the payments, to the cent; 0.0 once
  // the payments reach the total.
  double GetAmountOwed() const;
  // Whether the payments have reached the total.
  bool IsSettledByPayments() const { return GetAmountOwed() == 0.0; }
  // PAID and PAID_ON as the payments have them: paid, on the date of the
  // payment that brought them to the total, once they reach it; unpaid and
  // without a date while they fall short. Sets only what differs; the
  // caller saves.
  void SetPaidByPayments();

  // The invoice's issue / receipt lines, in OBJECT_ID order.
  void GetItemOutputs(std::vector<ItemOutput>& outputs) const;
  void GetItemInputs(std::vector<ItemInput>& inputs) const;
};

// The paid state of the invoice of the id set by its payments
// (SetPaidByPayments) and saved; an id that names no invoice is left alone.
// Every save that adds, changes, moves or deletes a payment runs it for each
// invoice involved, in the unit of work of that save.
void UpdatePaidState(int invoiceId);

// Invoices dated between the OLE dates (-1.0 leaves a bound open), of one
// company (0 = any), paid and/or unpaid (both or neither = any); newest first.
void GetInvoices(std::vector<Invoice>& invoices, double from, double to, int companyId, bool paid,
                 bool unpaid);
// The years that hold an invoice, latest first.
void GetInvoiceYears(std::vector<int>& years);
// {month 1-12, number of invoices} for the twelve months of the year.
void CountInvoicesPerMonth(int year, std::vector<std::pair<int, int>>& counts);

}  // namespace Invoice
