#pragma once

// The window shared by the stock input and stock output dialogs: an item
// field with its "..." button, a type list, the quantity with its unit list,
// the computed pieces, price, discount, tax and the computed total, and OK
// and Cancel. The controls are created in code from the dialog's layout
// table (its control ids, texts and places); every decision is the
// StockLineLogic's, and this class only moves values between it and the
// controls. Pieces and total follow every change of the quantity, unit,
// price, discount or tax.
//
// Tests drive it without showing it: OnInitDialog, set the controls, OnOK.

#include <cstdint>
#include <memory>
#include <vector>

#include "forms/items/StockLineLogic.h"
#include "common/ui/BaseDialog.h"

class CBaseEdit;
class wxButton;
class wxChoice;
class wxTextCtrl;

// Control ids, texts and places (dialog units) of one stock dialog.
struct StockLineDlgLayout {
  struct Field {
    int labelId;
    const wchar_t* label;
    int id;
  };
  uint32_t templateId;
  Field item;  // the read-only item name
  int itemButtonId;
  Field type;
  Field quantity;
  int unitListId;
  Field pieces;
  Field price;
  Field discount;
  Field tax;
  Field total;
};

class StockLineDlg : public BaseDialog {
public:
  ~StockLineDlg() override;

  // Picks the item of a new line and shows the line; false when there is no
  // item, and then the dialog is not shown. DoModal runs it first.
  bool OnInitDialog();
  int DoModal() override;
  // Checks the line (a refusal keeps the dialog open), records it in the
  // change set and ends with IDOK. A database failure keeps it open.
  void OnOK() override;
  // The "..." button.
  void ChooseAnotherItem();

  // The line's id after IDOK (a temporary negative one for a new line).
  int32_t GetObjectId() const { return m_logic->GetLineId(); }

  // Fields to the controls; an edit that has the focus keeps what is typed.
  bool TransferDataToWindow() override;
  // Controls to the fields, then pieces and total are computed again.
  bool TransferDataFromWindow() override;

  StockLineLogic& GetLogic() const { return *m_logic; }
  CBaseEdit* GetQuantityEdit() const { return m_quantity; }
  CBaseEdit* GetPiecesEdit() const { return m_pieces; }
  CBaseEdit* GetPriceEdit() const { return m_price; }
  CBaseEdit* GetDiscountEdit() const { return m_discount; }
  CBaseEdit* GetTaxEdit() const { return m_tax; }
  CBaseEdit* GetTotalEdit() const { return m_total; }
  wxTextCtrl* GetItemEdit() const { return m_itemName; }
  wxButton* GetItemButton() const { return m_itemButton; }
  wxChoice* GetTypeList() const { return m_typeList; }
  wxChoice* GetUnitList() const { return m_unitList; }

protected:
  // The logic is owned by the dialog.
  StockLineDlg(const StockLineDlgLayout& layout, std::unique_ptr<StockLineLogic> logic, wxWindow* parent);

private:
  void CreateControls(const StockLineDlgLayout& layout);
  // The type and unit lists from the logic's entries.
  void FillLists();
  void SelectCode(wxChoice* list, const std::vector<StockListEntry>& entries, int32_t code);
  void ShowAmount(CBaseEdit* edit, double value, bool evenWhileTyping);
  void OnFieldChanged();
  // The search dialog of the logic's request; 0 when cancelled.
  int32_t RunItemSearch(const ItemSearchRequest& request);

  std::unique_ptr<StockLineLogic> m_logic;
  std::vector<StockListEntry> m_types;
  std::vector<StockListEntry> m_units;
  wxTextCtrl* m_itemName = nullptr;
  wxButton* m_itemButton = nullptr;
  wxChoice* m_typeList = nullptr;
  CBaseEdit* m_quantity = nullptr;
  wxChoice* m_unitList = nullptr;
  CBaseEdit* m_pieces = nullptr;
  CBaseEdit* m_price = nullptr;
  CBaseEdit* m_discount = nullptr;
  CBaseEdit* m_tax = nullptr;
  CBaseEdit* m_total = nullptr;
  bool m_initialised = false;
};

// The item search dialog of the request, modal on the parent: the chosen
// item id, 0 when cancelled.
int32_t RunItemSearchDialog(const ItemSearchRequest& request, wxWindow* parent);
