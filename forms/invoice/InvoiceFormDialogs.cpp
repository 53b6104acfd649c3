#include "forms/invoice/InvoiceFormDialogs.h"

#include <vector>

#include "data/ChangeSet.h"
#include "forms/dialogs/ItemInputDlgLauncher.h"
#include "forms/dialogs/ItemOutputDlgLauncher.h"
#include "forms/dialogs/SearchDlg.h"
#include "platform/MessageBox.h"

namespace {

InvoiceFormDialogs::CompanyChooser& ChooserSeam() {
  static InvoiceFormDialogs::CompanyChooser chooser;
  return chooser;
}

InvoiceFormDialogs::LineEditor& EditorSeam() {
  static InvoiceFormDialogs::LineEditor editor;
  return editor;
}

constexpr int kSearchCompanies = 1;
constexpr int32_t kDestInvoice = 2;    // an issue line of an outgoing invoice
constexpr int32_t kSourceInvoice = 4;  // a receipt line of an incoming invoice

}  // namespace

std::optional<int32_t> InvoiceFormDialogs::ChooseCompany(wxWindow* parent) {
  if (ChooserSeam()) return ChooserSeam()(parent);
  SearchDlg search(kSearchCompanies, static_cast<const Invoice::Searches::SearchDef*>(nullptr), parent);
  if (search.DoModal() != platform::IDOK) return std::nullopt;
  return search.GetChosenId();
}

bool InvoiceFormDialogs::EditLine(const InvoiceLineRequest& request, ChangeSet& lines, wxWindow* parent) {
  if (EditorSeam()) return EditorSeam()(request, lines, parent);
  // The form offers no preset items: the dialogs search over all of them.
  std::vector<long> noPresets;
  if (request.income)
    return ItemInputDlgLauncher(request.lineId, &noPresets, kSourceInvoice).Run(lines, parent);
  return ItemOutputDlgLauncher(request.lineId, &noPresets, kDestInvoice, request.priceListId,
                               request.discountPercent)
      .Run(lines, parent);
}

void InvoiceFormDialogs::SetCompanyChooser(CompanyChooser chooser) {
  ChooserSeam() = std::move(chooser);
}

void InvoiceFormDialogs::SetLineEditor(LineEditor editor) {
  EditorSeam() = std::move(editor);
}
