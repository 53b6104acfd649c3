#include "forms/dialogs/PaymentEditor.h"

#include <gtest/gtest.h>

#include "DialogsFixture.h"
#include "data/objects/Item.h"

namespace {

using Side = PaymentEditor::Side;
using Kind = PaymentEditor::PartyKind;

class PaymentEditorTest : public corvane::test::DialogsTest {
protected:
  void SetUp() override {
    DialogsTest::SetUp();
    m_acme = StoreCompany(L"Acme");
    m_own = StoreCompany(L"Own Company");
    m_bank = StoreAccount(L"Current account", m_own);
  }

  // A stored payment from Acme to the own company's account.
  int StorePayment(double amount) {
    Invoice::Payment payment;
    payment.SetAmount(amount);
    payment.SetDescription(L"March rent");
    payment.SetCompanyPayingId(m_acme);
    payment.SetAccountReceivingId(m_bank);
    payment.SetCompanyReceivingId(m_own);
    payment.SetPaidOn(Ole(2006, 2, 15, 10, 30));
    return StoreObject(payment);
  }

  const Invoice::Payment& Recorded(int id) {
    const auto* payment = dynamic_cast<const Invoice::Payment*>(m_changes.Find(id));
    EXPECT_NE(payment, nullptr);
    static const Invoice::Payment none;
    return payment ? *payment : none;
  }

