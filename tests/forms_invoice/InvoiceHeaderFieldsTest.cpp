// Loading the invoice form's header from a new or stored invoice, choosing
// the parties and addresses, and the template the form saves and prints with.
#include "InvoiceFormFixture.h"

#include "forms/invoice/InvoiceHeaderFields.h"

namespace corvane::test {
namespace {

class InvoiceHeaderFieldsTest : public InvoiceFormTest {
protected:
  // A stored outcome invoice to the client.
  int StoreInvoice(int addressId, const std::wstring& box, int days, int templateId) {
    Invoice::Invoice invoice;
    invoice.SetInvoiceNum(L"0003/06");
    invoice.SetDate(platform::OleDateTime(2006, 2, 14, 9, 30).GetDate());
    invoice.SetCompanyId(m_clientId);
    invoice.SetCompanyIdFrom(m_myCompanyId);
    invoice.SetAddressId(addressId);
    invoice.SetDisplayBox(box);
    invoice.SetDisplayBoxFrom(L"Corvane Trading\nPort Road 7");
    invoice.SetDaysCondition(days);
    invoice.SetTemplateId(templateId);
    invoice.SetDiscountPercent(2.5);
    invoice.SetPaid(true);
    invoice.SetPaidOn(platform::OleDateTime(2006, 3, 1).GetDate());
    Committed([&] { invoice.Save(); });
    return invoice.GetId();
  }

