#pragma once

// The form of one invoice, outgoing (to a client) or incoming (from a
// supplier), in its InvoiceFrame: the parties with their address blocks, the
// number, the dates and payment, the allowed delay and template, the lines
// as stock movements edited through the stock dialogs, and the footer
// totals. It saves everything in one unit of work, and previews or prints
// what it shows.
//
// The decisions live in InvoiceHeaderFields, InvoiceLines, InvoiceTotals,
// InvoiceSaveSequence and InvoiceFieldMapBuilder; this window moves their
// values to and from its controls (TransferDataToWindow / FromWindow, the
// form's data exchange) and runs the commands.

#include <cstdint>
#include <string>

#include <wx/font.h>
#include <wx/panel.h>

#include "data/ChangeSet.h"
#include "forms/invoice/InvoiceHeaderFields.h"
#include "forms/invoice/InvoiceTotals.h"
#include "common/ui/AnchorLayout.h"
#include "common/ui/DialogUnits.h"
#include "common/ui/View.h"
#include "common/ui/popup_menu.h"

class CBaseEdit;
class FieldMap;
class InvoiceFrame;
class InvoiceLinesList;
class wxButton;
class wxCheckBox;
class wxChoice;
class wxCommandEvent;
class wxDatePickerCtrl;
class wxStaticText;
class wxTextCtrl;

class InvoiceForm : public wxPanel, public View, public DataExchanger {
public:
  // Control ids of the form (dialog template 115).
  enum ControlId : int {
    kTemplateId = 115,
    kToLabel = 1054,
    kToAddress = 1055,
    kLines = 1056,
    kChooseClient = 1059,
    kTitle = 1058,
    kDays = 1060,
    kDate = 1061,
    kWithoutTax = 1062,
    kTax = 1063,
    kTotal = 1064,
    kClientName = 1065,
    kDateLabel = 1066,
    kDaysLabel = 1067,
    kWithoutTaxLabel = 1068,
    kTaxLabel = 1069,
    kTotalLabel = 1070,
    kFrameTop = 1074,
    kPaid = 1132,
    kPaidDate = 1133,
    kDiscountPercentLabel = 1134,
    kDiscountPercent = 1135,
    kDiscountLabel = 1136,
    kDiscount = 1137,
    kTemplate = 1138,
    kTemplateLabel = 1139,
    kFromMyCompany = 1150,
    kToAddresses = 1169,
    kFromAddresses = 1185,
    kFrameBottom = 1250,
    kSupplierName = 1251,
    kChooseSupplier = 1252,
    kFromAddress = 1253,
    kFromLabel = 1254,
    kFrameRight = 1255,
    kToMyCompany = 1262,
  };

  // Commands of the invoice frame's menu and toolbar: the system's command
  // numbers (32795 "New" ... 32846 "Print") less 0x4000, as wx takes menu
  // ids below 0x7fff only.
  static constexpr int kCommandOffset = 0x4000;
  enum Command : int {
    ID_NEW_LINE = 32795 - kCommandOffset,
    ID_SAVE_INVOICE = 32798 - kCommandOffset,
    ID_LINE_PROPERTIES = 32820 - kCommandOffset,
    ID_DELETE_LINES = 32821 - kCommandOffset,
    ID_PREVIEW_INVOICE = 32829 - kCommandOffset,
    ID_CLOSE_INVOICE = 32838 - kCommandOffset,
    ID_PRINT_INVOICE = 32846 - kCommandOffset,
  };

  explicit InvoiceForm(wxWindow* frame);
  ~InvoiceForm() override;

  wxWindow* GetViewWindow() override { return this; }

  // Anchors, the controls' texts and columns, then the invoice.
  void OnInitialUpdate() override;
  // Fills the form from the frame's three values (invoice id, company id,
  // income flag); also after every save. Failures are shown.
  virtual void LoadInvoice();

