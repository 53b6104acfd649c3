#include "forms/dialogs/PaymentEditor.h"

#include <optional>

#include "data/DataAccess.h"
#include "data/objects/Account.h"
#include "data/objects/Company.h"
#include "data/objects/Invoice.h"

namespace {

// The name of the company (account) of that id; nullopt when there is none.
// Read from the class table alone: an id whose OBJECTS row is gone names
// nothing, which is no failure here.
std::optional<std::wstring> CompanyName(int32_t id) {
  CompanyRecord record;
  DataAccess::Instance().LoadCompany(id, record);
  if (record.id.GetId() == 0) return std::nullopt;
  return record.name;
}

std::optional<std::wstring> AccountName(int32_t id) {
  AccountRecord record;
  DataAccess::Instance().LoadAccount(id, record);
  if (record.id.GetId() == 0) return std::nullopt;
  return record.name;
}

}  // namespace

PaymentEditor::PaymentEditor(ChangeSet* changeSet, int32_t paymentId, double amount, int32_t referenceId,
                             int32_t payerId, int32_t receiverId)
    : m_changeSet(changeSet),
      m_paymentId(paymentId),
      m_referenceId(referenceId),
      m_payerId(payerId),
      m_receiverId(receiverId),
      m_amount(amount),
      m_date(platform::OleDateTime::Now()) {}

std::wstring PaymentEditor::PartyText(PartyKind kind, const std::wstring& name) {
  return std::wstring(kind == PartyKind::Client ? L"Client" : L"Account") + L": " + name;
}

std::wstring PaymentEditor::DescribeParty(int32_t id) {
  if (id == 0) return {};
  if (auto name = CompanyName(id)) return PartyText(PartyKind::Client, *name);
  if (auto name = AccountName(id)) return PartyText(PartyKind::Account, *name);
  return {};
}

void PaymentEditor::LoadPayment() {
  // A payment edited earlier in the same change set (a new one has a
  // temporary id and no row yet) continues from that pending copy.
  const auto* pending =
      m_changeSet ? dynamic_cast<const Invoice::Payment*>(m_changeSet->Find(m_paymentId)) : nullptr;
  m_payment = pending ? *pending : Invoice::Payment(m_paymentId);
  m_referenceId = m_payment.GetReferenceObjectId();
  m_payerId =
      m_payment.GetAccountPayingId() != 0 ? m_payment.GetAccountPayingId() : m_payment.GetCompanyPayingId();
  m_receiverId = m_payment.GetAccountReceivingId() != 0 ? m_payment.GetAccountReceivingId()
                                                        : m_payment.GetCompanyReceivingId();
  m_description = m_payment.GetDescription();
  m_amount = m_payment.GetAmount();
  m_date = platform::OleDateTime(m_payment.GetPaidOn());
}

void PaymentEditor::Load() {
  if (m_paymentId != 0) LoadPayment();
  if (m_referenceId != 0) {
    const Invoice::Invoice invoice(m_referenceId);
    if (invoice.IsStored()) {
      m_referenceText = L"Invoice: " + invoice.GetInvoiceNum();
      if (m_payerId == 0) m_payerId = invoice.GetCompanyId();
      if (m_receiverId == 0) m_receiverId = invoice.GetCompanyIdFrom();
    }
  }
  m_payerText = DescribeParty(m_payerId);
  m_receiverText = DescribeParty(m_receiverId);
}

void PaymentEditor::ChooseParty(Side side, PartyKind kind, int32_t id) {
  const std::optional<std::wstring> name = kind == PartyKind::Client ? CompanyName(id) : AccountName(id);
  (side == Side::Payer ? m_payerId : m_receiverId) = id;
  (side == Side::Payer ? m_payerText : m_receiverText) = PartyText(kind, name.value_or(std::wstring()));
}

void PaymentEditor::ClearParty(Side side) {
  (side == Side::Payer ? m_payerId : m_receiverId) = 0;
  (side == Side::Payer ? m_payerText : m_receiverText).clear();
}

void PaymentEditor::SetPartyIds(Side side) {
  const bool payer = side == Side::Payer;
  const int32_t id = payer ? m_payerId : m_receiverId;
  auto setCompany = [&](int32_t value) {
    payer ? m_payment.SetCompanyPayingId(value) : m_payment.SetCompanyReceivingId(value);
  };
  auto setAccount = [&](int32_t value) {
    payer ? m_payment.SetAccountPayingId(value) : m_payment.SetAccountReceivingId(value);
  };
  if (id == 0) {
    setCompany(0);
    setAccount(0);
  } else if (CompanyName(id)) {
    setAccount(0);
    setCompany(id);
  } else if (AccountName(id)) {
    setAccount(id);
    setCompany(0);
  }
}

void PaymentEditor::Save() {
  m_payment.SetAmount(m_amount);
  m_payment.SetDescription(m_description);
  m_payment.SetReferenceObjectId(m_referenceId);
  m_payment.SetPaidOn(m_date.GetDate());
  SetPartyIds(Side::Payer);
  SetPartyIds(Side::Receiver);
  if (m_changeSet) m_changeSet->Update(m_payment);
  m_paymentId = m_payment.GetObjectId();
}
