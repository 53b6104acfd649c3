#pragma once

// What the stock input and stock output dialogs share, without a window: the
// numbers of one stock line (price, quantity, pieces, discount, tax, total),
// the unit in which the quantity is typed, the choice of the line's item and
// the arithmetic that keeps pieces and total current while the user types.
// ItemInputLogic and ItemOutputLogic add their type lists, their defaults and
// what OK records in the caller's change set. Nothing here writes to the
// database: the caller applies the change set.
//
// Quantities: a line stores pieces (QUANTITY); the user may type the quantity
// in the item's measurement instead, and pieces = quantity / base unit.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "data/ChangeSet.h"

class wxWindow;

namespace Invoice {
class Item;
}

// Unit codes of the quantity list.
inline constexpr int32_t kUnitPieces = 0;
inline constexpr int32_t kUnitMeasurement = 1;

// One entry of a drop-down list: its text and the code it stands for.
struct StockListEntry {
  std::wstring text;
  int32_t code = 0;

  bool operator==(const StockListEntry&) const = default;
};

// What the item search is asked for: its mode (2 items for incomes, 3 items
// for outcomes), the item ids it offers (empty: a search over all items) and
// the price list whose prices it shows (0 none).
struct ItemSearchRequest {
  int mode = 0;
  std::vector<int32_t> presetIds;
  int32_t priceGroupId = 0;
};
// Runs the item search; the chosen item id, 0 when cancelled.
using ItemSearch = std::function<int32_t(const ItemSearchRequest&)>;

class StockLineLogic {
public:
  virtual ~StockLineLogic();
  StockLineLogic(const StockLineLogic&) = delete;
  StockLineLogic& operator=(const StockLineLogic&) = delete;

  // The window that owns the messages about the user's choices (null: none).
  void SetOwner(wxWindow* owner) { m_owner = owner; }

  // Opening. A new line first gets its item: the one preset id, else the
  // search's choice (a refused item counts as none). False when there is no
  // item: the dialog then ends as cancelled. Then Load.
  bool Open(const ItemSearch& search);
  // The "..." button: a search over all items. A chosen item replaces the
  // current one and the line is loaded again with its defaults; a cancelled
  // search or a refused item keeps the item and what the user typed.
  // Returns true when the item changed.
  bool ChooseAnotherItem(const ItemSearch& search);
  // Starts from the line (editing) or from the item's defaults (a new line),
  // sets up the unit list by QUANTITY_METHOD and recalculates. A database
  // failure is shown and the values read so far stay.
  void Load();
  // Pieces from the quantity in the selected unit, then the total: pieces x
  // price, less the discount, plus the tax on the discounted amount, as the
  // line shows it in an invoice (each amount to the cent).
  void Recalculate();

  // What OK refuses, checked in order; empty when the line may be recorded.
  virtual std::wstring Validate() const { return {}; }
  // Records the line in the change set (when there is one) and takes its
  // object id, a temporary negative one for a new line. Throws
  // Invoice::DbException.
  virtual void Save() = 0;

  // The caption for a new or an edited line.
  virtual std::wstring GetCaption() const = 0;
  // The type list: its entries in order, the selected code (none selected
  // when no entry has it) and whether the user may change it.
  virtual std::vector<StockListEntry> GetTypes() const = 0;
  int32_t GetType() const { return m_type; }
  void SetType(int32_t type) { m_type = type; }
  virtual bool IsTypeListEnabled() const = 0;

  // The unit list: "Pieces", and the item's measurement when it has one.
  virtual std::vector<StockListEntry> GetUnits() const;
  int32_t GetUnit() const { return m_unit; }
  void SetUnit(int32_t unit) { m_unit = unit; }

  bool IsEditing() const { return m_lineId != 0; }
  bool CanChooseItem() const { return m_canChooseItem; }
  // The line's object id: the edited line's, or after Save the id the change
  // set gave it; 0 for a new line before Save.
  int32_t GetLineId() const { return m_lineId; }
  int32_t GetItemId() const { return m_itemId; }
  const std::wstring& GetItemName() const { return m_itemName; }
  // SHORTCUT of the measurement stored with the line; whether the item has an
  // effective measurement, and its NAME, which the unit list shows.
  const std::wstring& GetMeasurementText() const { return m_measurementText; }
  bool HasMeasurement() const { return m_hasMeasurement; }
  const std::wstring& GetMeasurementName() const { return m_measurementName; }
  double GetBaseUnit() const { return m_baseUnit; }
  int GetQuantityMethod() const { return m_quantityMethod; }

