#pragma once

// One payment (PAYMENTS) from a company or account to another, optionally
// referring to an invoice. PAID_ON is handed out as an OLE date.

#include <cstdint>
#include <string>
#include <vector>

#include "common/Value.h"
#include "data/objects/RecordObject.h"

namespace Invoice {

class Payment : public RecordObject<Payment, PaymentRecord, &DataAccess::LoadPayment,
                                    &DataAccess::SavePayment, &DataAccess::DeletePayment> {
public:
  using RecordObject::RecordObject;

  // Both keep the paid state of the invoices involved by their payments
  // (UpdatePaidState): the one the stored row refers to and the one this
  // payment refers to now.
  void Save() override;
  void Delete() override;

  std::wstring GetDescription() const { return m_record.description; }
  double GetAmount() const { return m_record.amount; }
  int GetCompanyPayingId() const { return m_record.companyPayingId; }
  int GetCompanyReceivingId() const { return m_record.companyRecievingId; }
  int GetAccountPayingId() const { return m_record.accountPayingId; }
  int GetAccountReceivingId() const { return m_record.accountRecievingId; }
  int GetReferenceObjectId() const { return m_record.referenceObjectId; }  // an invoice, 0 = none
  double GetPaidOn() const { return TmToOleDate(m_record.paidOn); }        // -1.0 when not a date

  void SetDescription(const std::wstring& value) { Set(m_record.description, value); }
  void SetAmount(double value) { Set(m_record.amount, value); }
  void SetCompanyPayingId(int value) { Set(m_record.companyPayingId, value); }
  void SetCompanyReceivingId(int value) { Set(m_record.companyRecievingId, value); }
  void SetAccountPayingId(int value) { Set(m_record.accountPayingId, value); }
  void SetAccountReceivingId(int value) { Set(m_record.accountRecievingId, value); }
  void SetReferenceObjectId(int value) { Set(m_record.referenceObjectId, value); }
  void SetPaidOn(double oleDate) { Set(m_record.paidOn, OleDateToTm(oleDate)); }
};

// The balance of a company or account over its payments: what it received
// (receiving field equal to id) minus what it paid (paying field equal to id).
double PaymentBalance(const std::vector<PaymentRecord>& payments, int id, int32_t PaymentRecord::*payingField,
                      int32_t PaymentRecord::*receivingField);

}  // namespace Invoice