  // The form's data exchange: save reads the dates and the footer texts back
  // (the amounts become what the footer shows); otherwise fills them.
  bool UpdateData(bool save) override { return ExchangeWindowData(this, save); }
  bool TransferDataToWindow() override;
  bool TransferDataFromWindow() override;

  // Rebuilds the grid from the database (when loading) or from the change
  // set (after a line command), then the totals.
  void RefreshLines(bool fromChangeSet);
  void RecalcTotals();

  // The commands.
  void OnNewLine();
  void OnLineProperties();
  void OnDeleteLines();
  void SaveInvoice();
  void OnPreview();
  void OnPrint();
  void OnChooseClient();
  void OnChooseSupplier();
  // The print data of what the form shows.
  void BuildPrintData(FieldMap& out);

  bool CanSave() const;
  bool HasOneLineSelected() const;
  bool HasLinesSelected() const;

  const InvoiceHeaderFields& GetHeader() const { return m_header; }
  const InvoiceTotals& GetTotals() const { return m_totals; }
  const ChangeSet& GetLines() const { return m_lines; }
  InvoiceLinesList* GetGrid() const { return m_grid; }
  // The popup menu's command ids: "New Item", "Delete", "Properties".
  unsigned GetMenuNewId() const { return m_menuNew; }
  unsigned GetMenuDeleteId() const { return m_menuDelete; }
  unsigned GetMenuPropertiesId() const { return m_menuProperties; }
  // Opens the grid's context menu as a right click would.
  void ShowLinesMenu();

private:
  void CreateControls();
  void SetUpAnchors();
  void InitControls();
  void BindEvents();

  InvoiceFrame* GetInvoiceFrame();
  void MarkModified();
  void ShowError(const std::wstring& text);

  // Header values into their controls.
  void ShowChoices(wxChoice* control, const ChoiceList& choices);
  void ShowAddress(const InvoiceParty& party, wxChoice* addresses, wxTextCtrl* text);
  void ShowPartyControls();
  void ShowPaid();

  void OnAddressChosen(InvoiceParty& party, wxChoice* addresses, wxTextCtrl* text);
  void OnMyCompanyChosen(InvoiceParty& party, wxChoice* control);
  void OnChooseCompany(bool client);
  // The stock dialog of a line (0: a new one); on OK the grid shows the change.
  void RunLineDialog(int32_t lineId);
  void OnPaidClicked();
  void OnDiscountChanged();
  void PrintWith(bool preview);

  InvoiceHeaderFields m_header;
  InvoiceTotals m_totals;
  ChangeSet m_lines;

  wxChoice* m_fromMyCompany = nullptr;
  wxChoice* m_toMyCompany = nullptr;
  wxChoice* m_fromAddresses = nullptr;
  wxChoice* m_toAddresses = nullptr;
  wxChoice* m_days = nullptr;
  wxChoice* m_templates = nullptr;
  wxTextCtrl* m_supplierName = nullptr;
  wxTextCtrl* m_clientName = nullptr;
  wxButton* m_chooseSupplier = nullptr;
  wxButton* m_chooseClient = nullptr;
  wxTextCtrl* m_fromAddress = nullptr;
  wxTextCtrl* m_toAddress = nullptr;
  wxStaticText* m_title = nullptr;
  wxDatePickerCtrl* m_date = nullptr;
  wxDatePickerCtrl* m_paidDate = nullptr;
  wxCheckBox* m_paid = nullptr;
  CBaseEdit* m_withoutTax = nullptr;
  CBaseEdit* m_discountPercent = nullptr;
  CBaseEdit* m_discount = nullptr;
  CBaseEdit* m_tax = nullptr;
  CBaseEdit* m_total = nullptr;
  wxStaticText* m_totalLabel = nullptr;
  InvoiceLinesList* m_grid = nullptr;

  popup_menu m_menu;
  unsigned m_menuNew = 0;
  unsigned m_menuDelete = 0;
  unsigned m_menuProperties = 0;
  AnchorLayout m_anchors;
  wxFont m_titleFont;
  wxFont m_totalFont;
  bool m_loading = false;
};
