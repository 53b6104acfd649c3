#include "common/TemplateTextProperties.h"

using namespace template_props;

void TemplateTextProperties::Read(const TemplateItem& item) {
  face = item.TextProperty(kFontFace);
  size = item.IntProperty(kFontSize);
  bold = item.BoolProperty(kBold);
  italic = item.BoolProperty(kItalic);
  underline = item.BoolProperty(kUnderline);
  strikeOut = item.BoolProperty(kStrikeOut);
  color = static_cast<uint32_t>(item.IntProperty(kTextColor));
  alignment = item.IntProperty(kAlignment);
}

void TemplateTextProperties::Write(TemplateItem& item) const {
  item.SetProperty(kFontFace, Value(face));
  item.SetProperty(kFontSize, Value(size));
  item.SetProperty(kBold, Value::Boolean(bold));
  item.SetProperty(kItalic, Value::Boolean(italic));
  item.SetProperty(kUnderline, Value::Boolean(underline));
  item.SetProperty(kStrikeOut, Value::Boolean(strikeOut));
  item.SetProperty(kTextColor, Value(static_cast<int32_t>(color)));
  item.SetProperty(kAlignment, Value(alignment));
}
