// The invoice form in its frame under Xvfb, on a throwaway database: a new
// invoice chosen, filled, saved and printed into a PDF through the real
// libCorvanPreview.so; failures that keep the edits; the form opened from
// the application's main frame. The company search and the stock dialogs
// are replaced by the form's dialog seam, so no modal dialog opens.
//
// With CORVANE_SCREENSHOT_DIR set, the main test leaves invoice-form.png
// and invoice.pdf there.
#include "InvoiceFormFixture.h"

#include <csignal>
#include <cstdlib>
#include <deque>

#include <wx/app.h>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/combobox.h>
#include <wx/dataview.h>
#include <wx/datectrl.h>
#include <wx/dateevt.h>
#include <wx/dcmemory.h>
#include <wx/dcscreen.h>
#include <wx/frame.h>
#include <wx/image.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/timer.h>

#include "GuiEvents.h"
#include "WindowShot.h"
#include "common/RegistryHelpers.h"
#include "common/ui/CBaseEdit.h"
#include "common/ui/DocTemplate.h"
#include "common/ui/Document.h"
#include "data/objects/Payment.h"
#include "data/objects/PriceList.h"
#include "forms/dialogs/SearchDlg.h"
#include "forms/invoice/InvoiceForm.h"
#include "forms/invoice/InvoiceFormDialogs.h"
#include "forms/invoice/InvoiceFrame.h"
#include "forms/invoice/InvoiceLinesList.h"
#include "forms/items/ItemOutputDlg.h"
#include "platform/TextCodec.h"
#include "platform/WindowMessages.h"
#include "shell/CMainFrame.h"
#include "shell/CQuennetApp.h"
#include "shell/InvoicesView.h"
#include "shell/PreviewManager.h"
#include "shell/TerminateSignals.h"
#include "shell/ui/RefreshMessages.h"
#include "shell/ui/StaleSave.h"
#include "tests/forms_dialogs/ModalScript.h"
#include "tests/preview_lib/PreviewLibFixtures.h"

namespace corvane::test {
namespace {

void Pump() {
  for (int i = 0; i < 5; ++i) {
    wxYield();
    wxTheApp->ProcessIdle();
  }
}

// A two-column invoice layout: parties, number and date, one row per line
// with code, name, quantity, price and total, and the footer amounts.
void SaveInvoiceLayout(const std::filesystem::path& path) {
  auto right = [](TemplateItem item) {
    item.SetProperty(template_props::kAlignment, ::Value(int32_t{2}));
    return item;
  };
  auto bold = [](const std::wstring& text, const InchRect& at, int32_t size = 100) {
    TemplateItem item = LabelItem(text, at);
    SetText(item, text, size, true);
    return item;
  };
  SaveTemplate(
      {
          bold(L"INVOICE", InchRect{0.8, 0.6, 4.0, 1.0}, 200),
          LabelItem(L"Number:", InchRect{4.6, 0.6, 5.6, 0.85}),
          FieldItem(L"FLD_100_000", L"Invoice Number", InchRect{5.6, 0.6, 7.5, 0.85}),
          LabelItem(L"Date:", InchRect{4.6, 0.85, 5.6, 1.1}),
          FieldItem(L"FLD_101_000", L"Date", InchRect{5.6, 0.85, 7.5, 1.1}),
          bold(L"From", InchRect{0.8, 1.4, 3.8, 1.65}),
          FieldItem(L"FLD_112_000", L"From (Vendor Name)", InchRect{0.8, 1.65, 3.8, 1.9}),
          FieldItem(L"FLD_110_000", L"From (Vendor Address)", InchRect{0.8, 1.9, 3.8, 2.7}),
          bold(L"To", InchRect{4.6, 1.4, 7.5, 1.65}),
          FieldItem(L"FLD_111_000", L"To (Client Name)", InchRect{4.6, 1.65, 7.5, 1.9}),
          FieldItem(L"FLD_106_000", L"To (Client Address)", InchRect{4.6, 1.9, 7.5, 2.7}),
          BoxItem(InchRect{0.75, 2.95, 7.55, 3.25}, true, false, 0xEEEEEE),
          bold(L"Code", InchRect{0.8, 3.0, 1.6, 3.25}),
          bold(L"Item", InchRect{1.6, 3.0, 4.4, 3.25}),
          right(bold(L"Q-ty", InchRect{4.4, 3.0, 5.2, 3.25})),
          right(bold(L"Price", InchRect{5.2, 3.0, 6.3, 3.25})),
          right(bold(L"Total", InchRect{6.3, 3.0, 7.5, 3.25})),
          RepeatItem(L"FLD_011_000", 10, InchRect{0.8, 3.3, 1.6, 3.55}),
          RepeatItem(L"FLD_001_000", 10, InchRect{1.6, 3.3, 4.4, 3.55}),
          right(RepeatItem(L"FLD_003_000", 10, InchRect{4.4, 3.3, 5.2, 3.55})),
          right(RepeatItem(L"FLD_002_000", 10, InchRect{5.2, 3.3, 6.3, 3.55})),
          right(RepeatItem(L"FLD_010_000", 10, InchRect{6.3, 3.3, 7.5, 3.55})),
          LabelItem(L"Without tax:", InchRect{4.6, 6.2, 6.0, 6.45}),
          right(FieldItem(L"FLD_109_000", L"Total without Tax", InchRect{6.0, 6.2, 7.5, 6.45})),
          LabelItem(L"Discount:", InchRect{4.6, 6.45, 6.0, 6.7}),
          right(FieldItem(L"FLD_105_000", L"Invoice Discount", InchRect{6.0, 6.45, 7.5, 6.7})),
          LabelItem(L"Tax:", InchRect{4.6, 6.7, 6.0, 6.95}),
          right(FieldItem(L"FLD_102_000", L"Total Tax", InchRect{6.0, 6.7, 7.5, 6.95})),
          bold(L"Total:", InchRect{4.6, 7.0, 6.0, 7.3}),
          right(FieldItem(L"FLD_103_000", L"Invoice Total", InchRect{6.0, 7.0, 7.5, 7.3})),
      },
      path);
}

// Acts on the modal dialog of that class from inside its loop, once it is
// open: a timer looks for it, since a dialog that another one's OK opens
// shows only after that one's loop has ended. A dialog the action leaves
// open is cancelled, so that a failing test does not hang.
template <class Dialog>
class WhenModal : public wxTimer {
public:
  explicit WhenModal(std::function<void(Dialog&)> action) : m_action(std::move(action)) { Start(10); }

