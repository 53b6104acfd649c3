#pragma once

// The values of the "Page Setup" page: the paper in screen pixels, shown and
// typed in inches or centimetres. The page window only moves texts between
// this and its edits.
//
// Texts the user did not change keep the exact pixel size they stand for, so
// switching the unit back and forth never drifts; a changed text is read in
// the unit it was typed in before the unit changes.

#include <cstdint>
#include <optional>
#include <string>

namespace designer {

class PageSetupValues {
public:
  // Resolution of the screen (pixels per inch, each way) and the paper.
  PageSetupValues(double pixelsPerInchX, double pixelsPerInchY, double width, double height, int32_t unit);

  int32_t GetUnit() const { return m_unit; }
  double GetWidth() const { return m_width; }
  double GetHeight() const { return m_height; }

  // The texts to show in the current unit ("%.02f").
  std::wstring WidthText() const;
  std::wstring HeightText() const;

  // Takes the texts as typed in the current unit. False, with nothing
  // changed, when either is not a number or gives no whole pixel (the page
  // then shows kBadPaperSizeMessage).
  bool Read(const std::wstring& widthText, const std::wstring& heightText);

  // Reads the texts in the old unit, then switches. Refused like Read.
  bool ChangeUnit(int32_t unit, const std::wstring& widthText, const std::wstring& heightText);

  // Pixels per unit length each way (inches for unit 1, else centimetres).
  double ScaleX() const;
  double ScaleY() const;

private:
  static std::optional<double> ParsePositive(const std::wstring& text);

  double m_ppiX, m_ppiY;
  double m_width, m_height;
  int32_t m_unit;
};

inline constexpr wchar_t kBadPaperSizeMessage[] = L"Enter a paper width and height greater than 0.";

}  // namespace designer
