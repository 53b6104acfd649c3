// Real keys in the invoice window (sent through the X server): Delete in the
// form's text fields deletes text, in the lines list it deletes the lines.
#include "InvoiceFormFixture.h"

#include <wx/app.h>
#include <wx/textctrl.h>
#include <wx/uiaction.h>

#include "common/ui/CBaseEdit.h"
#include "common/ui/DocTemplate.h"
#include "common/ui/Document.h"
#include "forms/invoice/InvoiceForm.h"
#include "forms/invoice/InvoiceFormDialogs.h"
#include "forms/invoice/InvoiceFrame.h"
#include "forms/invoice/InvoiceLinesList.h"
#include "platform/MessageBox.h"
#include "shell/FormArguments.h"
#include "shell/ui/BaseSaveFrame.h"
#include "GuiEvents.h"

namespace corvane::test {
namespace {

class InvoiceFrameKeysGui : public InvoiceFormTest {
protected:
  void SetUp() override {
    InvoiceFormTest::SetUp();
    platform::SetUserLocaleOverride(platform::LocaleInfo{});
    // "New" records one line of two bags of flour.
    InvoiceFormDialogs::SetLineEditor([this](const InvoiceLineRequest&, ChangeSet& lines, wxWindow*) {
      AddLine(lines, m_flourId, 2.0, 10.0);
      return true;
    });
  }
  void TearDown() override {
    for (wxWindow* window : std::vector<wxWindow*>(wxTopLevelWindows.begin(), wxTopLevelWindows.end())) {
      if (auto* frame = dynamic_cast<BaseSaveFrame*>(window)) frame->SetModified(false);
      window->Destroy();
    }
    PumpEvents();
    InvoiceFormDialogs::SetLineEditor(nullptr);
    platform::SetUserLocaleOverride(std::nullopt);
    InvoiceFormTest::TearDown();
  }

  // A new outgoing invoice with one line, shown, the line selected.
  InvoiceFrame* OpenWithOneLine() {
    auto* frame = dynamic_cast<InvoiceFrame*>(m_template.CreateNewFrame(m_document));
    EXPECT_TRUE(frame);
    if (!frame) return nullptr;
    frame->SetFormArguments(FormArguments{});
    DocTemplate::InitialUpdateFrame(frame);
    frame->Show();
    frame->Raise();
    PumpEvents();
    wxCommandEvent command(wxEVT_MENU, InvoiceForm::ID_NEW_LINE);
    command.SetEventObject(frame);
    frame->ProcessWindowEvent(command);
    EXPECT_EQ(frame->GetForm()->GetGrid()->GetRowCount(), 1u);
    frame->GetForm()->GetGrid()->SelectRow(0);
    return frame;
  }

  Document m_document;
  DocTemplate m_template{InvoiceFrame::kResourceId, CreateInvoiceFrame, CreateInvoiceFormView};
};

// Delete deletes the character after the caret in each text field, with a
// line selected, and neither asks about nor deletes the line.
TEST_F(InvoiceFrameKeysGui, TheDeleteKeyDeletesTextInTheFields) {
  InvoiceFrame* frame = OpenWithOneLine();
  ASSERT_TRUE(frame);
  InvoiceForm* form = frame->GetForm();
  auto* from = dynamic_cast<wxTextCtrl*>(form->FindWindow(InvoiceForm::kFromAddress));
  auto* discount = dynamic_cast<wxTextCtrl*>(form->FindWindow(InvoiceForm::kDiscountPercent));
  ASSERT_TRUE(from && discount);
  from->SetValue(L"Port Road 7");
  discount->SetValue(L"12.00");
  struct Case {
    wxTextCtrl* field;
    const wchar_t* after;
  };
  const Case cases[] = {{from, L"ort Road 7"}, {discount, L"2.00"}};
  wxUIActionSimulator keys;
  for (const Case& c : cases) {
    c.field->SetFocus();
    ASSERT_TRUE(WaitFor([&] { return wxWindow::FindFocus() == c.field; }));
    c.field->SetInsertionPoint(0);
    keys.Char(WXK_DELETE);
    EXPECT_TRUE(WaitFor([&] { return c.field->GetValue() == c.after; })) << c.field->GetValue();
  }
  PumpFor(100);
  EXPECT_TRUE(m_messages.Shown().empty());
  EXPECT_EQ(form->GetGrid()->GetRowCount(), 1u);
}

// In the lines list Delete asks, over this window, about the selected lines
// and, answered Yes, deletes them.
TEST_F(InvoiceFrameKeysGui, TheDeleteKeyInTheLinesDeletesTheSelectedLine) {
  InvoiceFrame* frame = OpenWithOneLine();
  ASSERT_TRUE(frame);
  InvoiceLinesList* grid = frame->GetForm()->GetGrid();
  grid->SetFocus();
  ASSERT_TRUE(WaitFor([&] {
    for (wxWindow* w = wxWindow::FindFocus(); w; w = w->GetParent())
      if (w == grid) return true;
    return false;
  }));
  m_messages.QueueAnswer(platform::IDYES);
  wxUIActionSimulator keys;
  keys.Char(WXK_DELETE);
  ASSERT_TRUE(WaitFor([&] { return m_messages.Shown().size() == 1; }));
  EXPECT_EQ(m_messages.Shown()[0].text.find(L"Are you sure"), 0u) << m_messages.Shown()[0].text;
  EXPECT_EQ(wxGetTopLevelParent(m_messages.Shown()[0].owner), frame);
  EXPECT_TRUE(WaitFor([&] { return grid->GetRowCount() == 0; }));
}

}  // namespace
}  // namespace corvane::test
