// Users with forms open on the same object of one server database, each a
// program of its own (corvane_form_user): a form saved after another user
// saved the same object is refused, stores nothing, and once it has read
// what is stored the change made again is stored on top of the other one.
#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "FirebirdServer.h"
#include "ServerQuery.h"
#include "TestEnvironment.h"
#include "data/Connection.h"
#include "platform/TextCodec.h"

namespace {

using corvane::test::FirebirdServer;

class StaleForm : public ::testing::Test {
protected:
  void SetUp() override {
    setenv("XDG_CONFIG_HOME", (m_dir / "config").c_str(), 1);
    m_server = std::make_unique<FirebirdServer>(m_dir / "server");
    m_path = m_server->DatabasePath("office.fdb");
    std::string output;
    ASSERT_EQ(m_server->Run({CORVANE_NEWDB, m_path}, &output), 0) << output;
    ASSERT_EQ(m_server->Run({CORVANE_FORM_USER, "seed", m_path}, &output), 0) << output;
    std::istringstream seeded(output);
    std::string word;
    seeded >> word >> m_client >> word >> m_invoice >> word >> m_flour >> m_seeds;
    ASSERT_GT(m_invoice, 0) << output;
  }
  void TearDown() override {
    m_server.reset();
    unsetenv("ISC_USER");
    unsetenv("ISC_PASSWORD");
  }

  // A user's form program, started; it has read its object when this returns.
  struct User {
    pid_t pid = -1;
    std::filesystem::path output;
    std::filesystem::path gate;
  };
  User Open(const std::string& name, std::vector<std::string> arguments) {
    User user{-1, m_dir / (name + ".out"), m_dir / (name + ".gate")};
    arguments.push_back(user.gate.string());
    user.pid = m_server->Start(arguments, user.output);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::minutes(3);
    while (FirebirdServer::ReadFile(user.output).find("READ") == std::string::npos &&
           std::chrono::steady_clock::now() < deadline)
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    return user;
  }
  // Lets the user save; what the program printed, and its exit code.
  std::string Save(const User& user, int* code = nullptr) {
    std::ofstream(user.gate) << "";
    const int exit = FirebirdServer::Wait(user.pid);
    if (code) *code = exit;
    return FirebirdServer::ReadFile(user.output);
  }
  // discount "-" leaves the invoice discount as the form read it.
  std::vector<std::string> EditInvoice(int itemId, double quantity, const std::string& discount) {
    return {CORVANE_FORM_USER,      "edit-invoice",           m_path,  std::to_string(m_invoice),
            std::to_string(itemId), std::to_string(quantity), discount};
  }
  std::vector<std::string> EditClient(const std::string& field, const std::string& value) {
    return {CORVANE_FORM_USER, "edit-client", m_path, std::to_string(m_client), field, value};
  }

  // One value of a query, through a connection of this process.
  std::wstring Query(const std::wstring& sql) { return corvane::test::QueryServer(m_path, sql); }
  double Number(const std::wstring& sql) { return std::stod(platform::ToUtf8(Query(sql))); }
  std::wstring InvoiceColumn(const std::wstring& column) {
    return Query(L"SELECT " + column + L" FROM INVOICES WHERE OBJECT_ID = " + std::to_wstring(m_invoice));
  }
  // What the stored lines come to, less the stored invoice discount.
  double LinesLessDiscount() {
    const double lines =
        Number(L"SELECT SUM(QUANTITY * BASE_PRICE) FROM ITEM_OUTPUT WHERE INVOICE_OBJECT_ID = " +
               std::to_wstring(m_invoice));
    return lines - lines * Number(L"SELECT DISCOUNT_PERCENT FROM INVOICES") / 100.0;
  }

