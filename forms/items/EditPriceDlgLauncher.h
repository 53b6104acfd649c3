#pragma once

// Opens the change-price dialog (EditPriceDlg) on the caller's change set and
// price rows. See DlgLauncher for what a launcher does and does not do.
//
//   std::vector<Invoice::PriceList> rows = ...;  // the selected prices
//   EditPriceDlgLauncher launcher(startValue, &rows);
//   if (launcher.Run(changeSet, this)) Refill();

#include <vector>

#include "data/ChangeSet.h"
#include "data/objects/PriceList.h"

class wxWindow;

class EditPriceDlgLauncher {
public:
  // The rows are the caller's and must outlive the launcher's runs.
  EditPriceDlgLauncher(double value, std::vector<Invoice::PriceList>* prices) : m_value(value), m_prices(prices) {}

  // True after OK: every row has its new price and is recorded in the change set.
  bool Run(ChangeSet& changeSet, wxWindow* parent);

  double GetValue() const { return m_value; }
  std::vector<Invoice::PriceList>* GetPrices() const { return m_prices; }

private:
  double m_value;
  std::vector<Invoice::PriceList>* m_prices;
};
