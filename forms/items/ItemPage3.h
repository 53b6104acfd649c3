#pragma once

// "Details": name, code, group, pieces in package, base unit, measurement,
// tax and default income type of the edited item or group. A choice that a
// group above decides shows that group's value greyed and is stored as 0
// (ItemDetails). The group is chosen in the group chooser.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "forms/items/ItemDetails.h"
#include "forms/items/ItemPage.h"

class CBaseEdit;
class wxButton;
class wxChoice;
class wxTextCtrl;

class ItemPage3 : public ItemPage {
public:
  enum ControlId : int {
    kTemplateId = 109,
    kName = 1013,
    kGroupName = 1014,
    kChooseGroup = 1015,
    kMeasurement = 1016,
    kTax = 1017,
    kNameLabel = 1018,
    kGroupLabel = 1019,
    kMeasurementLabel = 1020,
    kTaxLabel = 1021,
    kCode = 1045,
    kCodeLabel = 1046,
    kIncomeType = 1114,
    kIncomeTypeLabel = 1115,
    kPiecesLabel = 1116,
    kPieces = 1117,
    kBaseUnit = 1118,
    kBaseUnitLabel = 1119,
  };

  explicit ItemPage3(wxWindow* parent);

  // The fields from the frame's object, then the three choices.
  void LoadData() override;
  // Writes the fields into the frame's object and saves it; a new object's
  // id goes to the frame.
  bool SaveData(bool& reload) override;
  // The "..." button: the group chooser on the page's group.
  void OnChooseGroup();

  bool TransferDataToWindow() override;
  bool TransferDataFromWindow() override;

  const ItemDetailsFields& GetFields() const { return m_fields; }
  ItemDetailsFields& GetFields() { return m_fields; }
  wxTextCtrl* GetNameEdit() const { return m_name; }
  wxTextCtrl* GetCodeEdit() const { return m_code; }
  wxChoice* GetMeasurementList() const { return m_measurement; }
  wxChoice* GetTaxList() const { return m_tax; }
  wxChoice* GetIncomeTypeList() const { return m_incomeType; }

  // Test seam: while set, the group chooser asks this (the current group id
  // in; the chosen id out, -1 for cancel) instead of showing itself.
  using GroupChooser = std::function<int32_t(int32_t groupId)>;
  static void SetGroupChooserOverride(GroupChooser chooser);

private:
  struct ChoiceEntry {
    std::wstring text;
    int32_t data;
  };
  void FillChoices();
  void FillChoice(wxChoice* list, std::vector<int32_t>& data, const std::vector<ChoiceEntry>& entries,
                  const InheritedChoice& choice);
  void OnEdited();

  ItemDetailsFields m_fields;
  wxTextCtrl* m_name;
  wxTextCtrl* m_groupName;
  wxTextCtrl* m_code;
  CBaseEdit* m_pieces;
  CBaseEdit* m_baseUnit;
  wxChoice* m_measurement;
  wxChoice* m_tax;
  wxChoice* m_incomeType;
  std::vector<int32_t> m_measurementData, m_taxData, m_incomeTypeData;
  bool m_loading = false;
};
