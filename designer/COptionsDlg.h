#pragma once

// "Page Setup": the measurement unit and the paper of the template, on one
// "General" page. OK applies them to the canvas and, through the view, to
// the whole designer; Cancel changes nothing.

#include <memory>

#include "designer/BaseTabDlg.h"
#include "designer/PageSetupValues.h"

class wxChoice;
class CBaseEdit;

namespace designer {

// What the page changes: the canvas's paper and the designer's unit.
class PageSetupTarget {
public:
  virtual ~PageSetupTarget() = default;
  virtual wxSize GetPaperSize() const = 0;
  virtual void SetPaperSize(int width, int height) = 0;
  virtual int32_t GetUnit() const = 0;
  // Rulers, corner box and settings take the unit; the canvas repaints.
  virtual void ApplyUnits(int32_t unit) = 0;
};

class COptionsPage1 : public BaseDlgTabPage {
public:
  enum { IDD = 104, IDC_MEASUREMENTS_LABEL = 1058, IDC_UNITS = 1057, IDC_WIDTH = 1059, IDC_HEIGHT = 1060 };

  COptionsPage1(PageSetupTarget& target, wxWindow* parent);

  void Fill() override;
  bool Apply() override;

  // The unit combo's selection was confirmed.
  void OnUnitChanged();

  wxChoice* GetUnitCombo() const { return m_units; }
  CBaseEdit* GetWidthEdit() const { return m_width; }
  CBaseEdit* GetHeightEdit() const { return m_height; }
  const PageSetupValues& GetValues() const { return m_values; }

private:
  int32_t SelectedUnit() const;
  void ShowValues();
  bool Refuse();

  PageSetupTarget& m_target;
  PageSetupValues m_values;
  wxChoice* m_units;
  CBaseEdit* m_width;
  CBaseEdit* m_height;
};

class COptionsDlg : public BaseTabDlg {
public:
  enum { IDD = 103 };
  COptionsDlg(PageSetupTarget& target, wxWindow* parent);

protected:
  BaseDlgTabPage* CreatePage(size_t index) override;

private:
  PageSetupTarget& m_target;
};

}  // namespace designer
