#pragma once

// What the change-price dialog does to a list of item prices: set them to a
// value, raise or lower them by a value or by a percentage of each price.
// The chosen way is kept per user ("DefEditPriceOption") and offered again
// the next time.

#include <cstdint>
#include <vector>

#include "data/ChangeSet.h"
#include "data/objects/PriceList.h"

class EditPriceLogic {
public:
  // The ways, as stored and as the radio buttons are numbered.
  enum Mode : int32_t {
    kEqual = 0,         // price = value
    kGrow = 1,          // price + value
    kLower = 2,         // price - value (no lower limit)
    kGrowPercent = 3,   // price + price x 0.01 x value
    kLowerPercent = 4,  // price - price x 0.01 x value
  };

  // The rows (not null) and the change set (may be null) are the caller's.
  // The mode starts as the stored one.
  EditPriceLogic(ChangeSet* changeSet, double value, std::vector<Invoice::PriceList>* prices);

  static double NewPrice(int32_t mode, double oldPrice, double value);
  // The stored way; a missing value, or one outside 1..4, gives kEqual.
  static int32_t LoadStoredMode();

  int32_t GetMode() const { return m_mode; }
  void SetMode(int32_t mode) { m_mode = mode; }
  double GetValue() const { return m_value; }
  void SetValue(double value) { m_value = value; }

  // Gives every row its new price and records the rows in the change set, as
  // one step, then stores the way. Throws Invoice::DbException; then neither
  // the rows nor the change set have changed, so running it again changes
  // each price once.
  void Apply();

private:
  ChangeSet* m_changeSet;
  double m_value;
  std::vector<Invoice::PriceList>* m_prices;
  int32_t m_mode;
};
