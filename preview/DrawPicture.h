#pragma once

// A bitmap from a .bmp file stretched into the rectangle, with an optional
// border (template item type 2, record "report_picture").

#include <memory>
#include <optional>
#include <string>

#include "platform/gdi/Dib.h"
#include "preview/DrawObject.h"

class CDrawPicture : public CDrawObject {
public:
  CDrawPicture();

  static std::unique_ptr<CDrawPicture> FromString(const std::wstring& record);

  void Draw(int32_t page, platform::gdi::Canvas& dc) const override;
  std::unique_ptr<CDrawObject> CreateFromTemplateItem(const TemplateItem& item) const override;

  // Stores the path and loads the bitmap from it; a file that does not load
  // leaves no bitmap, and the picture draws only its border. A path written
  // with backslashes on Windows is also tried with slashes.
  void SetBitmapPath(const std::wstring& path);
  const std::wstring& GetBitmapPath() const { return m_path; }

  void SetDib(std::optional<platform::gdi::Dib> dib) { m_dib = std::move(dib); }
  const std::optional<platform::gdi::Dib>& GetDib() const { return m_dib; }

private:
  void ReadBorder(bool on, double width, int32_t style, platform::gdi::COLORREF color);

  std::wstring m_path;
  std::optional<platform::gdi::Dib> m_dib;
};
