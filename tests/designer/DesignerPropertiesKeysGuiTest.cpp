// The designer keeps what the user made, driven with real pointer and keys
// from the X server (XTest under Xvfb): a template opened with snap on and
// saved untouched keeps its repeat fields; a value typed into the property
// bar and not committed is saved on Ctrl+S and on closing; the bar follows
// nudges and pastes; a click on a repeat field's header edits the field.
#include <gtest/gtest.h>

#include <wx/textctrl.h>
#include <wx/uiaction.h>
#include <wx/weakref.h>

#include "GuiEvents.h"
#include "TemplateFixtures.h"
#include "TestEnvironment.h"
#include "common/RegistryHelpers.h"
#include "designer/CMainFrame.h"
#include "designer/CPlandelApp.h"
#include "designer/CPlandelView.h"
#include "designer/DesignerDocument.h"
#include "designer/DesignerSettings.h"
#include "designer/bars/CDiagramPropertyBar.h"
#include "platform/MessageBox.h"
#include "template/CInvoiceRepeatField.h"
#include "template/TemplateHelpers.h"
#include "template/ui/CReportEditor.h"

using namespace designer;
using corvane::test::PumpFor;
using corvane::test::WaitFor;
using namespace template_props;

namespace {

const std::wstring kSection = std::wstring(kProfileKey) + L"\\" + kSettingsSection;

int32_t Px(const TemplateItem& item, int32_t id) {
  return ModelInchesToPixels(item.GetProperty(id).AsDouble());
}

class DesignerPropertiesKeysGuiTest : public ::testing::Test {
protected:
  void SetUp() override {
    // A known canvas: zoom 1, the paper of a letter page, no rulers in pixels
    // to convert.
    RegWriteDword(kSection, L"ZoomLevel", 100);
    RegWriteDword(kSection, L"Width", 816);
    RegWriteDword(kSection, L"Height", 1056);
  }
  void TearDown() override {
    wxWeakRef<CMainFrame> open(app.GetMainFrame());
    if (!open) return;
    boxes.QueueAnswer(platform::IDNO);
    open->Close();
    EXPECT_TRUE(WaitFor([&] { return !open; }));
  }

  // Opens the file in the designer, its frame raised and laid out.
  void Start(const std::filesystem::path& path) {
    ASSERT_TRUE(app.InitInstance(path.wstring()));
    frame = app.GetMainFrame();
    frame->SetSize(20, 20, 1100, 760);
    frame->Raise();
    editor = app.GetView()->GetEditor();
    bar = frame->GetPropertyBar();
    ASSERT_TRUE(WaitFor([&] { return editor->IsShownOnScreen() && editor->GetClientSize().x > 300; }));
    ASSERT_TRUE(bar && bar->IsShownOnScreen());
    PumpFor(200);
  }

  std::filesystem::path Write(const std::string& name, const TemplateFile& file) {
    const std::filesystem::path path = dir / (name + ".zlt");
    file.Save(path);
    return path;
  }

  CDiagramEntityContainer& Container() { return app.GetDocument()->GetDoc().GetContainer(); }

  void ClickCanvas(int x, int y) {
    input.MouseMove(editor->ClientToScreen(wxPoint(x, y)));
    PumpFor(50);
    input.MouseClick();
    ASSERT_TRUE(WaitFor([&] { return !editor->HasCapture(); }));
    PumpFor(100);
  }

  // The entity whose values the bar shows and edits.
  const CDiagramEntity* ShownEntity() const { return bar->GetPopulator() ? bar->GetPopulator()->GetEntity() : nullptr; }
  CPropTreeItemEdit* Item(const std::wstring& label) const {
    for (CPropTreeItem* item : bar->GetTree().GetVisibleItems()) {
      if (item->GetLabelText() == label) return dynamic_cast<CPropTreeItemEdit*>(item);
    }
    return nullptr;
  }
  // What the row of the label shows.
  std::wstring Shown(const std::wstring& label) const {
    CPropTreeItemEdit* item = Item(label);
    return item ? item->GetDisplayText() : L"(no row)";
  }

