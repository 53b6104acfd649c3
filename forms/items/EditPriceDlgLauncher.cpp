#include "forms/items/EditPriceDlgLauncher.h"

#include "forms/items/EditPriceDlg.h"
#include "platform/MessageBox.h"

bool EditPriceDlgLauncher::Run(ChangeSet& changeSet, wxWindow* parent) {
  EditPriceDlg dialog(&changeSet, m_value, m_prices, parent);
  return dialog.DoModal() == platform::IDOK;
}