  const std::string m_refusedThenSaved =
      "READ\nREFUSED " + platform::ToUtf8(kConcurrentChangeText) + "\nSAVED\n";
  corvane::test::TempDir m_dir;
  std::unique_ptr<FirebirdServer> m_server;
  std::string m_path;
  int m_client = 0;
  int m_invoice = 0;
  int m_flour = 0;
  int m_seeds = 0;
};

// A and B open one invoice of two lines (2 x 30.00 each, 120.00). A sets the
// flour line to 3 and a 10 % discount and saves; B then saves the seeds line
// set to 1. B is refused; read anew, B's change goes on top of A's: the
// stored total is what the stored lines come to, and A's discount is kept.
TEST_F(StaleForm, TwoUsersSavingOneInvoiceKeepTheTotalAndTheDiscount) {
  const User a = Open("a", EditInvoice(m_flour, 3, "10"));
  const User b = Open("b", EditInvoice(m_seeds, 1, "-"));
  int code = -1;
  EXPECT_EQ(Save(a, &code), "READ\nSAVED\n");
  EXPECT_EQ(code, 0);
  EXPECT_EQ(Number(L"SELECT TOTAL_AMOUNT FROM INVOICES"), 135.0);

  EXPECT_EQ(Save(b, &code), m_refusedThenSaved);
  EXPECT_EQ(code, 0);
  EXPECT_EQ(Number(L"SELECT TOTAL_AMOUNT FROM INVOICES"), 108.0);
  EXPECT_EQ(Number(L"SELECT TOTAL_AMOUNT FROM INVOICES"), LinesLessDiscount());
  EXPECT_EQ(Number(L"SELECT DISCOUNT_PERCENT FROM INVOICES"), 10.0);
  EXPECT_EQ(Number(L"SELECT SUM(QUANTITY) FROM ITEM_OUTPUT"), 4.0);
  EXPECT_EQ(Number(L"SELECT QUANTITY_ON_STOCK FROM ITEMS WHERE OBJECT_ID = " + std::to_wstring(m_flour)),
            997.0);
  EXPECT_EQ(Number(L"SELECT QUANTITY_ON_STOCK FROM ITEMS WHERE OBJECT_ID = " + std::to_wstring(m_seeds)),
            999.0);
  EXPECT_EQ(Query(L"SELECT COUNT(*) FROM ITEM_OUTPUT"), L"2");
}

// An invoice form is open while another user's Accept Payment pays the
// invoice in full. The form's save would store it unpaid: it is refused, and
// read anew the form saves it paid, with the payment's date.
TEST_F(StaleForm, AnInvoiceFormDoesNotUndoAPaymentSavedMeanwhile) {
  const User form = Open("form", EditInvoice(m_flour, 2, "-"));
  std::string output;
  ASSERT_EQ(m_server->Run({CORVANE_FORM_USER, "accept-payment", m_path, std::to_string(m_invoice)}, &output),
            0)
      << output;
  EXPECT_EQ(InvoiceColumn(L"PAID"), L"1");
  const std::wstring paidOn = InvoiceColumn(L"PAID_ON");
  ASSERT_FALSE(paidOn.empty());

  EXPECT_EQ(Save(form), m_refusedThenSaved);
  EXPECT_EQ(InvoiceColumn(L"PAID"), L"1");
  EXPECT_EQ(InvoiceColumn(L"PAID_ON"), paidOn);
}

// Two client forms: a rename saved in the first is not undone by a
// discount saved in the second.
TEST_F(StaleForm, TwoClientFormsKeepBothChanges) {
  const User rename = Open("rename", EditClient("NAME", "Valley Bakery Ltd"));
  const User discount = Open("discount", EditClient("DISCOUNT", "4.5"));
  EXPECT_EQ(Save(rename), "READ\nSAVED\n");
  EXPECT_EQ(Save(discount), m_refusedThenSaved);
  const std::wstring where = L" FROM COMPANIES WHERE OBJECT_ID = " + std::to_wstring(m_client);
  EXPECT_EQ(Query(L"SELECT NAME" + where), L"Valley Bakery Ltd");
  EXPECT_EQ(Number(L"SELECT DEFAULT_DISCOUNT" + where), 4.5);
}

}  // namespace
