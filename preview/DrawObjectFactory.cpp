#include "preview/DrawObjectFactory.h"

#include "preview/DrawBox.h"
#include "preview/DrawField.h"
#include "preview/DrawLabel.h"
#include "preview/DrawLine.h"
#include "preview/DrawPicture.h"
#include "preview/DrawRepeatField.h"

namespace preview {

std::unique_ptr<CDrawObject> CreateDrawObject(const TemplateItem& item) {
  // One prototype of each kind, asked in order.
  const CDrawBox box;
  const CDrawLine line;
  const CDrawPicture picture;
  const CDrawRepeatField repeat;
  const CDrawField field;
  const CDrawLabel label;
  for (const CDrawObject* prototype :
       {static_cast<const CDrawObject*>(&box), static_cast<const CDrawObject*>(&line),
        static_cast<const CDrawObject*>(&picture), static_cast<const CDrawObject*>(&repeat),
        static_cast<const CDrawObject*>(&field), static_cast<const CDrawObject*>(&label)}) {
    if (std::unique_ptr<CDrawObject> made = prototype->CreateFromTemplateItem(item)) return made;
  }
  return nullptr;
}

std::unique_ptr<CDrawObject> CreateDrawObject(const std::wstring& record) {
  if (auto made = CDrawBox::FromString(record)) return made;
  if (auto made = CDrawLine::FromString(record)) return made;
  if (auto made = CDrawPicture::FromString(record)) return made;
  if (auto made = CDrawRepeatField::FromString(record)) return made;
  if (auto made = CDrawField::FromString(record)) return made;
  if (auto made = CDrawLabel::FromString(record)) return made;
  return nullptr;
}

}  // namespace preview