  // Clicks the value of the row and types the text over it; Return only
  // when asked.
  void TypeIntoRow(const std::wstring& label, const std::string& text, bool enter) {
    CPropTreeItemEdit* item = Item(label);
    ASSERT_NE(item, nullptr);
    CPropTreeWnd* window = bar->GetTreeWindow();
    CPropTree& tree = bar->GetTree();
    tree.EnsureVisible(item);
    window->Rebuild();
    PumpFor(50);
    const auto place = tree.PlaceOf(item);
    ASSERT_TRUE(place.has_value());
    const wxPoint inside(tree.GetColumn() + 20, place->y + place->height / 2);
    input.MouseMove(window->GetList()->ClientToScreen(inside));
    PumpFor(50);
    input.MouseClick();
    // Leaving the row before commits it, which may fill the tree again: the
    // editor is looked up each time.
    auto editor = [window, item] {
      wxTextCtrl* edit = window->GetEditControl();
      return window->GetActiveItem() == item && edit && edit->IsShown() ? edit : nullptr;
    };
    ASSERT_TRUE(WaitFor([&] { return editor() != nullptr; })) << "no editor in the row";
    PumpFor(150);
    ASSERT_NE(editor(), nullptr);
    editor()->SetFocus();
    ASSERT_TRUE(WaitFor([&] { return editor() && editor()->HasFocus(); }));
    editor()->SelectAll();
    input.Text(text.c_str());
    ASSERT_TRUE(WaitFor([&] { return editor() && editor()->GetValue() == text; }))
        << (editor() ? editor()->GetValue() : wxString("no editor"));
    if (enter) {
      input.Char(WXK_RETURN);
      PumpFor(100);
    }
  }