  double GetPrice() const { return m_price; }
  double GetQuantity() const { return m_quantity; }
  double GetPieces() const { return m_pieces; }
  double GetTaxPercent() const { return m_taxPercent; }
  double GetDiscountPercent() const { return m_discountPercent; }
  double GetTotal() const { return m_total; }
  void SetPrice(double price) { m_price = price; }
  void SetQuantity(double quantity) { m_quantity = quantity; }
  void SetTaxPercent(double percent) { m_taxPercent = percent; }
  void SetDiscountPercent(double percent) { m_discountPercent = percent; }

  // A number as an edit field reads back: a text that still shows the
  // current number (as FormatAmount writes it) keeps the exact number, so
  // that an untouched 0.125 is not rounded to 0.13; any other text is parsed.
  static double ReadAmount(const std::wstring& text, double current);

protected:
  StockLineLogic(ChangeSet* changeSet, int32_t lineId, const std::vector<long>* presetIds);

  // The edited line: its values into the fields. Throws Invoice::DbException.
  virtual void LoadLine() = 0;
  // A new line: the defaults of the loaded item into the fields (name, base
  // unit, tax and measurement are already there). Throws Invoice::DbException.
  virtual void LoadNewLine(const Invoice::Item& item) = 0;
  // The search for a new line's item (presets empty: over all items).
  virtual ItemSearchRequest SearchRequest(const std::vector<int32_t>& presets) const = 0;
  // The message refusing a chosen item; empty when it is taken. Throws
  // Invoice::DbException.
  virtual std::wstring RefusalOf(int32_t itemId) const { return {}; }

  // The line as the change set holds it (a copy), else as stored.
  template <class Line>
  Line FindLine() const {
    if (m_changeSet)
      if (const auto* pending = dynamic_cast<const Line*>(m_changeSet->Find(m_lineId))) return *pending;
    return Line(m_lineId);
  }
  // The fields of a loaded line; the item gives name and measurement.
  template <class Line>
  void TakeLine(const Line& line) {
    m_itemId = line.GetItemId();
    m_price = line.GetBasePrice();
    m_taxPercent = line.GetTaxPercent();
    m_discountPercent = line.GetDiscountPercent();
    m_measurementText = line.GetMeasurement();
    m_baseUnit = line.GetBaseUnit();
    m_pieces = line.GetQuantity();
    LoadItem();
  }
  // The fields into the line (the quantity stored is the pieces), then the
  // line into the change set.
  template <class Line>
  void PutLine(Line& line) {
    line.SetItemId(m_itemId);
    line.SetBasePrice(m_price);
    line.SetQuantity(m_pieces);
    line.SetTaxPercent(m_taxPercent);
    line.SetDiscountPercent(m_discountPercent);
    line.SetMeasurement(m_measurementText);
    line.SetBaseUnit(m_baseUnit);
  }
  void Record(Invoice::Object& line);

  ChangeSet* m_changeSet;
  int32_t m_lineId;
  std::vector<int32_t> m_presetIds;
  bool m_canChooseItem;
  wxWindow* m_owner = nullptr;

  int32_t m_itemId = 0;
  int32_t m_type = 0;
  int32_t m_unit = kUnitPieces;
  int m_quantityMethod = 0;
  std::wstring m_itemName;
  std::wstring m_measurementText;
  std::wstring m_measurementName;
  bool m_hasMeasurement = false;
  double m_baseUnit = 0.0;
  double m_price = 0.0;
  double m_quantity = 0.0;
  double m_pieces = 0.0;
  double m_taxPercent = 0.0;
  double m_discountPercent = 0.0;
  double m_total = 0.0;

private:
  int32_t PickItem(const ItemSearch& search, const std::vector<int32_t>& presets);
  void LoadFromItem();
  // The item's name and its effective measurement, from the item loaded by id.
  void LoadItem();
  void TakeItem(const Invoice::Item& item);
  // The unit's divisor: the base unit for the measurement (unless it is 0), else 1.
  double Divisor() const;
};
