#pragma once

// The "Main" page of the options dialog: own company, next invoice numbers,
// default price lists, quantity method and default template. It moves the
// values between OptionsValues and its controls.

#include <wx/panel.h>

#include "forms/dialogs/OptionsValues.h"

class CBaseEdit;
class wxChoice;
class wxTextCtrl;

// What the empty "My Company Name" box says.
inline constexpr wchar_t kNoMyCompanyHint[] = L"None yet: choose with \"...\"";
// The whole advice, as the tooltip of the box and its button: the hint must
// fit the narrow box.
inline constexpr wchar_t kNoMyCompanyAdvice[] = L"Add your company as a Client, then choose it here with \"...\"";

class OptionsPage1 : public wxPanel {
public:
  enum ControlId : int {
    kNextInvoiceNum = 1145,
    kNextInvoiceNumLabel = 1146,
    kIncomePriceListLabel = 1147,
    kOutcomePriceListLabel = 1148,
    kIncomePriceList = 1149,
    kOutcomePriceList = 1150,
    kQuantityMethod = 1151,
    kQuantityMethodLabel = 1152,
    kDefaultTemplate = 1185,
    kMyCompanyButton = 1257,
    kMyCompanyLabel = 1258,
    kMyCompanyName = 1259,
    kNextIncomeInvoiceNum = 1260,
    kNextIncomeInvoiceNumLabel = 1261,
  };

  explicit OptionsPage1(wxWindow* parent);

  // Label texts and the options; a failure is shown and the page keeps what
  // was read.
  bool OnInitDialog();
  // The "..." button: the own company through the clients search.
  void OnChooseMyCompany();

  bool TransferDataToWindow() override;
  bool TransferDataFromWindow() override;

  OptionsValues& GetValues() { return m_values; }

private:
  OptionsValues m_values;
  wxTextCtrl* m_myCompanyName = nullptr;
  CBaseEdit* m_nextInvoiceNum = nullptr;
  CBaseEdit* m_nextIncomeInvoiceNum = nullptr;
  wxChoice* m_incomePriceLists = nullptr;
  wxChoice* m_outcomePriceLists = nullptr;
  wxChoice* m_quantityMethods = nullptr;
  wxChoice* m_templates = nullptr;
};
