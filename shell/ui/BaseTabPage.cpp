#include "shell/ui/BaseTabPage.h"

BaseTabPage::BaseTabPage(uint32_t templateId, wxWindow* parent)
    : wxPanel(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxTAB_TRAVERSAL), m_templateId(templateId) {
  Bind(wxEVT_SIZE, &BaseTabPage::OnSize, this);
}

void BaseTabPage::SetTemplateSize(int width, int height) {
  SetClientSize(DialogUnits(this).Size(width, height));
}

void BaseTabPage::OnSize(wxSizeEvent& event) {
  event.Skip();
  m_anchors.Arrange();
}
