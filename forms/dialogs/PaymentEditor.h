#pragma once

// The decisions of the payment dialog, without a window: what it starts from,
// how payer, receiver and reference read, and what OK records in the
// caller's change set. The dialog never writes to the database.

#include <cstdint>
#include <string>

#include "data/ChangeSet.h"
#include "data/objects/Payment.h"
#include "platform/OleDateTime.h"

class PaymentEditor {
public:
  enum class Side { Payer, Receiver };
  enum class PartyKind { Client, Account };

  // The presets of a new payment; an existing payment's values replace them
  // in Load. The change set (not owned) receives the payment on Save.
  PaymentEditor(ChangeSet* changeSet, int32_t paymentId, double amount, int32_t referenceId, int32_t payerId,
                int32_t receiverId);

  // Starts from the payment: the copy pending in the change set when it
  // holds one, else the stored row; then reads the reference invoice (whose
  // client and issuing company fill a missing payer and receiver) and the
  // party texts. Throws Invoice::DbException; what was read before stays.
  void Load();

  // A party chosen in the search dialog: its id and "Client: name" or
  // "Account: name". Throws Invoice::DbException.
  void ChooseParty(Side side, PartyKind kind, int32_t id);
  void ClearParty(Side side);

  // Puts the values into the payment and records it in the change set; the
  // payment id becomes its object id (a temporary one for a new payment).
  // A party id that names neither a stored company nor a stored account
  // leaves that side of the payment as it was. Throws Invoice::DbException.
  void Save();

  // "%s: %s" of the kind's word and the name.
  static std::wstring PartyText(PartyKind kind, const std::wstring& name);
  // The text of a party id: a stored company first, then a stored account;
  // empty when the id names neither. Throws Invoice::DbException.
  static std::wstring DescribeParty(int32_t id);

  int32_t GetPaymentId() const { return m_paymentId; }
  int32_t GetReferenceId() const { return m_referenceId; }
  int32_t GetPartyId(Side side) const { return side == Side::Payer ? m_payerId : m_receiverId; }
  const std::wstring& GetPartyText(Side side) const {
    return side == Side::Payer ? m_payerText : m_receiverText;
  }
  const std::wstring& GetReferenceText() const { return m_referenceText; }

  double GetAmount() const { return m_amount; }
  void SetAmount(double amount) { m_amount = amount; }
  const std::wstring& GetDescription() const { return m_description; }
  void SetDescription(const std::wstring& description) { m_description = description; }
  const platform::OleDateTime& GetDate() const { return m_date; }
  void SetDate(const platform::OleDateTime& date) { m_date = date; }

  const Invoice::Payment& GetPayment() const { return m_payment; }

private:
  void LoadPayment();
  void SetPartyIds(Side side);

  ChangeSet* m_changeSet;
  int32_t m_paymentId;
  int32_t m_referenceId;
  int32_t m_payerId;
  int32_t m_receiverId;
  double m_amount;
  std::wstring m_description;
  std::wstring m_referenceText;
  std::wstring m_payerText;
  std::wstring m_receiverText;
  platform::OleDateTime m_date;
  Invoice::Payment m_payment;
};
