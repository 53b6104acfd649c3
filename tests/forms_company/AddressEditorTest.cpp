#include "forms/company/AddressEditor.h"

#include <gtest/gtest.h>

#include "data/ChangeSet.h"
#include "data/objects/Country.h"
#include "data/objects/CountryRef.h"
#include "tests/forms_dialogs/DialogsFixture.h"

namespace corvane::test {
namespace {

class AddressEditorTest : public DialogsTest {
protected:
  int StoreCountry(const std::wstring& name) {
    Invoice::Country country;
    country.SetName(name);
    return StoreObject(country);
  }
  int StoreRef(int countryId, const std::wstring& name, int kind) {
    Invoice::CountryRef ref;
    ref.SetName(name);
    ref.SetRefType(kind);
    ref.SetCountryId(countryId);
    return StoreObject(ref);
  }
  std::vector<std::wstring> Names(const std::vector<NamedId>& list) {
    std::vector<std::wstring> names;
    for (const NamedId& entry : list) names.push_back(entry.name);
    return names;
  }
};

TEST_F(AddressEditorTest, AStoredAddressKeepsItsHandMadeBlockThroughOk) {
  const int company = StoreCompany(L"Brenner");
  Invoice::Address stored;
  stored.SetName(L"Office");
  stored.SetAddressLine1(L"Main Street 1");
  stored.SetDisplayBox(L"Brenner & Co\r\nby hand");
  stored.SetDisplayEditEnabled(true);
  stored.SetCompanyId(company);
  const int id = StoreObject(stored);
  ChangeSet changes;
  changes.Add(Invoice::Address(id));

  AddressEditor editor(&changes, id, 0);
  editor.Load();
  EXPECT_TRUE(editor.manualDisplay);
  EXPECT_EQ(editor.GetCompanyId(), company);
  editor.fields.line1 = L"Side Street 2";
  editor.Compose();
  EXPECT_EQ(editor.display, L"Brenner & Co\r\nby hand");
  EXPECT_EQ(editor.Record(), id);
  auto* recorded = dynamic_cast<Invoice::Address*>(changes.Find(id));
  ASSERT_NE(recorded, nullptr);
  EXPECT_TRUE(recorded->GetDisplayEditEnabled());
  EXPECT_EQ(recorded->GetDisplayBox(), L"Brenner & Co\r\nby hand");
  EXPECT_EQ(recorded->GetAddressLine1(), L"Side Street 2");
  EXPECT_EQ(changes.GetState(id), ChangeSet::kUpdated);
}

TEST_F(AddressEditorTest, ANewAddressGetsATemporaryIdAndItsComposedBlock) {
  ChangeSet changes;
  AddressEditor editor(&changes, 0, 12);
  editor.fields = {L"Main Street 1", L"", L"", L"1000", L"Ljubljana", L"", L"Slovenia"};
  editor.Compose();
  const int32_t id = editor.Record();
  EXPECT_LT(id, 0);
  auto* recorded = dynamic_cast<Invoice::Address*>(changes.Find(id));
  ASSERT_NE(recorded, nullptr);
  EXPECT_EQ(recorded->GetDisplayBox(), L"Main Street 1\r\n1000 Ljubljana\r\nSlovenia");
  EXPECT_EQ(recorded->GetCompanyId(), 12);
  EXPECT_EQ(CountRows(L"ADDRESSES"), 0);  // nothing written before the company is saved
}

TEST_F(AddressEditorTest, ReferencesAreMatchedExactlyAndNeverRenamed) {
  const int slovenia = StoreCountry(L"Slovenia");
  StoreRef(slovenia, L"Ljubljana", AddressEditor::kCity);
  StoreCountry(L"Slovakia");

  AddressEditor editor(nullptr, 0, 0);
  // "Slov%" would match both as a pattern; it is a new country of its own.
  editor.fields = {L"", L"", L"", L"", L"Ljubljana", L"", L"Slov%"};
  editor.SaveReferences();
  EXPECT_EQ(Column(L"SELECT NAME FROM COUNTRIES ORDER BY NAME"),
            (std::vector<std::wstring>{L"Slov%", L"Slovakia", L"Slovenia"}));

  // A known country and city in another case are other names: Slovenia stays
  // as it is, and its city list gains "ljubljana" beside "Ljubljana".
  editor.fields = {L"", L"", L"", L"", L"ljubljana", L"Gorenjska", L"Slovenia"};
  editor.SaveReferences();
  EXPECT_EQ(Column(L"SELECT NAME FROM COUNTRIES ORDER BY NAME"),
            (std::vector<std::wstring>{L"Slov%", L"Slovakia", L"Slovenia"}));
  EXPECT_EQ(Names(AddressEditor::RefsOfCountry(L"Slovenia", AddressEditor::kCity)),
            (std::vector<std::wstring>{L"Ljubljana", L"ljubljana"}));
  EXPECT_EQ(Names(AddressEditor::RefsOfCountry(L"Slovenia", AddressEditor::kState)),
            (std::vector<std::wstring>{L"Gorenjska"}));

  // Saving the same again adds nothing.
  const int before = CountRows(L"COUNTRIES_REF");
  editor.SaveReferences();
  EXPECT_EQ(CountRows(L"COUNTRIES_REF"), before);
  EXPECT_TRUE(AddressEditor::RefsOfCountry(L"Slov", AddressEditor::kCity).empty());
}

TEST_F(AddressEditorTest, WithoutACountryNoReferenceIsWritten) {
  // A city needs the country whose list it joins; the address keeps it anyway.
  AddressEditor editor(nullptr, 0, 0);
  editor.fields.city = L"Kranj";
  editor.fields.state = L"Gorenjska";
  EXPECT_NO_THROW(editor.SaveReferences());
  EXPECT_EQ(CountRows(L"COUNTRIES_REF"), 0);
  EXPECT_EQ(CountRows(L"COUNTRIES"), 0);
}

}  // namespace
}  // namespace corvane::test