  void Notify() override {
    for (wxWindow* window : wxTopLevelWindows) {
      if (auto* dialog = dynamic_cast<Dialog*>(window); dialog && dialog->IsModal()) {
        Stop();
        m_action(*dialog);
        if (dialog->IsModal()) dialog->EndModal(platform::IDCANCEL);
        delete this;
        return;
      }
    }
    if (++m_ticks > 500) {
      Stop();
      ADD_FAILURE() << "the expected dialog did not open";
      delete this;
    }
  }

private:
  std::function<void(Dialog&)> m_action;
  int m_ticks = 0;
};

// Searches the text and takes the first row found.
void ChooseFirstFound(SearchDlg& search, const std::wstring& text) {
  search.GetSearchBox()->SetValue(text);
  search.RunSearch();
  ASSERT_GT(search.GetList()->GetItemCount(), 0u) << "nothing found for the text";
  search.GetList()->SelectRow(0);
  search.OnOK();
}

// A top-level window that writes down every refresh message it hears.
class MessageListener : public wxFrame {
public:
  MessageListener() : wxFrame(nullptr, wxID_ANY, L"listener") {
    Bind(EVT_CORVANE_MESSAGE, [this](platform::WindowMessageEvent& event) {
      heard.push_back({event.GetMessage(), static_cast<intptr_t>(event.GetWParam())});
    });
  }
  std::vector<std::pair<unsigned, intptr_t>> heard;
};

// A line as the stock dialog would record it.
struct LineInput {
  int itemId;
  double quantity;
  double price;
  double discountPercent = 0.0;
  double taxPercent = 0.0;
};

class InvoiceFormGui : public InvoiceFormTest {
protected:
  void SetUp() override {
    InvoiceFormTest::SetUp();
    platform::SetUserLocaleOverride(platform::LocaleInfo{});
    RegWriteString(PreviewManager::kSettingsKey, PreviewManager::kInstallPathValue,
                   platform::FromUtf8(CORVANE_PREVIEW_DIR));
    SaveInvoiceLayout(m_layoutPath);
    Committed([this] { m_layoutId = NewTemplate(L"Classic", m_layoutPath.wstring()); });

    InvoiceFormDialogs::SetCompanyChooser([this](wxWindow*) { return m_chosenCompany; });
    InvoiceFormDialogs::SetLineEditor([this](const InvoiceLineRequest& request, ChangeSet& lines, wxWindow*) {
      m_requests.push_back(request);
      if (m_lineInputs.empty()) return false;  // Cancel
      const LineInput input = m_lineInputs.front();
      m_lineInputs.pop_front();
      if (request.income)
        Record<Invoice::ItemInput>(request.lineId, input, lines);
      else
        Record<Invoice::ItemOutput>(request.lineId, input, lines);
      return true;
    });
    m_listener = new MessageListener;
  }

  void TearDown() override {
    DiscardAllWindows();
    Pump();
    DeletePreviewManager();
    InvoiceFormDialogs::SetCompanyChooser(nullptr);
    InvoiceFormDialogs::SetLineEditor(nullptr);
    platform::SetUserLocaleOverride(std::nullopt);
    InvoiceFormTest::TearDown();
  }

  template <class Line>
  static void Record(int32_t lineId, const LineInput& input, ChangeSet& lines) {
    Line line;
    if (lineId != 0) line = *dynamic_cast<Line*>(lines.Find(lineId));
    line.SetItemId(input.itemId);
    line.SetQuantity(input.quantity);
    line.SetBasePrice(input.price);
    line.SetDiscountPercent(input.discountPercent);
    line.SetTaxPercent(input.taxPercent);
    lines.Update(line);
  }

  InvoiceFrame* Open(int32_t invoiceId, int32_t companyId = 0, bool income = false) {
    auto* frame = dynamic_cast<InvoiceFrame*>(m_template.CreateNewFrame(m_document));
    EXPECT_TRUE(frame);
    if (!frame) return nullptr;
    FormArguments arguments;
    arguments.objectId = invoiceId;
    arguments.companyId = companyId;
    arguments.income = income;
    frame->SetFormArguments(arguments);
    DocTemplate::InitialUpdateFrame(frame);
    Pump();
    return frame;
  }

  static void Command(wxFrame* frame, int id) {
    wxCommandEvent command(wxEVT_MENU, id);
    command.SetEventObject(frame);
    frame->ProcessWindowEvent(command);
  }
  static void Choose(wxWindow* form, int controlId, int index) {
    auto* choice = dynamic_cast<wxChoice*>(form->FindWindow(controlId));
    ASSERT_TRUE(choice);
    choice->SetSelection(index);
    wxCommandEvent event(wxEVT_CHOICE, controlId);
    event.SetEventObject(choice);
    event.SetInt(index);
    choice->ProcessWindowEvent(event);
  }
  static void Click(wxWindow* form, int controlId) {
    wxCommandEvent event(wxEVT_BUTTON, controlId);
    event.SetEventObject(form->FindWindow(controlId));
    form->FindWindow(controlId)->ProcessWindowEvent(event);
  }
  // Whether the form enables the command now.
  static bool Enabled(InvoiceForm* form, int command) {
    wxUpdateUIEvent update(command);
    update.SetEventObject(form);
    form->ProcessWindowEvent(update);
    return update.GetEnabled();
  }
  static std::wstring Text(wxWindow* form, int controlId) {
    wxWindow* control = form->FindWindow(controlId);
    if (auto* text = dynamic_cast<wxTextCtrl*>(control)) return text->GetValue().ToStdWstring();
    return control->GetLabel().ToStdWstring();
  }
  // Prints the invoice open in the frame into that PDF file; its path.
  static std::filesystem::path PrintInto(wxFrame* frame, const std::filesystem::path& pdf) {
    PrintToFile destination(pdf);
    Command(frame, InvoiceForm::ID_PRINT_INVOICE);
    Pump();
    return pdf;
  }
  static std::wstring Cell(InvoiceForm* form, size_t row, InvoiceLines::Column column) {
    return form->GetGrid()->GetCellText(row, column);
  }
  static int IndexOf(wxWindow* form, int controlId, const std::wstring& text) {
    return dynamic_cast<wxChoice*>(form->FindWindow(controlId))->FindString(text);
  }
  // A stored outgoing invoice to the client of two lines of 2 x 30.00
  // seeds, saved as the form saves it; its id.
  int StoreInvoiceOfTwoLines() {
    InvoiceFrame* frame = Open(0, m_clientId);
    EXPECT_TRUE(frame);
    if (!frame) return 0;
    m_lineInputs = {{m_seedsId, 2, 30.0}, {m_seedsId, 2, 30.0}};
    Command(frame, InvoiceForm::ID_NEW_LINE);
    Command(frame, InvoiceForm::ID_NEW_LINE);
    Command(frame, InvoiceForm::ID_SAVE_INVOICE);
    const int invoice = frame->GetInvoiceId();
    frame->Destroy();
    Pump();
    return invoice;
  }
  // The grid's first row of that quantity.
  static long RowOfQuantity(InvoiceFrame* frame, double quantity) {
    InvoiceForm* form = frame->GetForm();
    for (long row = 0; row < static_cast<long>(form->GetGrid()->GetItemCount()); ++row)
      if (std::stod(Cell(form, row, InvoiceLines::kQuantity)) == quantity) return row;
    ADD_FAILURE() << "no line of quantity " << quantity;
    return 0;
  }
  // The line dialog of the grid's row, given the new quantity.
  void SetLineQuantity(InvoiceFrame* frame, long row, double quantity) {
    InvoiceForm* form = frame->GetForm();
    form->GetGrid()->SelectRow(row);
    m_lineInputs = {{m_seedsId, quantity, 30.0}};
    Command(frame, InvoiceForm::ID_LINE_PROPERTIES);
  }
  std::vector<unsigned> Heard() const {
    std::vector<unsigned> ids;
    for (const auto& [id, wParam] : m_listener->heard) ids.push_back(id);
    return ids;
  }


