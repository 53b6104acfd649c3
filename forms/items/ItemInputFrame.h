#pragma once

// The frame of the stock-input window (document template 134): a toolbar
// with New, Delete and Properties, the period list and the From and To date
// pickers, and a status bar; its view is the list of receipts
// (ItemInputView). The period chosen is kept in the settings and restored at
// the next opening. Nothing in it is ever unsaved, so closing never asks.

#include <string>

#include "shell/ui/BaseSaveFrame.h"

class View;
class wxChoice;
class wxDatePickerCtrl;

class ItemInputFrame : public BaseSaveFrame {
public:
  static constexpr unsigned kResourceId = 134;
  // The system's command numbers less 0x4000, as wx takes menu ids below 0x7fff only.
  static constexpr int kCommandOffset = 0x4000;
  enum Command : int {
    ID_NEW = 32787 - kCommandOffset,
    ID_PROPERTIES = 32788 - kCommandOffset,
    ID_DELETE = 32789 - kCommandOffset,
    ID_PERIOD = 32817 - kCommandOffset,
    ID_FROM = 32818 - kCommandOffset,
    ID_TO = 32819 - kCommandOffset,
    ID_CLOSE = 32838 - kCommandOffset,
  };

  ItemInputFrame();

  // The listed range: the From picker's day at 00:00:00 and the To picker's
  // day at 23:59:59, as OLE dates.
  double GetFromDate() const;
  double GetToDate() const;

  // Stores the chosen period, sets the pickers to its range (enabled only
  // under "Free Selection") and reloads the list.
  void ApplyPeriod();
  // Chooses a period as the user would in the list.
  void SelectPeriod(int32_t period);
  // Reloads the views of this frame and sets the caption with the period's text.
  void RefreshList(const std::wstring& periodText);

  wxChoice* GetPeriodList() const { return m_periods; }
  wxDatePickerCtrl* GetFromPicker() const { return m_from; }
  wxDatePickerCtrl* GetToPicker() const { return m_to; }

protected:
  int OnCreate() override;

private:
  bool BuildPeriodBar();

  wxChoice* m_periods = nullptr;
  wxDatePickerCtrl* m_from = nullptr;
  wxDatePickerCtrl* m_to = nullptr;
};

// The factories of document template 134.
BaseFrameWnd* CreateItemInputFrame(wxWindow* parent);
View* CreateItemInputView(BaseFrameWnd* frame);
