#include "forms/items/StockLineLogic.h"

#include "data/DbException.h"
#include "data/Settings.h"
#include "data/objects/Item.h"
#include "data/objects/Measurement.h"
#include "data/objects/Tax.h"
#include "forms/dialogs/DialogMessages.h"
#include "forms/invoice/InvoiceLines.h"
#include "platform/MessageBox.h"
#include "common/ui/AmountFormat.h"
#include "shell/ui/BaseSaveFrame.h"

StockLineLogic::StockLineLogic(ChangeSet* changeSet, int32_t lineId, const std::vector<long>* presetIds)
    : m_changeSet(changeSet), m_lineId(lineId) {
  if (presetIds) m_presetIds.assign(presetIds->begin(), presetIds->end());
  m_canChooseItem = lineId == 0 && m_presetIds.size() != 1;
}

StockLineLogic::~StockLineLogic() = default;

bool StockLineLogic::Open(const ItemSearch& search) {
  if (!IsEditing()) {
    m_itemId = PickItem(search, m_presetIds);
    if (m_itemId == 0) return false;
  }
  Load();
  return true;
}

bool StockLineLogic::ChooseAnotherItem(const ItemSearch& search) {
  if (!m_canChooseItem) return false;
  const int32_t chosen = PickItem(search, {});
  if (chosen == 0) return false;
  m_itemId = chosen;
  Load();
  return true;
}

int32_t StockLineLogic::PickItem(const ItemSearch& search, const std::vector<int32_t>& presets) {
  // The one preset item is refused as a searched one is: a line it cannot
  // take would only be refused when the caller saves, with every other edit.
  const int32_t chosen = presets.size() == 1 ? presets.front() : search ? search(SearchRequest(presets)) : 0;
  if (chosen == 0) return 0;
  try {
    const std::wstring refusal = RefusalOf(chosen);
    if (refusal.empty()) return chosen;
    platform::ShowMessageBox(refusal, kAppCaption, platform::MB_ICONINFORMATION, m_owner);
  } catch (const Invoice::DbException& error) {
    dialogs::ShowDbError(error, m_owner);
  }
  return 0;
}

void StockLineLogic::Load() {
  m_itemName.clear();
  m_measurementText.clear();
  m_measurementName.clear();
  m_hasMeasurement = false;
  m_baseUnit = m_price = m_quantity = m_pieces = m_taxPercent = m_discountPercent = m_total = 0.0;
  try {
    if (IsEditing())
      LoadLine();
    else
      LoadFromItem();
  } catch (const Invoice::DbException& error) {
    dialogs::ShowDbError(error, m_owner);
  }
  // Any method but pieces means the measurement, both for the selection and
  // for the factor, so the quantity shown is always read back in its unit.
  m_quantityMethod = ::GetQuantityMethod();
  m_unit = m_hasMeasurement && m_quantityMethod != 0 ? kUnitMeasurement : kUnitPieces;
  m_quantity = m_pieces * Divisor();
  Recalculate();
}

void StockLineLogic::LoadFromItem() {
  const Invoice::Item item(m_itemId);
  TakeItem(item);
  m_baseUnit = item.GetBaseUnit();
  if (const int taxId = item.GetEffectiveTaxId()) m_taxPercent = Invoice::Tax(taxId).GetPercent();
  LoadNewLine(item);
}

void StockLineLogic::LoadItem() {
  TakeItem(Invoice::Item(m_itemId));
}

void StockLineLogic::TakeItem(const Invoice::Item& item) {
  m_itemName = item.GetName();
  if (const int measurementId = item.GetEffectiveMeasurementId()) {
    const Invoice::Measurement measurement(measurementId);
    m_hasMeasurement = true;
    m_measurementName = measurement.GetName();
    // A loaded line keeps the shortcut it was stored with.
    if (!IsEditing()) m_measurementText = measurement.GetShortcut();
  }
}

double StockLineLogic::Divisor() const {
  return m_unit == kUnitMeasurement && m_baseUnit != 0.0 ? m_baseUnit : 1.0;
}

void StockLineLogic::Recalculate() {
  m_pieces = m_quantity / Divisor();
  // The total the line shows in the invoice and the item's lists: the tax is
  // taken on the discounted amount, each amount to the cent.
  m_total = InvoiceLineValues::Compute(m_price, m_pieces, m_discountPercent, m_taxPercent).total;
}

std::vector<StockListEntry> StockLineLogic::GetUnits() const {
  std::vector<StockListEntry> units{{L"Pieces", kUnitPieces}};
  if (m_hasMeasurement) units.push_back({m_measurementName, kUnitMeasurement});
  return units;
}

void StockLineLogic::Record(Invoice::Object& line) {
  if (m_changeSet) m_changeSet->Update(line);
  m_lineId = line.GetObjectId();
}

double StockLineLogic::ReadAmount(const std::wstring& text, double current) {
  return text == FormatAmount(current) ? current : ParseAmount(text);
}
