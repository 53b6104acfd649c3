#include "forms/items/ItemInputFrame.h"

#include <wx/artprov.h>
#include <wx/choice.h>
#include <wx/datectrl.h>
#include <wx/dateevt.h>
#include <wx/menu.h>
#include <wx/statusbr.h>
#include <wx/toolbar.h>

#include "common/ui/View.h"
#include "forms/items/ItemInputPeriod.h"
#include "forms/items/ItemInputView.h"
#include "shell/ui/FormBars.h"
#include "shell/ui/WindowPlacement.h"

namespace {

const FormCommand kCommands[] = {
    {ItemInputFrame::ID_NEW, L"New\tCtrl+N", L"New Item Input", L"New Item Input (Ctrl+N)", wxART_NEW},
    {ItemInputFrame::ID_DELETE, L"Delete\tDel", L"Delete Selected Input", L"Delete Selected Input (Del)",
     wxART_DELETE},
    {ItemInputFrame::ID_PROPERTIES, L"Properties\tAlt+Enter", L"Selected Input Properties",
     L"Selected Input Properties (Alt+Enter)", wxART_REPORT_VIEW},
};

// The pickers hold days; the calendar fields of their values.
platform::CivilTime DayOf(const wxDateTime& date) {
  platform::CivilTime day{};
  if (!date.IsValid()) return platform::CurrentLocalTime();
  day.year = date.GetYear();
  day.month = static_cast<int>(date.GetMonth()) + 1;
  day.day = date.GetDay();
  return day;
}

wxDateTime DateOf(double oleDate) {
  const auto civil = platform::OleDateToCivil(oleDate);
  if (!civil) return wxDateTime::Today();
  return wxDateTime(static_cast<wxDateTime::wxDateTime_t>(civil->day),
                    static_cast<wxDateTime::Month>(civil->month - 1), civil->year);
}

wxFont BarFont() {
  return wxFont(wxFontInfo(wxSize(0, 14)).FaceName(L"Tahoma"));
}

}  // namespace

ItemInputFrame::ItemInputFrame() {
  m_frameName = L"ItemInputFrameWnd";
}

double ItemInputFrame::GetFromDate() const {
  return ItemInputPeriod::DaysBetween(DayOf(m_from->GetValue()), DayOf(m_from->GetValue())).from;
}

double ItemInputFrame::GetToDate() const {
  return ItemInputPeriod::DaysBetween(DayOf(m_to->GetValue()), DayOf(m_to->GetValue())).to;
}

void ItemInputFrame::SelectPeriod(int32_t period) {
  m_periods->SetSelection(period);
  ApplyPeriod();
}

void ItemInputFrame::ApplyPeriod() {
  const int selection = m_periods->GetSelection();
  const int32_t period = selection == wxNOT_FOUND ? ItemInputPeriod::kToday : selection;
  ItemInputPeriod::StoreLastPeriod(period);
  m_from->Enable(false);
  m_to->Enable(false);
  if (const auto range = ItemInputPeriod::RangeOf(period, platform::CurrentLocalTime(),
                                                  ItemInputPeriod::FirstDayOfWeek())) {
    m_from->SetValue(DateOf(range->from));
    m_to->SetValue(DateOf(range->to));
  } else if (period == ItemInputPeriod::kFreeSelection) {
    m_from->Enable(true);
    m_to->Enable(true);
  }
  RefreshList(ItemInputPeriod::Text(period));
}

void ItemInputFrame::RefreshList(const std::wstring& periodText) {
  // Only this frame's list: other views of the shared document keep theirs.
  for (View* view : GetFrameViews()) view->OnUpdate(nullptr, ItemInputView::kHintReload, nullptr);
  SetTitle(ItemInputPeriod::Caption(periodText));
}

bool ItemInputFrame::BuildPeriodBar() {
  wxToolBar* tools = GetToolBar();
  m_periods = new wxChoice(tools, ID_PERIOD, wxDefaultPosition, wxSize(200, -1));
  m_periods->SetFont(BarFont());
  for (int32_t period = 0; period < ItemInputPeriod::kPeriodCount; ++period)
    m_periods->Append(ItemInputPeriod::Text(period));
  const wxFont pickerFont = BarFont();
  m_from = new wxDatePickerCtrl(tools, ID_FROM, wxDefaultDateTime, wxDefaultPosition, wxDefaultSize,
                                wxDP_DROPDOWN | wxDP_SHOWCENTURY);
  m_to = new wxDatePickerCtrl(tools, ID_TO, wxDefaultDateTime, wxDefaultPosition, wxDefaultSize,
                              wxDP_DROPDOWN | wxDP_SHOWCENTURY);
  for (wxDatePickerCtrl* picker : {m_from, m_to}) {
    picker->SetFont(pickerFont);
    picker->SetMinSize(wxSize(std::max(100, picker->GetBestSize().GetWidth()), -1));
  }
  tools->AddControl(m_periods);
  tools->AddControl(m_from);
  tools->AddControl(m_to);
  tools->Realize();

  m_periods->Bind(wxEVT_CHOICE, [this](wxCommandEvent&) { ApplyPeriod(); });
  // The pickers are enabled only under "Free Selection".
  for (wxDatePickerCtrl* picker : {m_from, m_to})
    picker->Bind(wxEVT_DATE_CHANGED, [this](wxDateEvent&) {
      RefreshList(ItemInputPeriod::Text(ItemInputPeriod::kFreeSelection));
    });

  m_periods->SetSelection(ItemInputPeriod::LoadLastPeriod());
  ApplyPeriod();
  return true;
}

int ItemInputFrame::OnCreate() {
  if (!CreateFormBars(*this, kCommands, {ID_CLOSE, L"Close"}, kResourceId)) return -1;
  wxAcceleratorEntry keys[] = {
      {wxACCEL_CTRL, 'N', ID_NEW},
      {wxACCEL_ALT, WXK_RETURN, ID_PROPERTIES},
  };
  SetAcceleratorTable(wxAcceleratorTable(static_cast<int>(std::size(keys)), keys));
  BindDeleteKeyToLists(*this, ID_DELETE);

  if (!BuildPeriodBar()) return -1;
  return 0;
}

BaseFrameWnd* CreateItemInputFrame(wxWindow* parent) {
  auto* frame = new ItemInputFrame;
  if (!frame->LoadFrame(ItemInputPeriod::Caption(L""), wxDEFAULT_FRAME_STYLE, parent)) {
    delete frame;
    return nullptr;
  }
  return frame;
}

View* CreateItemInputView(BaseFrameWnd* frame) {
  auto* view = new ItemInputView(frame);
  if (!WindowPlacement::Load(kWinPosKey, frame->GetFrameName())) frame->SetClientSize(wxSize(900, 420));
  return view;
}
