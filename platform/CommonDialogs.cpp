#include "platform/CommonDialogs.h"

#include <wx/colordlg.h>
#include <wx/fontdlg.h>

#include <cmath>

namespace platform {
namespace {

ColourHandler g_colourHandler;
FontHandler g_fontHandler;

wxColour ToWx(ColorRef colour) {
  return wxColour(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

ColorRef FromWx(const wxColour& colour) {
  return ColorRef(colour.Red()) | ColorRef(colour.Green()) << 8 | ColorRef(colour.Blue()) << 16;
}

std::optional<ColorRef> ShowColourDialog(const ColourRequest& request) {
  wxColourData data;
  data.SetColour(ToWx(request.initial));
  data.SetChooseFull(true);
  wxColourDialog dialog(request.parent, &data);
  if (dialog.ShowModal() != wxID_OK) return std::nullopt;
  return FromWx(dialog.GetColourData().GetColour());
}

std::optional<FontChoice> ShowFontDialog(const FontRequest& request) {
  const FontChoice& initial = request.initial;
  wxFontInfo info(initial.pointSize > 0 ? initial.pointSize : 10.0);
  info.FaceName(initial.faceName)
      .Weight(initial.weight)
      .Italic(initial.italic)
      .Underlined(initial.underline)
      .Strikethrough(initial.strikeOut);
  wxFontData data;
  data.SetInitialFont(wxFont(info));
  data.SetColour(ToWx(initial.colour));
  data.EnableEffects(request.effects);
  wxFontDialog dialog(request.parent, data);
  if (dialog.ShowModal() != wxID_OK) return std::nullopt;
  const wxFont font = dialog.GetFontData().GetChosenFont();
  FontChoice chosen;
  chosen.faceName = font.GetFaceName().ToStdWstring();
  chosen.pointSize = font.GetFractionalPointSize();
  chosen.weight = font.GetNumericWeight();
  chosen.italic = font.GetStyle() != wxFONTSTYLE_NORMAL;
  chosen.underline = font.GetUnderlined();
  chosen.strikeOut = font.GetStrikethrough();
  chosen.colour = FromWx(dialog.GetFontData().GetColour());
  return chosen;
}

}  // namespace

std::optional<ColorRef> AskColour(const ColourRequest& request) {
  return g_colourHandler ? g_colourHandler(request) : ShowColourDialog(request);
}

void SetColourHandler(ColourHandler handler) {
  g_colourHandler = std::move(handler);
}

std::optional<FontChoice> AskFont(const FontRequest& request) {
  return g_fontHandler ? g_fontHandler(request) : ShowFontDialog(request);
}

void SetFontHandler(FontHandler handler) {
  g_fontHandler = std::move(handler);
}

}  // namespace platform
