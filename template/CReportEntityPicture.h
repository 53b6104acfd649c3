#pragma once

// A picture ("report_picture", item type 2): a bitmap file stretched into
// the rectangle inside a border. Setting the path loads the bitmap (none
// when the file cannot be read: then only the border is drawn) and makes the
// file's name the title.

#include <filesystem>
#include <optional>

#include "platform/gdi/Dib.h"
#include "template/CReportBorderEntity.h"

class CReportEntityPicture : public CReportBorderEntity {
public:
  CReportEntityPicture();

  const std::wstring& GetPath() const { return m_path; }
  void SetPath(const std::wstring& path);
  bool HasBitmap() const { return m_bitmap.has_value(); }

  std::unique_ptr<CDiagramEntity> Clone() const override;
  void Copy(const CDiagramEntity& other) override;
  bool FromString(const std::wstring& record) override;
  std::wstring GetString() const override;
  std::unique_ptr<CDiagramEntity> LoadTemplateItem(const TemplateItem& item) override;
  std::optional<TemplateItem> MakeTemplateItem() const override;
  void Draw(platform::gdi::Canvas& dc, platform::gdi::Rect rect) override;
  PopulatorKind GetPopulator() const override { return PopulatorKind::Picture; }

private:
  std::wstring m_path;
  std::optional<platform::gdi::Dib> m_bitmap;
};
