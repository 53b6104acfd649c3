#pragma once

// Saves a shown window as the screen shows it into a PNG, for the README's
// pictures: the window tests call it when CORVANE_SCREENSHOT_DIR is set.

#include <filesystem>

#include <wx/app.h>
#include <wx/bitmap.h>
#include <wx/dcmemory.h>
#include <wx/dcscreen.h>
#include <wx/image.h>
#include <wx/utils.h>
#include <wx/window.h>

namespace corvane::test {

inline void SaveWindowShot(wxWindow* window, const std::filesystem::path& path) {
  window->Raise();
  window->Refresh();
  window->Update();
  auto pump = [] {
    for (int i = 0; i < 5; ++i) {
      wxYield();
      wxTheApp->ProcessIdle();
    }
  };
  pump();
  wxMilliSleep(200);
  pump();
  if (!wxImage::FindHandler(wxBITMAP_TYPE_PNG)) wxImage::AddHandler(new wxPNGHandler);
  const wxRect rect = window->GetScreenRect();
  wxBitmap bitmap(rect.width, rect.height);
  wxScreenDC screen;
  wxMemoryDC memory(bitmap);
  memory.Blit(0, 0, rect.width, rect.height, &screen, rect.x, rect.y);
  memory.SelectObject(wxNullBitmap);
  bitmap.SaveFile(path.string(), wxBITMAP_TYPE_PNG);
}

}  // namespace corvane::test
