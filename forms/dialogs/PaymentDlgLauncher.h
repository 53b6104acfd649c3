#pragma once

// Opens the payment dialog on the caller's change set, and deletes a payment
// there. See DlgLauncher for what a launcher does and does not do.
//
//   PaymentDlgLauncher launcher(invoice.GetTotalAmount(), invoice.GetId(), 0, 0);
//   if (launcher.Run(changeSet, this)) paidOn = launcher.GetPaidOn();

#include <cstdint>

#include "data/ChangeSet.h"

class wxWindow;

class PaymentDlgLauncher {
public:
  // An existing payment (a stored one, or one pending in the change set).
  explicit PaymentDlgLauncher(int32_t paymentId) : m_paymentId(paymentId) {}
  // A new payment with presets; payer and receiver are company or account
  // ids, 0 none.
  PaymentDlgLauncher(double amount, int32_t referenceId, int32_t payerId, int32_t receiverId)
      : m_amount(amount), m_referenceId(referenceId), m_payerId(payerId), m_receiverId(receiverId) {}

  // Runs the payment dialog. On OK the payment is in the change set, the
  // launcher holds its id (a temporary one for a new payment) and its date,
  // and the result is true; otherwise the launcher stays as it was.
  bool Run(ChangeSet& changeSet, wxWindow* parent);

  // Marks the payment deleted in the change set, asking first when ask is
  // true (see DeletePendingObject).
  bool Delete(ChangeSet& changeSet, bool ask) const;
  bool DeleteWithConfirm(ChangeSet& changeSet, bool ask) const { return Delete(changeSet, ask); }

  int32_t GetPaymentId() const { return m_paymentId; }
  double GetAmount() const { return m_amount; }
  int32_t GetReferenceId() const { return m_referenceId; }
  int32_t GetPayerId() const { return m_payerId; }
  int32_t GetReceiverId() const { return m_receiverId; }
  // The payment's date (an OLE date) after a run that ended with OK; 0.0 before.
  double GetPaidOn() const { return m_paidOn; }

private:
  int32_t m_paymentId = 0;
  double m_amount = 0.0;
  int32_t m_referenceId = 0;
  int32_t m_payerId = 0;
  int32_t m_receiverId = 0;
  double m_paidOn = 0.0;
};
