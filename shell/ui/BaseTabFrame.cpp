#include "shell/ui/BaseTabFrame.h"

BaseTabFrame::BaseTabFrame() = default;

BaseTabFrame::~BaseTabFrame() {
  m_editedObject.reset();
}