  std::filesystem::path m_layoutPath = m_dir / "classic.zlt";
  int m_layoutId = 0;
  Document m_document;
  DocTemplate m_template{InvoiceFrame::kResourceId, CreateInvoiceFrame, CreateInvoiceFormView};
  std::optional<int32_t> m_chosenCompany;
  std::deque<LineInput> m_lineInputs;
  std::vector<InvoiceLineRequest> m_requests;
  MessageListener* m_listener = nullptr;
};

TEST_F(InvoiceFormGui, NewOutgoingInvoiceIsFilledSavedAndPrinted) {
  Committed([] {
    SetNextInvoiceNum(7);
    SetOutputDefaultPriceGroup(0);
  });
  InvoiceFrame* frame = Open(0);
  ASSERT_TRUE(frame);
  InvoiceForm* form = frame->GetForm();
  ASSERT_TRUE(form);
  frame->SetSize(1000, 760);
  Pump();
  EXPECT_EQ(frame->GetTitle(), L"Outcome Invoice 0007/06");
  EXPECT_EQ(Text(form, InvoiceForm::kTitle), L"I-ce 0007/06");
  EXPECT_EQ(Text(form, InvoiceForm::kTotalLabel), L"Total:");
  EXPECT_TRUE(form->FindWindow(InvoiceForm::kFromMyCompany)->IsShown());
  EXPECT_FALSE(form->FindWindow(InvoiceForm::kSupplierName)->IsShown());
  EXPECT_FALSE(form->FindWindow(InvoiceForm::kToMyCompany)->IsShown());
  EXPECT_EQ(dynamic_cast<wxChoice*>(form->FindWindow(InvoiceForm::kFromMyCompany))->GetStringSelection(),
            L"Corvane Trading");
  EXPECT_FALSE(frame->IsModified());
  EXPECT_FALSE(Enabled(form, InvoiceForm::ID_SAVE_INVOICE));

  // The client through the search, then its office address.
  m_chosenCompany = m_clientId;
  Click(form, InvoiceForm::kChooseClient);
  EXPECT_EQ(Text(form, InvoiceForm::kClientName), L"Mountain Bakery Ltd");
  EXPECT_TRUE(frame->IsModified());
  EXPECT_TRUE(Enabled(form, InvoiceForm::ID_SAVE_INVOICE));
  Choose(form, InvoiceForm::kToAddresses, IndexOf(form, InvoiceForm::kToAddresses, L"Office"));
  EXPECT_EQ(Text(form, InvoiceForm::kToAddress), kOfficeBox);
  EXPECT_FALSE(dynamic_cast<wxTextCtrl*>(form->FindWindow(InvoiceForm::kToAddress))->IsEditable());
  dynamic_cast<wxTextCtrl*>(form->FindWindow(InvoiceForm::kFromAddress))
      ->SetValue(L"Corvane Trading\nPort Road 7\n1000 Skopje");
  Choose(form, InvoiceForm::kDays, IndexOf(form, InvoiceForm::kDays, L"Thirty days"));
  Choose(form, InvoiceForm::kTemplate, IndexOf(form, InvoiceForm::kTemplate, L"Classic"));

  // Two lines through the stock dialog: the newest shows first.
  m_lineInputs = {{m_flourId, 3, 10.0, 10, 18}, {m_seedsId, 2, 12.5}};
  Command(frame, InvoiceForm::ID_NEW_LINE);
  Command(frame, InvoiceForm::ID_NEW_LINE);
  ASSERT_EQ(m_requests.size(), 2u);
  EXPECT_EQ(m_requests[0].lineId, 0);
  EXPECT_EQ(m_requests[0].priceListId, m_priceListId);  // the client's
  EXPECT_EQ(m_requests[0].discountPercent, 5.0);
  ASSERT_EQ(form->GetGrid()->GetItemCount(), 2u);
  EXPECT_FALSE(Enabled(form, InvoiceForm::ID_LINE_PROPERTIES));
  EXPECT_FALSE(Enabled(form, InvoiceForm::ID_DELETE_LINES));
  form->GetGrid()->SelectAll();
  EXPECT_FALSE(Enabled(form, InvoiceForm::ID_LINE_PROPERTIES));
  EXPECT_TRUE(Enabled(form, InvoiceForm::ID_DELETE_LINES));
  form->GetGrid()->SelectRow(0);
  EXPECT_TRUE(Enabled(form, InvoiceForm::ID_LINE_PROPERTIES));
  EXPECT_EQ(Cell(form, 0, InvoiceLines::kName), L"Sunflower seeds");
  EXPECT_EQ(Cell(form, 1, InvoiceLines::kTax), L"4.86");
  EXPECT_EQ(Cell(form, 1, InvoiceLines::kTotal), L"31.86");
  EXPECT_EQ(Cell(form, 0, InvoiceLines::kDiscount), L"");
  EXPECT_EQ(Text(form, InvoiceForm::kWithoutTax), L"52.00");
  EXPECT_EQ(Text(form, InvoiceForm::kTotal), L"56.86");

  // The invoice discount: the totals follow every keystroke.
  dynamic_cast<wxTextCtrl*>(form->FindWindow(InvoiceForm::kDiscountPercent))->SetValue(L"10");
  EXPECT_EQ(Text(form, InvoiceForm::kDiscount), L"5.20");
  EXPECT_EQ(Text(form, InvoiceForm::kTax), L"4.86");
  EXPECT_EQ(Text(form, InvoiceForm::kTotal), L"51.66");

  // Save: one unit of work, the refresh messages in their order, the form reloaded.
  m_listener->heard.clear();
  Command(frame, InvoiceForm::ID_SAVE_INVOICE);
  EXPECT_TRUE(m_messages.Shown().empty()) << platform::ToUtf8(m_messages.Shown().front().text);
  EXPECT_FALSE(frame->IsModified());
  const int32_t id = frame->GetInvoiceId();
  ASSERT_GT(id, 0);
  EXPECT_EQ(Heard(), (std::vector<unsigned>{RefreshMessages::Year(), RefreshMessages::Invoices(),
                                            RefreshMessages::Item(), RefreshMessages::ItemsOutput()}));
  EXPECT_EQ(m_listener->heard.front().second, 2006);
  EXPECT_EQ(ReadSettingInt(kNextInvoiceNumKey, 0), 8);
  EXPECT_EQ(Stock(m_flourId), 7.0);
  EXPECT_EQ(Stock(m_seedsId), 48.0);
  EXPECT_EQ(Value(L"SELECT INVOICE_NUM FROM INVOICES WHERE OBJECT_ID = " + std::to_wstring(id)), L"0007/06");
  EXPECT_EQ(Value(L"SELECT TEMPLATE_OBJECT_ID FROM INVOICES"), std::to_wstring(m_layoutId));
  EXPECT_EQ(frame->GetTitle(), L"Outcome Invoice 0007/06");
  ASSERT_EQ(form->GetGrid()->GetItemCount(), 2u);
  EXPECT_GT(form->GetGrid()->GetRow(0).GetObjectId(), 0);  // stored lines now
  EXPECT_EQ(dynamic_cast<wxChoice*>(form->FindWindow(InvoiceForm::kToAddresses))->GetStringSelection(),
            L"Office");
  EXPECT_EQ(Text(form, InvoiceForm::kTotal), L"51.66");

  // Print into a PDF with the chosen template.
  const std::filesystem::path pdf = m_dir / "invoice.pdf";
  PrintInto(frame, pdf);
  EXPECT_TRUE(m_messages.Shown().empty());
  const std::string text = PdfText(pdf);
  for (const char* expected : {"0007/06", "Mountain Bakery Ltd", "Mill Lane 4", "Corvane Trading",
                               "Rye flour 25kg", "SS-1", "31.86", "51.66"})
    EXPECT_NE(text.find(expected), std::string::npos) << expected << " missing in:\n" << text;

  if (const char* folder = std::getenv("CORVANE_SCREENSHOT_DIR")) {
    form->GetGrid()->SelectRow(1);
    SaveWindowShot(frame, std::filesystem::path(folder) / "invoice-form.png");
    std::filesystem::copy_file(pdf, std::filesystem::path(folder) / "invoice.pdf",
                               std::filesystem::copy_options::overwrite_existing);
  }
}

// The invoice window has its icon, small and large, as the other forms'
// windows have theirs.
TEST_F(InvoiceFormGui, TheFrameHasItsIcon) {
  InvoiceFrame* frame = Open(0);
  ASSERT_TRUE(frame);
  const wxIconBundle& icons = frame->GetIcons();
  ASSERT_EQ(icons.GetIconCount(), 2u);
  EXPECT_EQ(icons.GetIconByIndex(0).GetWidth(), 16);
  EXPECT_EQ(icons.GetIconByIndex(1).GetWidth(), 32);
}

// At the size the frame first takes, and at a larger one, every control has
// a place of its own: none is drawn over another.
TEST_F(InvoiceFormGui, NoTwoControlsOverlapAtTheFirstSizeOrALargerOne) {
  InvoiceFrame* frame = Open(0);
  ASSERT_TRUE(frame);
  InvoiceForm* form = frame->GetForm();
  ASSERT_TRUE(form);
  for (const wxSize size : {wxSize(), wxSize(1000, 760)}) {
    if (size != wxSize()) frame->SetSize(size);
    Pump();
    std::vector<wxWindow*> shown;
    for (wxWindow* child : form->GetChildren())
      if (child->IsShown()) shown.push_back(child);
    ASSERT_GT(shown.size(), 20u);
    for (size_t i = 0; i < shown.size(); ++i)
      for (size_t j = i + 1; j < shown.size(); ++j)
        EXPECT_FALSE(shown[i]->GetRect().Intersects(shown[j]->GetRect()))
            << "controls " << shown[i]->GetId() << " and " << shown[j]->GetId() << " at "
            << frame->GetSize().x << "x" << frame->GetSize().y;
  }
}

TEST_F(InvoiceFormGui, StockShortageKeepsTheEditsAndTheFrameOpen) {
  Committed([] { SetNextInvoiceNum(3); });
  InvoiceFrame* frame = Open(0, m_clientId);
  ASSERT_TRUE(frame);
  InvoiceForm* form = frame->GetForm();
  EXPECT_EQ(Text(form, InvoiceForm::kClientName), L"Mountain Bakery Ltd");
  m_lineInputs = {{m_flourId, 11, 10.0}};  // 10 on stock
  Command(frame, InvoiceForm::ID_NEW_LINE);
  m_listener->heard.clear();

  Command(frame, InvoiceForm::ID_SAVE_INVOICE);
  ASSERT_EQ(m_messages.Shown().size(), 1u);
  EXPECT_EQ(m_messages.Shown()[0].text, L"Missing items on stock for 'Rye flour 25kg'");
  EXPECT_EQ(m_messages.Shown()[0].caption, L"Corvane");
  EXPECT_EQ(m_messages.Shown()[0].style, platform::MB_ICONERROR);
  EXPECT_TRUE(frame->IsModified());
  EXPECT_TRUE(Heard().empty());
  EXPECT_EQ(frame->GetInvoiceId(), 0);
  EXPECT_EQ(Count(L"INVOICES", L"1 = 1"), 0);
  EXPECT_EQ(ReadSettingInt(kNextInvoiceNumKey, 0), 3);
  EXPECT_EQ(form->GetGrid()->GetItemCount(), 1u);

  // Closing asks; Yes saves, which fails again: the frame stays.
  m_messages.QueueAnswer(platform::IDYES);
  EXPECT_FALSE(frame->Close());
  Pump();
  EXPECT_FALSE(frame->IsBeingDeleted());
  EXPECT_EQ(m_messages.Shown().size(), 3u);
  EXPECT_EQ(m_messages.Shown()[1].text, kSaveChangesQuestion);

  // The quantity lowered in the line's dialog: the save goes through.
  form->GetGrid()->SelectRow(0);
  m_lineInputs = {{m_flourId, 10, 10.0}};
  Command(frame, InvoiceForm::ID_LINE_PROPERTIES);
  ASSERT_EQ(m_requests.size(), 2u);
  EXPECT_LT(m_requests[1].lineId, 0);
  Command(frame, InvoiceForm::ID_SAVE_INVOICE);
  EXPECT_FALSE(frame->IsModified());
  EXPECT_EQ(Stock(m_flourId), 0.0);
  EXPECT_EQ(Value(L"SELECT INVOICE_NUM FROM INVOICES"), L"0003/06");
  EXPECT_EQ(Count(L"ITEM_OUTPUT", L"INVOICE_OBJECT_ID IS NOT NULL"), 1);

  // Edited again and closed with Yes: saved and closed.
  Choose(form, InvoiceForm::kDays, IndexOf(form, InvoiceForm::kDays, L"Thirty days"));
  ASSERT_TRUE(frame->IsModified());
  m_messages.QueueAnswer(platform::IDYES);
  EXPECT_TRUE(frame->Close());
  Pump();
  EXPECT_EQ(Value(L"SELECT DAYS_CONDITION FROM INVOICES"), L"30");
}

TEST_F(InvoiceFormGui, RealDialogsChooseTheClientAndRecordTheLine) {
  InvoiceFormDialogs::SetCompanyChooser(nullptr);
  InvoiceFormDialogs::SetLineEditor(nullptr);
  Invoice::PriceList wholesale;  // the client's price list offers the flour
  wholesale.SetPriceGroupId(m_priceListId);
  wholesale.SetItemId(m_flourId);
  wholesale.SetPrice(9.5);
  Committed([&] { wholesale.Save(); });
  InvoiceFrame* frame = Open(0);
  ASSERT_TRUE(frame);
  InvoiceForm* form = frame->GetForm();

  new WhenModal<SearchDlg>([](SearchDlg& search) {
    EXPECT_EQ(search.GetTitle(), L"Search - Cleints");
    ChooseFirstFound(search, L"Bakery");
  });
  Click(form, InvoiceForm::kChooseClient);
  EXPECT_EQ(Text(form, InvoiceForm::kClientName), L"Mountain Bakery Ltd");

  // A new line: the item search, then the stock output dialog.
  new WhenModal<SearchDlg>([](SearchDlg& search) {
    ChooseFirstFound(search, L"Rye");
    new WhenModal<ItemOutputDlg>([](ItemOutputDlg& dialog) {
      EXPECT_EQ(dialog.GetTypeList()->GetStringSelection(), L"Invoice");
      EXPECT_EQ(dialog.GetPriceEdit()->GetValue(), L"9.50");     // from the client's price list
      EXPECT_EQ(dialog.GetDiscountEdit()->GetValue(), L"5.00");  // the client's discount
      dialog.GetQuantityEdit()->SetValue(L"4");
      dialog.OnOK();
    });
  });
  Command(frame, InvoiceForm::ID_NEW_LINE);
  ASSERT_EQ(form->GetGrid()->GetItemCount(), 1u);
  EXPECT_EQ(Cell(form, 0, InvoiceLines::kName), L"Rye flour 25kg");
  EXPECT_EQ(Cell(form, 0, InvoiceLines::kExtension), L"38.00");
  EXPECT_EQ(Cell(form, 0, InvoiceLines::kDiscount), L"1.90");
  EXPECT_TRUE(frame->IsModified());

  Command(frame, InvoiceForm::ID_SAVE_INVOICE);
  EXPECT_FALSE(frame->IsModified());
  EXPECT_EQ(Stock(m_flourId), 6.0);
  EXPECT_EQ(Value(L"SELECT OUTPUT_DEST_TYPE FROM ITEM_OUTPUT WHERE INVOICE_OBJECT_ID IS NOT NULL"), L"2");
}

TEST_F(InvoiceFormGui, CancelledSearchLeavesTheClientAsItWas) {
  InvoiceFrame* frame = Open(0, m_clientId);
  ASSERT_TRUE(frame);
  InvoiceForm* form = frame->GetForm();
  Choose(form, InvoiceForm::kToAddresses, IndexOf(form, InvoiceForm::kToAddresses, L"Store"));
  frame->SetModified(false);

  m_chosenCompany = std::nullopt;  // Cancel
  Click(form, InvoiceForm::kChooseClient);
  EXPECT_FALSE(frame->IsModified());
  EXPECT_EQ(Text(form, InvoiceForm::kClientName), L"Mountain Bakery Ltd");
  EXPECT_EQ(Text(form, InvoiceForm::kToAddress), kStoreBox);
  EXPECT_EQ(form->GetHeader().linePriceListId, m_priceListId);
  EXPECT_EQ(form->GetHeader().lineDiscountPercent, 5.0);

  // Another client: the typed block stays, "I'll enter it my self" is chosen.
  m_chosenCompany = m_supplierId;
  Click(form, InvoiceForm::kChooseClient);
  EXPECT_TRUE(frame->IsModified());
  EXPECT_EQ(Text(form, InvoiceForm::kClientName), L"Flour Mills Inc");
  EXPECT_EQ(dynamic_cast<wxChoice*>(form->FindWindow(InvoiceForm::kToAddresses))->GetStringSelection(),
            kEnterAddressMyself);
  EXPECT_EQ(Text(form, InvoiceForm::kToAddress), kStoreBox);
  EXPECT_TRUE(dynamic_cast<wxTextCtrl*>(form->FindWindow(InvoiceForm::kToAddress))->IsEditable());
}

TEST_F(InvoiceFormGui, DeletingAsksOnceAndGivesTheStockBackWhenSaved) {
  InvoiceFrame* frame = Open(0, m_clientId);
  ASSERT_TRUE(frame);
  InvoiceForm* form = frame->GetForm();
  m_lineInputs = {{m_flourId, 1, 10.0}, {m_flourId, 2, 10.0}, {m_seedsId, 3, 1.0}};
  for (int i = 0; i < 3; ++i) Command(frame, InvoiceForm::ID_NEW_LINE);
  Command(frame, InvoiceForm::ID_SAVE_INVOICE);
  EXPECT_EQ(Stock(m_flourId), 7.0);
  ASSERT_EQ(form->GetGrid()->GetItemCount(), 3u);

  form->GetGrid()->SelectAll();
  m_messages.QueueAnswer(platform::IDNO);
  Command(frame, InvoiceForm::ID_DELETE_LINES);
  ASSERT_EQ(m_messages.Shown().size(), 1u);
  EXPECT_EQ(m_messages.Shown()[0].text, L"Are you sure you want to delete the selected item?");
  EXPECT_EQ(m_messages.Shown()[0].style,
            platform::MB_YESNO | platform::MB_ICONEXCLAMATION | platform::MB_DEFBUTTON2);
  EXPECT_EQ(form->GetGrid()->GetItemCount(), 3u);
  EXPECT_FALSE(frame->IsModified());

  // The context menu's "Delete", answered Yes, removes the two flour lines
  // (saved in key order, the newest first: the seeds are row 0).
  ASSERT_EQ(Cell(form, 0, InvoiceLines::kName), L"Sunflower seeds");
  form->GetGrid()->SelectAll();
  auto* model = static_cast<wxDataViewVirtualListModel*>(form->GetGrid()->GetModel());
  form->GetGrid()->Unselect(model->GetItem(0));
  ASSERT_EQ(form->GetGrid()->GetSelectedRows(), (std::vector<long>{1, 2}));
  popup_menu::SetTrackHandler([&](const popup_menu& menu, wxWindow*, bool) {
    EXPECT_TRUE(menu.IsItemEnabled(form->GetMenuDeleteId()));
    EXPECT_FALSE(menu.IsItemEnabled(form->GetMenuPropertiesId()));
    return static_cast<int>(form->GetMenuDeleteId());
  });
  m_messages.QueueAnswer(platform::IDYES);
  form->ShowLinesMenu();
  popup_menu::SetTrackHandler(nullptr);
  EXPECT_EQ(form->GetGrid()->GetItemCount(), 1u);
  EXPECT_TRUE(frame->IsModified());
  EXPECT_EQ(Stock(m_flourId), 7.0);  // nothing stored until the save

  Command(frame, InvoiceForm::ID_SAVE_INVOICE);
  EXPECT_EQ(Stock(m_flourId), 10.0);
  EXPECT_EQ(Stock(m_seedsId), 47.0);
  EXPECT_EQ(Count(L"ITEM_OUTPUT", L"INVOICE_OBJECT_ID = " + std::to_wstring(frame->GetInvoiceId())), 1);
}

// The date the user set survives every way of editing or deleting a line,
// and the save stores it.
TEST_F(InvoiceFormGui, LineCommandsKeepTheDateTheUserSet) {
  InvoiceFrame* frame = Open(0, m_clientId);
  ASSERT_TRUE(frame);
  InvoiceForm* form = frame->GetForm();
  m_lineInputs = {{m_flourId, 1, 10.0}, {m_seedsId, 2, 1.0}, {m_seedsId, 3, 1.0}};
  for (int i = 0; i < 2; ++i) Command(frame, InvoiceForm::ID_NEW_LINE);
  auto* picker = dynamic_cast<wxDatePickerCtrl*>(form->FindWindow(InvoiceForm::kDate));
  ASSERT_TRUE(picker);
  auto setDate = [&](int day) {
    picker->SetValue(wxDateTime(static_cast<wxDateTime::wxDateTime_t>(day), wxDateTime::May, 2006));
    wxDateEvent changed(picker, picker->GetValue(), wxEVT_DATE_CHANGED);
    picker->ProcessWindowEvent(changed);
  };
  auto shownDay = [&] { return picker->GetValue().GetDay(); };

  // Properties from the menu, then by a double click on the row.
  setDate(17);
  form->GetGrid()->SelectRow(0);
  Command(frame, InvoiceForm::ID_LINE_PROPERTIES);
  EXPECT_EQ(shownDay(), 17);
  setDate(18);
  auto* model = static_cast<wxDataViewVirtualListModel*>(form->GetGrid()->GetModel());
  form->GetGrid()->SelectRow(0);
  wxDataViewEvent activated(wxEVT_DATAVIEW_ITEM_ACTIVATED, form->GetGrid(), model->GetItem(0));
  form->GetGrid()->ProcessWindowEvent(activated);
  ASSERT_EQ(m_requests.size(), 4u);
  EXPECT_EQ(shownDay(), 18);

  // Delete, answered Yes.
  setDate(19);
  form->GetGrid()->SelectRow(1);
  m_messages.QueueAnswer(platform::IDYES);
  Command(frame, InvoiceForm::ID_DELETE_LINES);
  EXPECT_EQ(form->GetGrid()->GetItemCount(), 1u);
  EXPECT_EQ(shownDay(), 19);

  Command(frame, InvoiceForm::ID_SAVE_INVOICE);
  EXPECT_EQ(m_messages.Shown().size(), 1u);  // the question only
  EXPECT_FALSE(frame->IsModified());
  const platform::OleDateTime stored(Invoice::Invoice(frame->GetInvoiceId()).GetDate());
  EXPECT_EQ(stored.GetCivil().year, 2006);
  EXPECT_EQ(stored.GetCivil().month, 5);
  EXPECT_EQ(stored.GetCivil().day, 19);
  EXPECT_EQ(shownDay(), 19);
}

// The footer adds up as shown, and the save and the printed invoice carry
// those same amounts.
TEST_F(InvoiceFormGui, FooterTotalIsTheSumOfTheAmountsShown) {
  InvoiceFrame* frame = Open(0, m_clientId);
  ASSERT_TRUE(frame);
  InvoiceForm* form = frame->GetForm();
  Choose(form, InvoiceForm::kTemplate, IndexOf(form, InvoiceForm::kTemplate, L"Classic"));
  // 2 x 79.913 = 159.826 with 18.5 % tax (29.56781): exactly the invoice
  // comes to 173.41121 after a 10 % discount.
  m_lineInputs = {{m_flourId, 2, 79.913, 0, 18.5}};
  Command(frame, InvoiceForm::ID_NEW_LINE);
  dynamic_cast<wxTextCtrl*>(form->FindWindow(InvoiceForm::kDiscountPercent))->SetValue(L"10");
  EXPECT_EQ(Text(form, InvoiceForm::kWithoutTax), L"159.83");
  EXPECT_EQ(Text(form, InvoiceForm::kDiscount), L"15.98");
  EXPECT_EQ(Text(form, InvoiceForm::kTax), L"29.57");
  EXPECT_EQ(Text(form, InvoiceForm::kTotal), L"173.42");

  Command(frame, InvoiceForm::ID_SAVE_INVOICE);
  ASSERT_TRUE(m_messages.Shown().empty());
  EXPECT_EQ(ReadDouble(L"SELECT TOTAL_AMOUNT FROM INVOICES"), 173.42);
  EXPECT_EQ(Text(form, InvoiceForm::kTotal), L"173.42");

  const std::string text = PdfText(PrintInto(frame, m_dir / "footer.pdf"));
  for (const char* expected : {"159.83", "15.98", "29.57", "173.42"})
    EXPECT_NE(text.find(expected), std::string::npos) << expected << " missing in:\n" << text;
}

// Every column of the grid adds up to the footer as shown, and the stored
// total and the printed invoice carry the same cents.
TEST_F(InvoiceFormGui, LinesAddUpToTheFooterOnScreenOnPaperAndAsStored) {
  InvoiceFrame* frame = Open(0, m_clientId);
  ASSERT_TRUE(frame);
  InvoiceForm* form = frame->GetForm();
  Choose(form, InvoiceForm::kTemplate, IndexOf(form, InvoiceForm::kTemplate, L"Classic"));
  // 18.5 x 1.25 = 23.125; 1.5 x 9.99 = 14.985 less 10 %; 1.5 x 1.25 = 1.875 less 15 %.
  m_lineInputs = {
      {m_seedsId, 1.5, 1.25, 15, 0}, {m_flourId, 1.5, 9.99, 10, 18.5}, {m_seedsId, 18.5, 1.25, 0, 20}};
  for (int line = 0; line < 3; ++line) Command(frame, InvoiceForm::ID_NEW_LINE);
  ASSERT_EQ(form->GetGrid()->GetItemCount(), 3u);
  EXPECT_EQ(Cell(form, 0, InvoiceLines::kExtension), L"23.13");
  EXPECT_EQ(Cell(form, 0, InvoiceLines::kTax), L"4.63");

  double totals = 0.0, withoutTax = 0.0, taxes = 0.0;
  for (size_t row = 0; row < 3; ++row) {
    auto shown = [&](InvoiceLines::Column column) { return ParseAmount(Cell(form, row, column)); };
    totals += shown(InvoiceLines::kTotal);
    withoutTax += shown(InvoiceLines::kExtension) - shown(InvoiceLines::kDiscount);
    taxes += shown(InvoiceLines::kTax);
  }
  EXPECT_EQ(FormatAmount(withoutTax), Text(form, InvoiceForm::kWithoutTax));
  EXPECT_EQ(FormatAmount(taxes), Text(form, InvoiceForm::kTax));
  EXPECT_EQ(FormatAmount(totals), Text(form, InvoiceForm::kTotal));
  EXPECT_EQ(Text(form, InvoiceForm::kWithoutTax), L"38.22");
  EXPECT_EQ(Text(form, InvoiceForm::kTax), L"7.13");
  EXPECT_EQ(Text(form, InvoiceForm::kTotal), L"45.35");

  Command(frame, InvoiceForm::ID_SAVE_INVOICE);
  ASSERT_TRUE(m_messages.Shown().empty());
  EXPECT_EQ(ReadDouble(L"SELECT TOTAL_AMOUNT FROM INVOICES"), 45.35);
  EXPECT_EQ(ReadDouble(L"SELECT TAX_AMOUNT FROM INVOICES"), 7.13);

  const std::string text = PdfText(PrintInto(frame, m_dir / "columns.pdf"));
  for (const char* expected : {"27.76", "15.99", "1.60", "38.22", "7.13", "45.35"})
    EXPECT_NE(text.find(expected), std::string::npos) << expected << " missing in:\n" << text;
}

// Two new invoices side by side show the same number; the second one saved
// takes the next free number and the user is told.
TEST_F(InvoiceFormGui, TwoNewInvoicesSideBySideAreBothSaved) {
  Committed([] { SetNextInvoiceNum(10); });
  InvoiceFrame* first = Open(0, m_clientId);
  InvoiceFrame* second = Open(0, m_clientId);
  ASSERT_TRUE(first && second);
  EXPECT_EQ(second->GetTitle(), L"Outcome Invoice 0010/06");
  for (InvoiceFrame* frame : {first, second}) {
    m_lineInputs = {{m_seedsId, 1, 2.0}};
    Command(frame, InvoiceForm::ID_NEW_LINE);
  }
  Command(first, InvoiceForm::ID_SAVE_INVOICE);
  Command(second, InvoiceForm::ID_SAVE_INVOICE);

  ASSERT_EQ(m_messages.Shown().size(), 1u);
  EXPECT_EQ(m_messages.Shown()[0].text, L"Number 0010/06 was taken; the invoice was saved as 0011/06.");
  EXPECT_EQ(m_messages.Shown()[0].caption, L"Corvane");
  EXPECT_EQ(m_messages.Shown()[0].style, platform::MB_ICONINFORMATION);
  EXPECT_FALSE(second->IsModified());
  EXPECT_EQ(second->GetTitle(), L"Outcome Invoice 0011/06");
  EXPECT_EQ(Text(second->GetForm(), InvoiceForm::kTitle), L"I-ce 0011/06");
  EXPECT_EQ(Count(L"INVOICES", L"1 = 1"), 2);
  EXPECT_EQ(Stock(m_seedsId), 48.0);
  EXPECT_EQ(ReadSettingInt(kNextInvoiceNumKey, 0), 12);
}

// One invoice of two lines (2 x 30.00 each) open in two windows. The first
// sets its first line to 3 and a 10 % discount and saves; the second, still
// showing the invoice as read, sets its second line to 1 and saves: it is
// refused, says the change came from another window and offers to load
// what is stored. No keeps its edits, and saving them is refused again;
// Yes loads the stored invoice, and the change made again on it is saved on
// top of the first window's, whose discount stays.
TEST_F(InvoiceFormGui, AnInvoiceOpenInTwoWindowsKeepsTheFirstWindowsSave) {
  const int invoice = StoreInvoiceOfTwoLines();
  InvoiceFrame* first = Open(invoice);
  InvoiceFrame* second = Open(invoice);
  ASSERT_TRUE(first && second);

  SetLineQuantity(first, 0, 3);
  dynamic_cast<wxTextCtrl*>(first->GetForm()->FindWindow(InvoiceForm::kDiscountPercent))->SetValue(L"10");
  Command(first, InvoiceForm::ID_SAVE_INVOICE);
  EXPECT_TRUE(m_messages.Shown().empty());
  EXPECT_EQ(ReadDouble(L"SELECT TOTAL_AMOUNT FROM INVOICES"), 135.0);

  SetLineQuantity(second, 1, 1);
  const std::wstring question = StaleSaveQuestion(Invoice::StaleRowException(L"this invoice", true));
  for (int attempt = 0; attempt < 2; ++attempt) {
    Command(second, InvoiceForm::ID_SAVE_INVOICE);
    ASSERT_EQ(m_messages.Shown().size(), attempt + 1u);
    EXPECT_EQ(m_messages.Shown().back().text, question);
    EXPECT_NE(question.find(L"another window of Corvane"), std::wstring::npos);
    EXPECT_EQ(m_messages.Shown().back().style, platform::MB_YESNO | platform::MB_ICONEXCLAMATION);
    EXPECT_TRUE(second->IsModified());
    EXPECT_EQ(Text(second->GetForm(), InvoiceForm::kTotal), L"90.00");
    EXPECT_EQ(ReadDouble(L"SELECT TOTAL_AMOUNT FROM INVOICES"), 135.0);
    EXPECT_EQ(ReadDouble(L"SELECT DISCOUNT_PERCENT FROM INVOICES"), 10.0);
    EXPECT_EQ(ReadDouble(L"SELECT SUM(QUANTITY) FROM ITEM_OUTPUT"), 5.0);
    EXPECT_EQ(Stock(m_seedsId), 45.0);
  }

  m_messages.QueueAnswer(platform::IDYES);
  Command(second, InvoiceForm::ID_SAVE_INVOICE);
  EXPECT_EQ(m_messages.Shown().size(), 3u);
  EXPECT_FALSE(second->IsModified());
  EXPECT_EQ(Text(second->GetForm(), InvoiceForm::kDiscountPercent), L"10.00");
  EXPECT_EQ(Text(second->GetForm(), InvoiceForm::kTotal), L"135.00");

  SetLineQuantity(second, RowOfQuantity(second, 2), 1);
  Command(second, InvoiceForm::ID_SAVE_INVOICE);
  EXPECT_EQ(m_messages.Shown().size(), 3u);
  EXPECT_FALSE(second->IsModified());
  EXPECT_EQ(ReadDouble(L"SELECT TOTAL_AMOUNT FROM INVOICES"), 108.0);
  EXPECT_EQ(ReadDouble(L"SELECT DISCOUNT_PERCENT FROM INVOICES"), 10.0);
  EXPECT_EQ(ReadDouble(L"SELECT SUM(QUANTITY) FROM ITEM_OUTPUT"), 4.0);
  EXPECT_EQ(Stock(m_seedsId), 46.0);
}

// An invoice form is open while the client form's Accept Payment pays the
// invoice in full. Saving an edit in the form would store the invoice
// unpaid: it is refused instead, and the stored invoice, loaded, shows paid.
TEST_F(InvoiceFormGui, AnOpenInvoiceFormDoesNotUndoAPaymentMadeMeanwhile) {
  const int invoice = StoreInvoiceOfTwoLines();
  InvoiceFrame* frame = Open(invoice);
  ASSERT_TRUE(frame);
  auto* paid = dynamic_cast<wxCheckBox*>(frame->GetForm()->FindWindow(InvoiceForm::kPaid));
  EXPECT_FALSE(paid->GetValue());
  Committed([&] {
    ChangeSet changes;
    Invoice::Payment payment;
    payment.SetAmount(120.0);
    payment.SetReferenceObjectId(invoice);
    payment.SetPaidOn(Ole(2006, 3, 9));
    changes.Update(payment);
    changes.Apply();
  });
  EXPECT_EQ(Value(L"SELECT PAID FROM INVOICES"), L"1");

  Choose(frame->GetForm(), InvoiceForm::kDays, IndexOf(frame->GetForm(), InvoiceForm::kDays, L"Thirty days"));
  m_messages.QueueAnswer(platform::IDYES);
  Command(frame, InvoiceForm::ID_SAVE_INVOICE);
  ASSERT_EQ(m_messages.Shown().size(), 1u);
  EXPECT_EQ(m_messages.Shown()[0].text, StaleSaveQuestion(Invoice::StaleRowException(L"this invoice", true)));
  EXPECT_EQ(Value(L"SELECT PAID FROM INVOICES"), L"1");
  EXPECT_EQ(Value(L"SELECT CAST(PAID_ON AS VARCHAR(30)) FROM INVOICES").substr(0, 10), L"2006-03-09");
  EXPECT_FALSE(frame->IsModified());
  EXPECT_TRUE(paid->GetValue());
}

TEST_F(InvoiceFormGui, PreviewWithoutAnyTemplateSaysSo) {
  InvoiceFrame* frame = Open(0, m_clientId);
  ASSERT_TRUE(frame);
  Command(frame, InvoiceForm::ID_PREVIEW_INVOICE);
  Command(frame, InvoiceForm::ID_PRINT_INVOICE);
  ASSERT_EQ(m_messages.Shown().size(), 2u);
  for (const auto& shown : m_messages.Shown()) {
    EXPECT_EQ(shown.text, kNoTemplateMessage);
    EXPECT_EQ(shown.style, platform::MB_ICONINFORMATION);
  }
  EXPECT_FALSE(PreviewManagerExists() && GetPreviewManager().IsLoaded());

  // With a default template "Default" previews with it.
  Committed([this] { SetDefaultTemplate(m_layoutId); });
  Command(frame, InvoiceForm::ID_PREVIEW_INVOICE);
  Pump();
  EXPECT_EQ(m_messages.Shown().size(), 2u);
  bool shown = false;
  for (wxWindow* window : wxTopLevelWindows)
    shown = shown || window->GetLabel() == L"Outcome Invoice 0001/06 - Preview";
  EXPECT_TRUE(shown);
}

TEST_F(InvoiceFormGui, IncomeInvoiceTakesTheSupplierAndReceivesTheStock) {
  Committed([] { SetNextIncomeInvoiceNum(21); });
  InvoiceFrame* frame = Open(0, 0, true);
  ASSERT_TRUE(frame);
  InvoiceForm* form = frame->GetForm();
  EXPECT_EQ(frame->GetTitle(), L"Income Invoice 0021/06");
  EXPECT_TRUE(form->FindWindow(InvoiceForm::kSupplierName)->IsShown());
  EXPECT_TRUE(form->FindWindow(InvoiceForm::kToMyCompany)->IsShown());
  EXPECT_FALSE(form->FindWindow(InvoiceForm::kClientName)->IsShown());

  m_chosenCompany = m_supplierId;
  Click(form, InvoiceForm::kChooseSupplier);
  EXPECT_EQ(Text(form, InvoiceForm::kSupplierName), L"Flour Mills Inc");
  m_lineInputs = {{m_flourId, 40, 6.0}};
  Command(frame, InvoiceForm::ID_NEW_LINE);
  EXPECT_TRUE(m_requests.back().income);
  dynamic_cast<wxCheckBox*>(form->FindWindow(InvoiceForm::kPaid))->SetValue(true);
  wxCommandEvent paid(wxEVT_CHECKBOX, InvoiceForm::kPaid);
  form->FindWindow(InvoiceForm::kPaid)->ProcessWindowEvent(paid);
  EXPECT_TRUE(form->FindWindow(InvoiceForm::kPaidDate)->IsEnabled());

  m_listener->heard.clear();
  Command(frame, InvoiceForm::ID_SAVE_INVOICE);
  EXPECT_FALSE(frame->IsModified());
  ASSERT_EQ(m_listener->heard.size(), 4u);
  EXPECT_EQ(m_listener->heard.back().first, RefreshMessages::ItemsInput());
  EXPECT_EQ(Stock(m_flourId), 50.0);
  EXPECT_EQ(Value(L"SELECT PAID FROM INVOICES"), L"1");
  EXPECT_EQ(Value(L"SELECT INVOICE_TYPE FROM INVOICES"), L"1");
  EXPECT_EQ(ReadSettingInt(kNextIncomeInvoiceNumKey, 0), 22);
}

TEST_F(InvoiceFormGui, MainFrameOpensTheRegisteredForm) {
  CQuennetApp::RegisterFormTemplate(kInvoiceFormTemplate, CreateInvoiceFrame, CreateInvoiceFormView);
  {
    CQuennetApp application;
    ASSERT_EQ(application.Startup(), CQuennetApp::StartupResult::Started);
    EXPECT_TRUE(CQuennetApp::CanOpenForm(kInvoiceFormTemplate));
    Command(application.GetMainFrame(), CMainFrame::ID_NEW_INVOICE);
    Pump();
    InvoiceFrame* opened = nullptr;
    for (wxWindow* window : wxTopLevelWindows)
      if (auto* frame = dynamic_cast<InvoiceFrame*>(window)) opened = frame;
    ASSERT_TRUE(opened);
    EXPECT_FALSE(opened->IsIncome());
    EXPECT_EQ(opened->GetTitle(), L"Outcome Invoice 0001/06");

    BaseFrameWnd* stored = application.OpenInvoiceForm(0, m_clientId, false);
    ASSERT_TRUE(dynamic_cast<InvoiceFrame*>(stored));
    EXPECT_EQ(dynamic_cast<InvoiceFrame*>(stored)->GetForm()->GetHeader().to.name, L"Mountain Bakery Ltd");
  }
  CQuennetApp::UnregisterFormTemplate(kInvoiceFormTemplate);
}

// Ending the program asks every modified form first: File > Exit, closing
// the main window, and SIGTERM / SIGINT alike. Cancel keeps the program (and
// its database) running.
class EndingTheProgram : public InvoiceFormGui {
protected:
  void SetUp() override {
    InvoiceFormGui::SetUp();
    CQuennetApp::RegisterFormTemplate(kInvoiceFormTemplate, CreateInvoiceFrame, CreateInvoiceFormView);
    m_app = std::make_unique<CQuennetApp>();
    ASSERT_EQ(m_app->Startup(), CQuennetApp::StartupResult::Started);
    m_main = m_app->GetMainFrame();
    m_invoice = dynamic_cast<InvoiceFrame*>(m_app->OpenInvoiceForm(0, m_clientId, false));
    ASSERT_TRUE(m_invoice);
    Pump();
    Choose(m_invoice->GetForm(), InvoiceForm::kDays,
           IndexOf(m_invoice->GetForm(), InvoiceForm::kDays, L"Thirty days"));
    ASSERT_TRUE(m_invoice->IsModified());
  }
  void TearDown() override {
    RestoreTerminateSignals();
    m_app.reset();
    CQuennetApp::UnregisterFormTemplate(kInvoiceFormTemplate);
    InvoiceFormGui::TearDown();
  }
  bool MainWindowOpen() const { return m_app->GetMainFrame() && !m_app->GetMainFrame()->IsBeingDeleted(); }
  bool InvoiceOpen() const {
    for (wxWindow* window : wxTopLevelWindows)
      if (window == m_invoice && !window->IsBeingDeleted()) return true;
    return false;
  }

