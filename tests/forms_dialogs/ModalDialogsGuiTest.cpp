// Every dialog opened for real, modally, and closed again; the payment
// launcher's run with OK and with Cancel.
#include <gtest/gtest.h>

#include <wx/combobox.h>
#include <wx/textctrl.h>

#include "DialogsFixture.h"
#include "ModalScript.h"
#include "forms/dialogs/CVersionDlg.h"
#include "forms/dialogs/OptionsDlg.h"
#include "forms/dialogs/PaymentDlg.h"
#include "forms/dialogs/PaymentDlgLauncher.h"
#include "forms/dialogs/RefDataDlg.h"
#include "forms/dialogs/RefDataEdit2Dlg.h"
#include "forms/dialogs/SearchDlg.h"
#include "common/ui/popup_menu.h"

namespace {

using corvane::test::ChooseMenuItem;
using corvane::test::Click;
using corvane::test::ModalScript;

class ModalDialogsGuiTest : public corvane::test::DialogsTest {
protected:
  // Runs the dialog modally while the script closes it; the modal result.
  template <class Dialog>
  int RunAndClose(Dialog& dialog, int closeButton) {
    ModalScript script;
    bool wasShown = false;
    script.Then<Dialog>([&](Dialog& shown) {
      wasShown = shown.IsShown();
      Click(&shown, closeButton);
    });
    const int result = dialog.ShowModal();
    EXPECT_TRUE(wasShown);
    EXPECT_TRUE(script.IsDone());
    return result;
  }
};

TEST_F(ModalDialogsGuiTest, EachDialogOpensModallyAndClosesWithItsCloseButton) {
  StoreCompany(L"Acme");
  {
    SearchDlg dialog(kSearchClients, nullptr, nullptr);
    EXPECT_EQ(RunAndClose(dialog, platform::IDCANCEL), platform::IDCANCEL);
    EXPECT_EQ(dialog.GetChosenId(), 0);
  }
  {
    ChangeSet changes;
    PaymentDlg dialog(&changes, 0, 10.0, 0, 0, 0, nullptr);
    EXPECT_EQ(RunAndClose(dialog, platform::IDCANCEL), platform::IDCANCEL);
    EXPECT_TRUE(changes.IsEmpty());
  }
  for (int kind : {0, 1, 2, 3, 4, 5}) {
    RefDataDlg dialog(kind, nullptr);
    EXPECT_EQ(RunAndClose(dialog, platform::IDCANCEL), platform::IDCANCEL) << kind;
  }
  {
    RefDataEdit2Dlg dialog(0, kRefTaxes, nullptr);
    EXPECT_EQ(RunAndClose(dialog, platform::IDCANCEL), platform::IDCANCEL);
  }
  {
    OptionsDlg dialog(nullptr);
    EXPECT_EQ(RunAndClose(dialog, platform::IDCANCEL), platform::IDCANCEL);
    ASSERT_NE(dialog.GetPage(), nullptr);
  }
  {
    CVersionDlg dialog(nullptr);
    EXPECT_EQ(RunAndClose(dialog, CVersionDlg::kCloseButton), CVersionDlg::kCloseButton);
    EXPECT_EQ(dialog.GetProgramVersion(), L"1.0.0.8");
    EXPECT_EQ(dialog.GetDatabaseVersion(), L"1.206");
  }
  EXPECT_TRUE(m_messages.Shown().empty());
}

TEST_F(ModalDialogsGuiTest, ThePaymentLauncherCopiesIdAndDateOnOkOnly) {
  const int acme = StoreCompany(L"Acme");
  const int own = StoreCompany(L"Own Company");
  const int invoice = StoreInvoice(L"2006-017", acme, own);
  ChangeSet changes;

  PaymentDlgLauncher cancelled(118.5, invoice, 0, 0);
  {
    ModalScript script;
    script.Then<PaymentDlg>([](PaymentDlg& dialog) { Click(&dialog, platform::IDCANCEL); });
    EXPECT_FALSE(cancelled.Run(changes, nullptr));
  }
  EXPECT_EQ(cancelled.GetPaymentId(), 0);
  EXPECT_DOUBLE_EQ(cancelled.GetPaidOn(), 0.0);
  EXPECT_TRUE(changes.IsEmpty());

  PaymentDlgLauncher accepted(118.5, invoice, 0, 0);
  std::wstring from, to, reference;
  {
    ModalScript script;
    script.Then<PaymentDlg>([&](PaymentDlg& dialog) {
      reference =
          static_cast<wxTextCtrl*>(dialog.FindWindow(PaymentDlg::kReference))->GetValue().ToStdWstring();
      from = static_cast<wxTextCtrl*>(dialog.FindWindow(PaymentDlg::kPayer))->GetValue().ToStdWstring();
      to = static_cast<wxTextCtrl*>(dialog.FindWindow(PaymentDlg::kReceiver))->GetValue().ToStdWstring();
      Click(&dialog, platform::IDOK);
    });
    EXPECT_TRUE(accepted.Run(changes, nullptr));
  }
  EXPECT_EQ(reference, L"Invoice: 2006-017");
  EXPECT_EQ(from, L"Client: Acme");
  EXPECT_EQ(to, L"Client: Own Company");
  EXPECT_LT(accepted.GetPaymentId(), 0);
  // The date the dialog held: the fixture's "now".
  EXPECT_DOUBLE_EQ(accepted.GetPaidOn(), Ole(2006, 3, 9, 14, 5, 7));
  const auto* payment = dynamic_cast<const Invoice::Payment*>(changes.Find(accepted.GetPaymentId()));
  ASSERT_NE(payment, nullptr);
  EXPECT_DOUBLE_EQ(payment->GetAmount(), 118.5);
  EXPECT_EQ(payment->GetCompanyPayingId(), acme);
}

TEST_F(ModalDialogsGuiTest, ThePayerChooserRunsTheAccountSearchInsideThePaymentDialog) {
  const int savings = StoreAccount(L"Savings");
  StoreAccount(L"Current");
  popup_menu::SetTrackHandler(ChooseMenuItem(L"Accounts"));
  ChangeSet changes;
  PaymentDlgLauncher launcher(0.0, 0, 0, 0);
  std::wstring caption, payer;
  {
    ModalScript script;
    script.Then<PaymentDlg>([](PaymentDlg& dialog) { Click(&dialog, PaymentDlg::kPayerButton); })
        .Then<SearchDlg>([&](SearchDlg& search) {
          caption = search.GetTitle().ToStdWstring();
          search.GetSearchBox()->SetValue(L"sav");
          Click(&search, SearchDlg::kSearchButton);
          search.GetList()->SelectRow(0);
          Click(&search, platform::IDOK);
        })
        .Then<PaymentDlg>([&](PaymentDlg& dialog) {
          payer = static_cast<wxTextCtrl*>(dialog.FindWindow(PaymentDlg::kPayer))->GetValue().ToStdWstring();
          Click(&dialog, platform::IDOK);
        });
    EXPECT_TRUE(launcher.Run(changes, nullptr));
    EXPECT_TRUE(script.IsDone());
  }
  popup_menu::SetTrackHandler(nullptr);
  EXPECT_EQ(caption, L"Search - Accounts");
  EXPECT_EQ(payer, L"Account: Savings");
  const auto* payment = dynamic_cast<const Invoice::Payment*>(changes.Find(launcher.GetPaymentId()));
  ASSERT_NE(payment, nullptr);
  EXPECT_EQ(payment->GetAccountPayingId(), savings);
  EXPECT_EQ(payment->GetCompanyPayingId(), 0);
}

}  // namespace
