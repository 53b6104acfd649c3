#pragma once

// Positions and sizes of a dialog layout in dialog units, turned into pixels
// for a window with its font (ConvertDialogToPixels), so controls are created
// in code where the system's dialog templates put them:
//   DialogUnits du(this);
//   new wxTextCtrl(this, IDC_NAME, "", du.Point(60, 7), du.Size(120, 14));

#include <wx/gdicmn.h>

class wxWindow;

class DialogUnits {
public:
  explicit DialogUnits(wxWindow* window) : m_window(window) {}

  wxPoint Point(int x, int y) const;
  wxSize Size(int width, int height) const;
  wxRect Rect(int x, int y, int width, int height) const { return {Point(x, y), Size(width, height)}; }

private:
  wxWindow* m_window;
};

// The dialogs', pages' and forms' data exchange, which a typed edit field
// runs both ways (controls to members, then members to controls) so that it
// shows its value as the exchange formats it.
class DataExchanger {
public:
  virtual ~DataExchanger() = default;
  // save: controls to members. False when a control's value was refused.
  virtual bool UpdateData(bool save) = 0;

protected:
  static bool ExchangeWindowData(wxWindow* window, bool save);
};