  std::unique_ptr<CQuennetApp> m_app;
  CMainFrame* m_main = nullptr;
  InvoiceFrame* m_invoice = nullptr;
};

TEST_F(EndingTheProgram, ExitAsksForTheModifiedInvoiceAndCancelKeepsEverything) {
  m_messages.QueueAnswer(platform::IDCANCEL);
  Command(m_main, wxID_EXIT);
  Pump();
  ASSERT_EQ(m_messages.Shown().size(), 1u);
  EXPECT_EQ(m_messages.Shown()[0].text, kSaveChangesQuestion);
  EXPECT_EQ(m_messages.Shown()[0].style, platform::MB_YESNOCANCEL | platform::MB_ICONQUESTION);
  EXPECT_TRUE(MainWindowOpen());
  EXPECT_TRUE(InvoiceOpen());
  EXPECT_TRUE(m_invoice->IsModified());

  // Yes saves the invoice, then the program ends.
  m_messages.QueueAnswer(platform::IDYES);
  Command(m_main, wxID_EXIT);
  Pump();
  EXPECT_EQ(m_messages.Shown().size(), 2u);
  EXPECT_FALSE(MainWindowOpen());
  EXPECT_EQ(Value(L"SELECT DAYS_CONDITION FROM INVOICES"), L"30");
  EXPECT_EQ(Count(L"INVOICES", L"1 = 1"), 1);
}

TEST_F(EndingTheProgram, ClosingTheMainWindowWithNoDiscardsWithoutAskingAgain) {
  m_messages.QueueAnswer(platform::IDNO);
  EXPECT_TRUE(m_main->Close());
  Pump();
  EXPECT_EQ(m_messages.Shown().size(), 1u);
  EXPECT_FALSE(MainWindowOpen());
  EXPECT_EQ(Count(L"INVOICES", L"1 = 1"), 0);
}

TEST_F(EndingTheProgram, TerminateSignalClosesAsExitDoesAndKeepsTheDatabaseAlive) {
  ASSERT_TRUE(CloseMainWindowOnTerminateSignals());
  m_messages.QueueAnswer(platform::IDCANCEL);
  std::raise(SIGTERM);
  // The signal reaches the event loop through GLib's signal thread.
  ASSERT_TRUE(WaitFor([&] { return !m_messages.Shown().empty(); }));
  Pump();
  ASSERT_EQ(m_messages.Shown().size(), 1u);
  EXPECT_EQ(m_messages.Shown()[0].text, kSaveChangesQuestion);
  EXPECT_TRUE(MainWindowOpen());
  // The database client did not shut its engine down: saving still works.
  Command(m_invoice, InvoiceForm::ID_SAVE_INVOICE);
  EXPECT_EQ(m_messages.Shown().size(), 1u);
  EXPECT_EQ(Count(L"INVOICES", L"1 = 1"), 1);

  // With nothing modified SIGINT ends at once.
  std::raise(SIGINT);
  EXPECT_TRUE(WaitFor([&] { return !MainWindowOpen(); }));
  EXPECT_EQ(m_messages.Shown().size(), 1u);
}

}  // namespace
}  // namespace corvane::test
