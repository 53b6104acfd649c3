// Context menus: command ids from the owner's first id across submenus,
// enabling, and Track's answer.
#include <gtest/gtest.h>

#include <dlfcn.h>

#include <wx/frame.h>
#include <wx/menu.h>
#include <wx/timer.h>
#include <wx/utils.h>

#include "common/ui/popup_menu.h"

TEST(PopupMenuGuiTest, IdsCountUpFromTheFirstIdAcrossSubmenus) {
  popup_menu unmade(10000);
  EXPECT_EQ(unmade.AddItem(L"Open"), 0u);  // no menu yet: nothing added
  EXPECT_EQ(unmade.AddSubMenu(L"More"), nullptr);
  EXPECT_TRUE(unmade.GetUsedIds().empty());

  popup_menu menu(10000);
  menu.Create();
  EXPECT_EQ(menu.AddItem(L"&New"), 10000u);
  EXPECT_EQ(menu.AddItem(L"&Properties"), 10001u);
  menu.AddSeparator();
  EXPECT_EQ(menu.AddItem(L"&Delete"), 10002u);
  popup_menu* printUsing = menu.AddSubMenu(L"Print using ...");
  ASSERT_TRUE(printUsing);
  EXPECT_EQ(printUsing->AddItem(L"Standard"), 10003u);
  EXPECT_EQ(printUsing->AddItem(L"Export"), 10004u);
  EXPECT_EQ(menu.AddItem(L"Refresh"), 10005u);
  EXPECT_EQ(menu.GetMenu()->GetMenuItemCount(), 6u);  // 4 items, a separator, a submenu

  popup_menu second(10050);  // an owner's second menu
  second.Create();
  EXPECT_EQ(second.AddItem(L"Pay"), 10050u);
}

TEST(PopupMenuGuiTest, AddItemSkipsIdsTheMenuAlreadyHolds) {
  popup_menu menu(10000);
  menu.Create();
  EXPECT_EQ(menu.InsertItem(L"Fixed", 10001), 10001u);
  EXPECT_EQ(menu.AddItem(L"A"), 10000u);
  EXPECT_EQ(menu.AddItem(L"B"), 10002u);
  EXPECT_EQ(menu.GetUsedIds(), (std::set<unsigned>{10000, 10001, 10002}));
}

TEST(PopupMenuGuiTest, AnItemWithAnIdTheMenuHoldsGoesBeforeTheOldOne) {
  popup_menu menu(10000);
  menu.Create();
  menu.InsertItem(L"Cut", 1035);
  menu.InsertItem(L"Copy", 1034);
  menu.AddSeparator();
  EXPECT_EQ(menu.InsertItem(L"Cut again", 1035), 1035u);
  std::vector<wxString> labels;
  for (wxMenuItem* item : menu.GetMenu()->GetMenuItems()) labels.push_back(item->GetItemLabelText());
  EXPECT_EQ(labels, (std::vector<wxString>{"Cut again", "Cut", "Copy", ""}));
}

TEST(PopupMenuGuiTest, EnablingTouchesOnlyTheMenusOwnIds) {
  popup_menu menu(10000);
  menu.Create();
  unsigned edit = menu.AddItem(L"Edit");
  popup_menu* sub = menu.AddSubMenu(L"More");
  unsigned deep = sub->AddItem(L"Deep");
  menu.EnableItem(edit, false);
  EXPECT_FALSE(menu.IsItemEnabled(edit));
  menu.EnableItem(edit, true);
  EXPECT_TRUE(menu.IsItemEnabled(edit));
  menu.EnableItem(12345, false);  // not in the menu: nothing happens
  sub->EnableItem(deep, false);
  EXPECT_FALSE(menu.IsItemEnabled(deep));
}

TEST(PopupMenuGuiTest, TrackAnswersTheChosenIdThroughTheSeam) {
  popup_menu menu(10000);
  menu.Create();
  unsigned edit = menu.AddItem(L"Edit");
  bool askedWithReturn = false;
  popup_menu::SetTrackHandler([&](const popup_menu& shown, wxWindow*, bool returnCommand) {
    askedWithReturn = returnCommand;
    return static_cast<int>(*shown.GetUsedIds().begin());
  });
  EXPECT_EQ(menu.Track(nullptr, true), static_cast<int>(edit));
  EXPECT_TRUE(askedWithReturn);
  popup_menu::SetTrackHandler({});
}

TEST(PopupMenuGuiTest, ADismissedMenuAnswersZero) {
  auto* frame = new wxFrame(nullptr, wxID_ANY, "owner", wxPoint(0, 0), wxSize(300, 300));
  frame->Show();
  for (int i = 0; i < 5; ++i) wxYield();
  popup_menu menu(10000);
  menu.Create();
  menu.AddItem(L"Edit");
  menu.AddItem(L"Delete");
  // The menu runs its own loop; a timer inside it closes the menu the way
  // escape or a click elsewhere does, without sending keys to the display
  // that other tests share.
  using Popdown = void (*)(void*);
  auto popdown = reinterpret_cast<Popdown>(dlsym(RTLD_DEFAULT, "gtk_menu_popdown"));
  ASSERT_TRUE(popdown);
  wxTimer timer;
  int tries = 0;
  timer.Bind(wxEVT_TIMER, [&](wxTimerEvent&) {
    if (++tries > 20) timer.Stop();
    popdown(menu.GetMenu()->m_menu);
  });
  timer.Start(150);
  int chosen = menu.Track(frame, true);
  timer.Stop();
  EXPECT_EQ(chosen, 0);
  frame->Destroy();
  wxYield();
}
