#include "common/ui/DialogUnits.h"

#include <wx/window.h>

wxPoint DialogUnits::Point(int x, int y) const {
  return m_window->ConvertDialogToPixels(wxPoint(x, y));
}

wxSize DialogUnits::Size(int width, int height) const {
  return m_window->ConvertDialogToPixels(wxSize(width, height));
}

bool DataExchanger::ExchangeWindowData(wxWindow* window, bool save) {
  return save ? window->TransferDataFromWindow() : window->TransferDataToWindow();
}
