#pragma once

// Colour and font dialogs behind a seam of the same kind as the file dialogs:
// tests install a handler that answers instead of a real dialog.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

class wxWindow;

namespace platform {

// A colour as the system stores it: 0x00BBGGRR.
using ColorRef = uint32_t;

struct ColourRequest {
  ColorRef initial = 0;
  wxWindow* parent = nullptr;
};

// The chosen colour, or nullopt when the user cancelled.
std::optional<ColorRef> AskColour(const ColourRequest& request);

using ColourHandler = std::function<std::optional<ColorRef>(const ColourRequest&)>;
void SetColourHandler(ColourHandler handler);  // empty restores the real dialog

struct FontChoice {
  std::wstring faceName;
  double pointSize = 10.0;
  int weight = 400;  // 400 normal, 700 bold
  bool italic = false;
  bool underline = false;
  bool strikeOut = false;
  ColorRef colour = 0;  // the text colour chosen with the effects

  bool operator==(const FontChoice&) const = default;
};

struct FontRequest {
  FontChoice initial;
  bool effects = true;  // offer underline, strike-out and colour
  wxWindow* parent = nullptr;
};

// The chosen font, or nullopt when the user cancelled.
std::optional<FontChoice> AskFont(const FontRequest& request);

using FontHandler = std::function<std::optional<FontChoice>(const FontRequest&)>;
void SetFontHandler(FontHandler handler);  // empty restores the real dialog

}  // namespace platform
