#include "forms/items/EditPriceLogic.h"

#include "common/RegistryHelpers.h"
#include "shell/ui/InstallSettings.h"

namespace {

constexpr wchar_t kModeValue[] = L"DefEditPriceOption";

}  // namespace

EditPriceLogic::EditPriceLogic(ChangeSet* changeSet, double value, std::vector<Invoice::PriceList>* prices)
    : m_changeSet(changeSet), m_value(value), m_prices(prices), m_mode(LoadStoredMode()) {}

double EditPriceLogic::NewPrice(int32_t mode, double oldPrice, double value) {
  switch (mode) {
    case kGrow:
      return oldPrice + value;
    case kLower:
      return oldPrice - value;
    case kGrowPercent:
      return oldPrice + oldPrice * 0.01 * value;
    case kLowerPercent:
      return oldPrice - oldPrice * 0.01 * value;
    default:
      return value;
  }
}

int32_t EditPriceLogic::LoadStoredMode() {
  uint32_t stored = 0;
  if (RegReadDword(kSettingsKey, kModeValue, &stored) != kRegSuccess) return kEqual;
  return stored >= kGrow && stored <= kLowerPercent ? static_cast<int32_t>(stored) : kEqual;
}

void EditPriceLogic::Apply() {
  // The new prices go on copies first; the caller's rows take them only
  // once the change set has recorded all of them.
  std::vector<Invoice::PriceList> changed(*m_prices);
  for (Invoice::PriceList& row : changed) row.SetPrice(NewPrice(m_mode, row.GetPrice(), m_value));
  if (m_changeSet) {
    std::vector<Invoice::Object*> objects;
    for (Invoice::PriceList& row : changed) objects.push_back(&row);
    m_changeSet->UpdateAll(objects);
  }
  *m_prices = std::move(changed);
  RegWriteDword(kSettingsKey, kModeValue, static_cast<uint32_t>(m_mode));
}
