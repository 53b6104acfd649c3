// The phone dialog's country-code list opened with the real pointer: it
// opens wide enough to read while the box beside the region stays narrow.
// Opening a list grabs the pointer, so these run alone.
#include <gtest/gtest.h>

#include <dlfcn.h>
#include <wx/combobox.h>
#include <wx/uiaction.h>

#include <utility>

#include "data/ChangeSet.h"
#include "data/objects/PhoneCode.h"
#include "forms/company/CPhoneDlg.h"
#include "tests/forms_dialogs/DialogsFixture.h"
#include "tests/support/GuiEvents.h"

namespace corvane::test {
namespace {

// The list a GTK combo box opens, as GTK holds it (its menu, or its tree
// view in list mode), and the box's entry; GTK's headers are not part of
// the build.
struct ComboList {
  explicit ComboList(wxComboBox* combo) {
    using Accessible = void* (*)(void*);
    using AccessibleWidget = void* (*)(void*);
    const auto accessible =
        reinterpret_cast<Accessible>(dlsym(RTLD_DEFAULT, "gtk_combo_box_get_popup_accessible"));
    const auto widget = reinterpret_cast<AccessibleWidget>(dlsym(RTLD_DEFAULT, "gtk_accessible_get_widget"));
    m_isMapped = reinterpret_cast<int (*)(void*)>(dlsym(RTLD_DEFAULT, "gtk_widget_get_mapped"));
    m_width = reinterpret_cast<int (*)(void*)>(dlsym(RTLD_DEFAULT, "gtk_widget_get_allocated_width"));
    const auto child = reinterpret_cast<void* (*)(void*)>(dlsym(RTLD_DEFAULT, "gtk_bin_get_child"));
    if (accessible && widget && child && m_isMapped && m_width) {
      if (void* object = accessible(combo->GetHandle())) m_list = widget(object);
      m_entry = child(combo->GetHandle());
    }
  }
  bool IsFound() const { return m_list != nullptr; }
  bool IsOpen() const { return m_list && m_isMapped(m_list); }
  int Width() const { return m_list ? m_width(m_list) : 0; }
  // The width of the box's entry, where the text is typed.
  int EntryWidth() const { return m_entry ? m_width(m_entry) : 0; }

private:
  void* m_list = nullptr;
  void* m_entry = nullptr;
  int (*m_isMapped)(void*) = nullptr;
  int (*m_width)(void*) = nullptr;
};

class PhoneDialogKeysGuiTest : public DialogsTest {
protected:
  void StorePhoneCodes() {
    for (const auto& [country, code] :
         {std::pair{L"Austria", L"43"}, {L"Macedonia", L"389"}, {L"Slovenia", L"386"}}) {
      Invoice::PhoneCode phoneCode;
      phoneCode.SetCountry(country);
      phoneCode.SetCode(code);
      StoreObject(phoneCode);
    }
  }
};

TEST_F(PhoneDialogKeysGuiTest, TheCountryCodeListOpensWiderThanItsNarrowBox) {
  StorePhoneCodes();
  ChangeSet changes;
  CPhoneDlg dialog(&changes, 0, 7, nullptr);
  dialog.Show();
  dialog.Raise();
  PumpFor(100);
  wxComboBox* box = dialog.GetCountryCombo();
  EXPECT_EQ(box->GetCount(), 3u);
  const ComboList list(box);
  ASSERT_TRUE(list.IsFound());
  const wxSize designed = dialog.ConvertDialogToPixels(wxSize(42, 12));
  const wxSize boxBefore = box->GetSize();

  // A click on the box's arrow, at its right end.
  wxUIActionSimulator mouse;
  const wxRect screen = box->GetScreenRect();
  mouse.MouseMove(wxPoint(screen.GetRight() - 6, screen.GetTop() + screen.GetHeight() / 2));
  PumpFor(100);
  mouse.MouseClick();
  ASSERT_TRUE(WaitFor([&] { return list.IsOpen(); }));
  PumpFor(200);
  const int listWidth = list.Width();
  const wxSize boxWhileOpen = box->GetSize();
  const int entryWidth = list.EntryWidth();
  mouse.Char(WXK_ESCAPE);
  EXPECT_TRUE(WaitFor([&] { return !list.IsOpen(); }));
  dialog.Hide();

  // The box keeps its narrow width and most of it stays for typing.
  EXPECT_EQ(boxBefore.x, designed.x);
  EXPECT_LT(boxBefore.x, 200);
  EXPECT_EQ(boxWhileOpen, boxBefore);
  EXPECT_GT(entryWidth, boxBefore.x / 2);
  // The rows take 210 pixels; the list's thin frame comes on top.
  EXPECT_GE(listWidth, 210);
  EXPECT_LT(listWidth, 240);
}

}  // namespace
}  // namespace corvane::test