  platform::MessageBoxRecorder boxes;
  corvane::test::TempDir dir;
  CPlandelApp app;
  CMainFrame* frame = nullptr;
  CReportEditor* editor = nullptr;
  CDiagramPropertyBar* bar = nullptr;
  wxUIActionSimulator input;
};

TEST_F(DesignerPropertiesKeysGuiTest, SnapOnAndCtrlSWithoutAnEditKeepTheRepeatFields) {
  RegWriteDword(kSection, L"Snap", 1);
  RegWriteDword(kSection, L"GridSize", 16);
  const std::filesystem::path path = Write("every-kind", corvane::test::TemplateFixtures()[0].file);
  Start(path);
  ASSERT_TRUE(editor->GetSnapToGrid());
  editor->Refresh();
  PumpFor(200);
  std::filesystem::remove(path);
  input.Char('S', wxMOD_CONTROL);
  ASSERT_TRUE(WaitFor([&] { return std::filesystem::exists(path); })) << "Ctrl+S saved nothing";
  PumpFor(100);
  TemplateFile saved;
  saved.Load(path);
  bool found = false;
  for (const TemplateItem& item : saved.GetItems()) {
    if (item.GetType() != static_cast<int32_t>(TemplateItemType::RepeatField)) continue;
    found = true;
    EXPECT_EQ(Px(item, kBottom) - Px(item, kTop), 24) << "the row height";
    EXPECT_EQ(item.GetProperty(kRepeatHeight), Value(int32_t{240}));
    EXPECT_EQ(item.GetProperty(kRepeatRows), Value(int32_t{10}));
  }
  EXPECT_TRUE(found);
}

TEST_F(DesignerPropertiesKeysGuiTest, AValueTypedAndNotCommittedIsSavedByCtrlSAndByClosing) {
  const std::filesystem::path path = Write("every-kind", corvane::test::TemplateFixtures()[0].file);
  Start(path);
  // The label at (10, 10)-(200, 40).
  ClickCanvas(100, 25);
  ASSERT_EQ(Shown(L"X1"), L"10");
  TypeIntoRow(L"X1", "150", false);
  input.Char('S', wxMOD_CONTROL);
  PumpFor(300);
  TemplateFile saved;
  saved.Load(path);
  EXPECT_EQ(Px(saved.GetItem(0), kLeft), 150) << "Ctrl+S left the typed value out";

  TypeIntoRow(L"X2", "300", false);
  // The settings are written again on closing.
  RegWriteDword(kSection, L"ZoomLevel", 77);
  boxes.QueueAnswer(platform::IDYES);
  wxWeakRef<CMainFrame> open(frame);
  frame->Close();
  ASSERT_TRUE(WaitFor([&] { return !open; }));
  saved.Load(path);
  EXPECT_EQ(Px(saved.GetItem(0), kLeft), 150);
  EXPECT_EQ(Px(saved.GetItem(0), kRight), 300) << "closing with Yes left the typed value out";
  uint32_t zoom = 0;
  ASSERT_EQ(RegReadDword(kSection, L"ZoomLevel", &zoom), kRegSuccess);
  EXPECT_EQ(zoom, 100u) << "the editor settings were not written";
}

TEST_F(DesignerPropertiesKeysGuiTest, TheBarFollowsNudgesAndPastesAndEditsWhatIsSelected) {
  const std::filesystem::path path = Write("every-kind", corvane::test::TemplateFixtures()[0].file);
  Start(path);
  ClickCanvas(100, 25);
  CDiagramEntity* label = Container().GetAt(0);
  ASSERT_TRUE(label->IsSelected());
  ASSERT_EQ(Shown(L"X1"), L"10");
  editor->SetFocus();
  ASSERT_TRUE(WaitFor([&] { return editor->HasFocus(); }));
  const int step = editor->GetGridSize().cx;
  input.Char(WXK_RIGHT);
  ASSERT_TRUE(WaitFor([&] { return label->GetRect().left == 10 + step; }));
  ASSERT_TRUE(WaitFor([&] { return Shown(L"X1") == std::to_wstring(10 + step); }))
      << "the bar shows the old X1: " << Shown(L"X1") << " item " << Item(L"X1")->GetText();
  // Editing the text leaves the label where the nudge put it.
  TypeIntoRow(L"Text", "Moved", true);
  EXPECT_EQ(label->GetTitle(), L"Moved");
  EXPECT_EQ(label->GetRect().left, 10 + step);

  // Copy and paste: the bar shows the copy, and its edits move the copy.
  editor->SetFocus();
  ASSERT_TRUE(WaitFor([&] { return editor->HasFocus(); }));
  const int count = Container().GetSize();
  input.Char('C', wxMOD_CONTROL);
  PumpFor(100);
  input.Char('V', wxMOD_CONTROL);
  ASSERT_TRUE(WaitFor([&] { return Container().GetSize() == count + 1; })) << "nothing pasted";
  CDiagramEntity* copy = Container().GetAt(count);
  ASSERT_TRUE(copy->IsSelected());
  EXPECT_EQ(ShownEntity(), copy);
  // The bottom first: a top below the bottom would be refused.
  TypeIntoRow(L"Y2", "430", false);
  TypeIntoRow(L"Y1", "400", true);
  EXPECT_TRUE(boxes.Shown().empty());
  EXPECT_EQ(copy->GetRect().top, 400);
  EXPECT_EQ(copy->GetRect().bottom, 430);
  EXPECT_EQ(label->GetRect().top, 10) << "the original moved";
}

TEST_F(DesignerPropertiesKeysGuiTest, AClickOnTheHeaderEditsTheWholeRepeatField) {
  const std::filesystem::path path = Write("one-row", corvane::test::TemplateFixtures()[1].file);
  Start(path);
  // The field and its one-row header at (100, 100)-(300, 124): a click on
  // the header.
  ClickCanvas(200, 110);
  auto* field = dynamic_cast<CInvoiceRepeatField*>(Container().GetAt(0));
  ASSERT_NE(field, nullptr);
  EXPECT_EQ(ShownEntity(), field);
  TypeIntoRow(L"X2", "400", true);
  TypeIntoRow(L"Y2", "244", true);
  EXPECT_EQ(field->GetHeader()->GetRect(), (platform::gdi::Rect{100, 100, 400, 124}));
  input.Char('S', wxMOD_CONTROL);
  PumpFor(300);
  TemplateFile saved;
  saved.Load(path);
  const TemplateItem item = saved.GetItem(0);
  EXPECT_EQ(Px(item, kLeft), 100);
  EXPECT_EQ(Px(item, kRight), 400);
  EXPECT_EQ(item.GetProperty(kRepeatHeight), Value(int32_t{144}));
  EXPECT_EQ(item.GetProperty(kRepeatRows), Value(int32_t{6}));
}

}  // namespace
