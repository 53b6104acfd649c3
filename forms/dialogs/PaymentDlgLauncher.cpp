#include "forms/dialogs/PaymentDlgLauncher.h"

#include "forms/dialogs/DlgLauncher.h"
#include "forms/dialogs/PaymentDlg.h"

bool PaymentDlgLauncher::Run(ChangeSet& changeSet, wxWindow* parent) {
  PaymentDlg dialog(&changeSet, m_paymentId, m_amount, m_referenceId, m_payerId, m_receiverId, parent);
  if (dialog.DoModal() != platform::IDOK) return false;
  m_paymentId = dialog.GetPaymentId();
  m_paidOn = dialog.GetPaidOn();
  return true;
}

bool PaymentDlgLauncher::Delete(ChangeSet& changeSet, bool ask) const {
  return DeletePendingObject(changeSet, m_paymentId, ask);
}