  InvoiceHeaderFields Load(int invoiceId, int companyId = 0, bool income = false) {
    InvoiceHeaderFields header;
    header.LoadInvoice(invoiceId, companyId, income);
    header.FillChoices();
    header.FillMyCompany();
    return header;
  }
};

TEST_F(InvoiceHeaderFieldsTest, NewInvoiceIsOfferedTheNextNumberOfItsKind) {
  Committed([] {
    SetNextInvoiceNum(7);
    SetNextIncomeInvoiceNum(41);
  });
  const InvoiceHeaderFields outcome = Load(0);
  EXPECT_EQ(outcome.drawnNumber, 7);
  EXPECT_EQ(outcome.numberText, L"0007/06");
  EXPECT_EQ(outcome.titleText, L"I-ce 0007/06");
  EXPECT_EQ(outcome.GetCaption(), L"Outcome Invoice 0007/06");
  EXPECT_EQ(outcome.from.companyId, m_myCompanyId);
  EXPECT_EQ(outcome.from.name, L"Corvane Trading");
  EXPECT_EQ(outcome.from.myCompany.Items(), (std::vector<Choice>{{L"Corvane Trading", m_myCompanyId}}));
  EXPECT_EQ(outcome.from.myCompany.GetSelection(), 0);
  EXPECT_EQ(outcome.to.companyId, 0);

  const InvoiceHeaderFields income = Load(0, 0, true);
  EXPECT_EQ(income.invoiceType, 1);
  EXPECT_EQ(income.numberText, L"0041/06");
  EXPECT_EQ(income.GetCaption(), L"Income Invoice 0041/06");
  EXPECT_EQ(income.to.companyId, m_myCompanyId);
  EXPECT_EQ(income.to.myCompany.GetSelectedData(), m_myCompanyId);
  EXPECT_EQ(income.from.companyId, 0);

  // Opening does not move the counters.
  EXPECT_EQ(ReadSettingInt(kNextInvoiceNumKey, 0), 7);
  EXPECT_EQ(ReadSettingInt(kNextIncomeInvoiceNumKey, 0), 41);
}

TEST_F(InvoiceHeaderFieldsTest, NumberEndsInTheYearMinus2000) {
  EXPECT_EQ(FormatInvoiceNumber(7, 2006), L"0007/06");
  EXPECT_EQ(FormatInvoiceNumber(123, 2010), L"0123/10");
  EXPECT_EQ(FormatInvoiceNumber(12345, 2024), L"12345/24");
  EXPECT_EQ(FormatInvoiceNumber(1, 2100), L"0001/100");

  platform::SetNowOverride(platform::CivilTime{2010, 1, 2, 8, 0, 0});
  EXPECT_EQ(Load(0).numberText, L"0001/10");
}

TEST_F(InvoiceHeaderFieldsTest, NewInvoiceForAClientOffersItsAddressesPriceListAndDiscount) {
  Committed([] { SetOutputDefaultPriceGroup(99); });
  const InvoiceHeaderFields header = Load(0, m_clientId);
  EXPECT_EQ(header.to.companyId, m_clientId);
  EXPECT_EQ(header.to.name, L"Mountain Bakery Ltd");
  EXPECT_EQ(header.to.addresses.Items(),
            (std::vector<Choice>{{kEnterAddressMyself, 0}, {L"Office", m_officeId}, {L"Store", m_storeId}}));
  EXPECT_EQ(header.to.addresses.GetSelection(), 0);
  EXPECT_FALSE(header.to.addressReadOnly);
  EXPECT_EQ(header.linePriceListId, m_priceListId);
  EXPECT_EQ(header.lineDiscountPercent, 5.0);

  // Without a client the default outcome price list and no discount.
  const InvoiceHeaderFields plain = Load(0);
  EXPECT_EQ(plain.linePriceListId, 99);
  EXPECT_EQ(plain.lineDiscountPercent, 0.0);
  EXPECT_EQ(plain.to.addresses.Items(), (std::vector<Choice>{{kEnterAddressMyself, 0}}));
}

// An address stored without a caption is named by its block's first line,
// and one with nothing at all as "(empty)": no entry of the list is blank.
TEST_F(InvoiceHeaderFieldsTest, AddressesWithoutACaptionAreNamedInTheList) {
  int blockOnly = 0;
  int empty = 0;
  Committed([&] {
    blockOnly = NewAddress(m_clientId, L"", L"\r\n  Mill Lane 4\r\nBled");
    empty = NewAddress(m_supplierId, L"", L"");
  });
  const InvoiceHeaderFields header = Load(0, m_clientId);
  EXPECT_EQ(header.to.addresses.Items(), (std::vector<Choice>{{kEnterAddressMyself, 0},
                                                              {L"Mill Lane 4", blockOnly},
                                                              {L"Office", m_officeId},
                                                              {L"Store", m_storeId}}));
  const InvoiceHeaderFields supplier = Load(0, m_supplierId);
  EXPECT_EQ(supplier.to.addresses.Items(),
            (std::vector<Choice>{{kEnterAddressMyself, 0}, {L"(empty)", empty}}));
}

TEST_F(InvoiceHeaderFieldsTest, WithoutMyCompanyThatSideStaysEmpty) {
  Committed([] { SetMyCompanyId(0); });
  const InvoiceHeaderFields header = Load(0);
  EXPECT_EQ(header.from.companyId, 0);
  EXPECT_EQ(header.from.myCompany.GetCount(), 0);
  EXPECT_EQ(header.from.myCompany.GetSelectedData(), 0);
}

TEST_F(InvoiceHeaderFieldsTest, StoredInvoiceShowsItsOwnValues) {
  const int id = StoreInvoice(0, L"Typed by hand\nSomewhere", 30, m_fancyTemplateId);
  const InvoiceHeaderFields header = Load(id, 12345);
  EXPECT_EQ(header.invoiceId, id);
  EXPECT_EQ(header.numberText, L"0003/06");
  EXPECT_EQ(header.titleText, L"I-ce 0003/06");
  EXPECT_EQ(header.to.companyId, m_clientId);  // the invoice's own client, not the one given
  EXPECT_EQ(header.to.addressText, L"Typed by hand\nSomewhere");
  EXPECT_FALSE(header.to.addressReadOnly);  // address id 0: writable
  EXPECT_EQ(header.from.addressText, L"Corvane Trading\nPort Road 7");
  EXPECT_EQ(header.date, platform::OleDateTime(2006, 2, 14, 9, 30));
  EXPECT_TRUE(header.paid);
  EXPECT_EQ(header.paidDate, platform::OleDateTime(2006, 3, 1));
  EXPECT_EQ(header.discountPercent, 2.5);
  EXPECT_EQ(header.days.GetSelectedData(), 30);
  EXPECT_EQ(header.days.Items()[header.days.GetSelection()].text, L"Thirty days");
  EXPECT_EQ(header.templates.Items().front(), (Choice{kDefaultTemplateChoice, 0}));
  EXPECT_EQ(header.templates.GetSelectedData(), m_fancyTemplateId);
  EXPECT_EQ(header.GetTemplateIdToSave(), m_fancyTemplateId);
  EXPECT_EQ(header.linePriceListId, m_priceListId);
}

TEST_F(InvoiceHeaderFieldsTest, UnpaidInvoiceWithoutPaidDateShowsToday) {
  Invoice::Invoice unpaid;
  unpaid.SetInvoiceNum(L"0004/06");
  unpaid.SetDate(platform::OleDateTime(2006, 2, 1).GetDate());
  Committed([&] { unpaid.Save(); });  // PAID_ON stays NULL
  ASSERT_EQ(Value(L"SELECT PAID_ON FROM INVOICES"), L"NULL");
  const InvoiceHeaderFields header = Load(unpaid.GetId());
  EXPECT_FALSE(header.paid);
  EXPECT_EQ(header.paidDate, platform::OleDateTime(2006, 3, 9, 14, 5, 7));  // "now", not 1899
  EXPECT_EQ(header.date, platform::OleDateTime(2006, 2, 1));
}

TEST_F(InvoiceHeaderFieldsTest, StoredAddressShowsItsCurrentBlockReadOnly) {
  const int id = StoreInvoice(m_storeId, L"An old copy of the block", 0, 0);
  InvoiceHeaderFields header = Load(id);
  EXPECT_EQ(header.to.addresses.GetSelectedData(), m_storeId);
  EXPECT_EQ(header.to.addressText, kStoreBox);
  EXPECT_TRUE(header.to.addressReadOnly);

  // Back to "I'll enter it my self": the block stays, now writable.
  header.to.addresses.Select(0);
  header.ChooseAddress(header.to);
  EXPECT_EQ(header.to.addressText, kStoreBox);
  EXPECT_FALSE(header.to.addressReadOnly);
  // Another stored address replaces it.
  header.to.addresses.Select(header.to.addresses.FindData(m_officeId));
  header.ChooseAddress(header.to);
  EXPECT_EQ(header.to.addressText, kOfficeBox);
}

TEST_F(InvoiceHeaderFieldsTest, ChoosingAnotherClientKeepsTheTypedBlock) {
  int otherList = 0;
  int other = 0;
  Committed([&] {
    otherList = NewPriceList(L"Retail");
    other = NewCompany(L"Lake Hotel", otherList, 12.5);
  });
  InvoiceHeaderFields header = Load(0, m_clientId);
  header.to.addresses.Select(header.to.addresses.FindData(m_officeId));
  header.ChooseAddress(header.to);
  ASSERT_EQ(header.to.addressText, kOfficeBox);

  header.ChooseClient(other);
  EXPECT_EQ(header.to.companyId, other);
  EXPECT_EQ(header.to.name, L"Lake Hotel");
  EXPECT_EQ(header.to.addresses.Items(), (std::vector<Choice>{{kEnterAddressMyself, 0}}));
  EXPECT_EQ(header.to.addresses.GetSelection(), 0);
  EXPECT_EQ(header.to.addressText, kOfficeBox);
  EXPECT_FALSE(header.to.addressReadOnly);
  EXPECT_EQ(header.linePriceListId, otherList);
  EXPECT_EQ(header.lineDiscountPercent, 12.5);

  // A client without a price list gets the default one.
  Committed([] { SetOutputDefaultPriceGroup(77); });
  header.ChooseClient(m_supplierId);
  EXPECT_EQ(header.linePriceListId, 77);
  EXPECT_EQ(header.lineDiscountPercent, 0.0);

  // The supplier side changes nothing offered to new lines.
  header.ChooseSupplier(m_clientId);
  EXPECT_EQ(header.from.companyId, m_clientId);
  EXPECT_EQ(header.from.name, L"Mountain Bakery Ltd");
  EXPECT_EQ(header.from.addresses.GetCount(), 3);
  EXPECT_EQ(header.linePriceListId, 77);
}

TEST_F(InvoiceHeaderFieldsTest, DelayMatchingNoTermShowsNoSelection) {
  const InvoiceHeaderFields header = Load(StoreInvoice(0, L"", 45, 0));
  EXPECT_EQ(header.days.GetCount(), 2);
  EXPECT_EQ(header.days.GetSelection(), -1);
  EXPECT_EQ(header.days.GetSelectedData(), 0);
  // A new invoice has 0 days: "Cash".
  EXPECT_EQ(Load(0).days.Items()[Load(0).days.GetSelection()].text, L"Cash");
}

TEST_F(InvoiceHeaderFieldsTest, TemplateNotListedIsSavedAsDefaultAndPrintsWithTheDefault) {
  InvoiceHeaderFields header = Load(StoreInvoice(0, L"", 0, 4242));
  EXPECT_EQ(header.templates.GetSelection(), -1);
  EXPECT_EQ(header.GetTemplateIdToSave(), 0);
  EXPECT_EQ(header.GetPrintTemplateId(), 0);  // no default set either
  Committed([&] { SetDefaultTemplate(m_plainTemplateId); });
  EXPECT_EQ(header.GetPrintTemplateId(), m_plainTemplateId);

  header.templates.Select(0);  // "Default"
  EXPECT_EQ(header.GetTemplateIdToSave(), 0);
  EXPECT_EQ(header.GetPrintTemplateId(), m_plainTemplateId);
  header.templates.Select(header.templates.FindData(m_fancyTemplateId));
  EXPECT_EQ(header.GetTemplateIdToSave(), m_fancyTemplateId);
  EXPECT_EQ(header.GetPrintTemplateId(), m_fancyTemplateId);
}

TEST_F(InvoiceHeaderFieldsTest, ChoosingInTheMyCompanyListSetsThatSide) {
  InvoiceHeaderFields header = Load(0);
  header.from.myCompany.Select(-1);
  header.ChooseMyCompany(header.from);
  EXPECT_EQ(header.from.companyId, 0);
  header.from.myCompany.Select(0);
  header.ChooseMyCompany(header.from);
  EXPECT_EQ(header.from.companyId, m_myCompanyId);
}

}  // namespace
}  // namespace corvane::test