  int m_acme = 0;
  int m_own = 0;
  int m_bank = 0;
  ChangeSet m_changes;
};

TEST_F(PaymentEditorTest, AcceptingAPaymentOfAnInvoiceTakesItsClientAndIssuer) {
  const int invoice = StoreInvoice(L"2006-017", m_acme, m_own);
  PaymentEditor editor(&m_changes, 0, 118.5, invoice, 0, 0);
  editor.Load();
  EXPECT_EQ(editor.GetReferenceText(), L"Invoice: 2006-017");
  EXPECT_EQ(editor.GetPartyId(Side::Payer), m_acme);
  EXPECT_EQ(editor.GetPartyText(Side::Payer), L"Client: Acme");
  EXPECT_EQ(editor.GetPartyId(Side::Receiver), m_own);
  EXPECT_EQ(editor.GetPartyText(Side::Receiver), L"Client: Own Company");
  EXPECT_DOUBLE_EQ(editor.GetAmount(), 118.5);
  // A new payment starts at the current local date and time.
  EXPECT_DOUBLE_EQ(editor.GetDate().GetDate(), Ole(2006, 3, 9, 14, 5, 7));
}

TEST_F(PaymentEditorTest, PresetPartiesAreKeptAndAccountsReadAsAccounts) {
  const int invoice = StoreInvoice(L"2006-018", m_acme, m_own);
  PaymentEditor editor(&m_changes, 0, 0.0, invoice, 0, m_bank);
  editor.Load();
  EXPECT_EQ(editor.GetPartyText(Side::Payer), L"Client: Acme");
  EXPECT_EQ(editor.GetPartyId(Side::Receiver), m_bank);
  EXPECT_EQ(editor.GetPartyText(Side::Receiver), L"Account: Current account");
}

TEST_F(PaymentEditorTest, SavingANewPaymentRecordsItUnderATemporaryId) {
  const int invoice = StoreInvoice(L"2006-019", m_acme, m_own);
  PaymentEditor editor(&m_changes, 0, 0.0, invoice, 0, 0);
  editor.Load();
  editor.SetAmount(99.25);
  editor.SetDescription(L"Partly paid");
  editor.ChooseParty(Side::Receiver, Kind::Account, m_bank);
  editor.SetDate(platform::OleDateTime(2006, 3, 10, 9, 0));
  editor.Save();

  EXPECT_LT(editor.GetPaymentId(), 0);
  EXPECT_EQ(m_changes.GetState(editor.GetPaymentId()), ChangeSet::kUpdated);
  const Invoice::Payment& payment = Recorded(editor.GetPaymentId());
  EXPECT_DOUBLE_EQ(payment.GetAmount(), 99.25);
  EXPECT_EQ(payment.GetDescription(), L"Partly paid");
  EXPECT_EQ(payment.GetReferenceObjectId(), invoice);
  EXPECT_EQ(payment.GetCompanyPayingId(), m_acme);
  EXPECT_EQ(payment.GetAccountPayingId(), 0);
  EXPECT_EQ(payment.GetCompanyReceivingId(), 0);
  EXPECT_EQ(payment.GetAccountReceivingId(), m_bank);
  EXPECT_DOUBLE_EQ(payment.GetPaidOn(), Ole(2006, 3, 10, 9, 0));
  // Nothing reached the database.
  EXPECT_EQ(CountRows(L"PAYMENTS"), 0);
}

TEST_F(PaymentEditorTest, AStoredPaymentIsReadWithTheAccountBeforeTheCompany) {
  const int id = StorePayment(40.0);
  PaymentEditor editor(&m_changes, id, 0.0, 0, 0, 0);
  editor.Load();
  EXPECT_DOUBLE_EQ(editor.GetAmount(), 40.0);
  EXPECT_EQ(editor.GetDescription(), L"March rent");
  EXPECT_EQ(editor.GetPartyText(Side::Payer), L"Client: Acme");
  EXPECT_EQ(editor.GetPartyId(Side::Receiver), m_bank);
  EXPECT_EQ(editor.GetPartyText(Side::Receiver), L"Account: Current account");
  EXPECT_DOUBLE_EQ(editor.GetDate().GetDate(), Ole(2006, 2, 15, 10, 30));
}

TEST_F(PaymentEditorTest, AnEditPendingInTheChangeSetIsWhereTheNextEditStarts) {
  const int id = StorePayment(40.0);
  {
    PaymentEditor first(&m_changes, id, 0.0, 0, 0, 0);
    first.Load();
    first.SetAmount(55.0);
    first.ClearParty(Side::Payer);
    first.Save();
  }
  PaymentEditor second(&m_changes, id, 0.0, 0, 0, 0);
  second.Load();
  EXPECT_DOUBLE_EQ(second.GetAmount(), 55.0);
  EXPECT_EQ(second.GetPartyId(Side::Payer), 0);
  EXPECT_EQ(second.GetPartyText(Side::Payer), L"");
}

TEST_F(PaymentEditorTest, ANewPaymentPendingInTheChangeSetReopensUnderItsTemporaryId) {
  PaymentEditor first(&m_changes, 0, 12.0, 0, m_acme, 0);
  first.Load();
  first.Save();
  const int temporaryId = first.GetPaymentId();

  PaymentEditor second(&m_changes, temporaryId, 0.0, 0, 0, 0);
  second.Load();
  EXPECT_DOUBLE_EQ(second.GetAmount(), 12.0);
  EXPECT_EQ(second.GetPartyText(Side::Payer), L"Client: Acme");
  second.SetAmount(13.0);
  second.Save();
  EXPECT_EQ(second.GetPaymentId(), temporaryId);
  EXPECT_EQ(m_changes.Size(), 1u);
  EXPECT_DOUBLE_EQ(Recorded(temporaryId).GetAmount(), 13.0);
}

TEST_F(PaymentEditorTest, ClearingThePayerOfAStoredPaymentRemovesBothPayingIds) {
  const int id = StorePayment(40.0);
  PaymentEditor editor(&m_changes, id, 0.0, 0, 0, 0);
  editor.Load();
  editor.ClearParty(Side::Payer);
  editor.Save();
  EXPECT_EQ(editor.GetPaymentId(), id);
  const Invoice::Payment& payment = Recorded(id);
  EXPECT_EQ(payment.GetCompanyPayingId(), 0);
  EXPECT_EQ(payment.GetAccountPayingId(), 0);
  EXPECT_EQ(payment.GetAccountReceivingId(), m_bank);
}

TEST_F(PaymentEditorTest, AnIdOfNeitherACompanyNorAnAccountShowsNothingAndChangesNothing) {
  const int id = StorePayment(40.0);
  const int item = StoreItem(L"Bolt");
  EXPECT_EQ(PaymentEditor::DescribeParty(item), L"");
  EXPECT_EQ(PaymentEditor::DescribeParty(item + 1000), L"");  // no object at all

  PaymentEditor editor(&m_changes, id, 0.0, 0, 0, 0);
  editor.Load();
  editor.ChooseParty(Side::Payer, Kind::Client, item);
  editor.Save();
  EXPECT_EQ(Recorded(id).GetCompanyPayingId(), m_acme);
  EXPECT_EQ(Recorded(id).GetAccountPayingId(), 0);
}

TEST_F(PaymentEditorTest, ChoosingAPartySwitchesBetweenCompanyAndAccount) {
  const int id = StorePayment(40.0);
  PaymentEditor editor(&m_changes, id, 0.0, 0, 0, 0);
  editor.Load();
  editor.ChooseParty(Side::Payer, Kind::Account, m_bank);
  editor.ChooseParty(Side::Receiver, Kind::Client, m_acme);
  EXPECT_EQ(editor.GetPartyText(Side::Payer), L"Account: Current account");
  EXPECT_EQ(editor.GetPartyText(Side::Receiver), L"Client: Acme");
  editor.Save();
  const Invoice::Payment& payment = Recorded(id);
  EXPECT_EQ(payment.GetCompanyPayingId(), 0);
  EXPECT_EQ(payment.GetAccountPayingId(), m_bank);
  EXPECT_EQ(payment.GetCompanyReceivingId(), m_acme);
  EXPECT_EQ(payment.GetAccountReceivingId(), 0);
}

TEST_F(PaymentEditorTest, AReferenceThatIsNoInvoiceGivesNoReferenceText) {
  PaymentEditor editor(&m_changes, 0, 0.0, m_acme, 0, 0);
  editor.Load();
  EXPECT_EQ(editor.GetReferenceText(), L"");
  EXPECT_EQ(editor.GetPartyId(Side::Payer), 0);
}

TEST_F(PaymentEditorTest, AFailedLoadKeepsWhatWasReadBefore) {
  PaymentEditor editor(&m_changes, 0, 5.0, m_acme + 1000, m_acme, 0);  // the reference names nothing
  EXPECT_EQ(corvane::test::FailureText([&] { editor.Load(); }), L"Object not found!");
  EXPECT_DOUBLE_EQ(editor.GetAmount(), 5.0);
  EXPECT_EQ(editor.GetPartyText(Side::Payer), L"");
}

}  // namespace
