#pragma once

// The dialogs the invoice form runs: the company search for the client or
// supplier, and the stock dialog of a line (stock output for an outcome
// invoice, stock input for an income one) on the form's change set. Tests
// replace them so that no modal dialog opens.

#include <cstdint>
#include <functional>
#include <optional>

class ChangeSet;
class wxWindow;

struct InvoiceLineRequest {
  int32_t lineId = 0;  // 0: a new line
  bool income = false;
  int32_t priceListId = 0;       // offered to a new outcome line
  double discountPercent = 0.0;  // offered to a new outcome line
};

class InvoiceFormDialogs {
public:
  // The search over companies; the chosen company's id (0 when OK was
  // pressed on no row), nothing on Cancel.
  static std::optional<int32_t> ChooseCompany(wxWindow* parent);
  // The line's stock dialog on the change set; true on OK, when the new or
  // edited line is in the change set under its id.
  static bool EditLine(const InvoiceLineRequest& request, ChangeSet& lines, wxWindow* parent);

  // Test seams: while set, the operations above call these instead.
  using CompanyChooser = std::function<std::optional<int32_t>(wxWindow* parent)>;
  using LineEditor = std::function<bool(const InvoiceLineRequest&, ChangeSet&, wxWindow* parent)>;
  static void SetCompanyChooser(CompanyChooser chooser);
  static void SetLineEditor(LineEditor editor);
};
