// Opening a template and saving it without an edit keeps every value: each
// shipped template and each test fixture goes through the designer's model
// and back. Positions and pen widths are kept to the model's pixel (1/96
// inch); everything else, the row limits of repeat fields among it, exactly,
// and a second round changes no byte.
#include <gtest/gtest.h>

#include <cmath>

#include "TemplateFixtures.h"
#include "template/CPlandelDoc.h"
#include "tools/ShippedTemplates.h"

using namespace template_props;

namespace {

std::vector<corvane::test::NamedTemplate> Everything() {
  std::vector<corvane::test::NamedTemplate> all = corvane::test::TemplateFixtures();
  for (const ShippedTemplate& shipped : ShippedTemplates()) all.push_back({shipped.fileName, BuildShippedTemplate(shipped)});
  return all;
}

bool IsMeasure(int32_t id) {
  return id == kLeft || id == kTop || id == kRight || id == kBottom || id == kPenWidth;
}

TemplateFile OpenAndSave(const TemplateFile& file) {
  CPlandelDoc doc;
  const CPlandelDoc::LoadOutcome outcome = doc.Load(file);
  EXPECT_TRUE(outcome.Ok()) << std::string(outcome.error.begin(), outcome.error.end());
  return doc.MakeTemplateFile();
}

class TemplateRoundTrip : public ::testing::TestWithParam<corvane::test::NamedTemplate> {};

TEST_P(TemplateRoundTrip, OpeningAndSavingKeepsEveryValue) {
  const TemplateFile& original = GetParam().file;
  const TemplateFile saved = OpenAndSave(original);
  ASSERT_EQ(saved.GetCount(), original.GetCount());
  for (size_t index = 0; index < original.GetCount(); ++index) {
    const TemplateItem before = original.GetItem(index);
    const TemplateItem after = saved.GetItem(index);
    ASSERT_EQ(after.GetType(), before.GetType()) << "item " << index;
    for (const auto& [id, value] : before.GetProperties()) {
      SCOPED_TRACE("item " + std::to_string(index) + ", property " + std::to_string(id));
      const Value kept = after.GetProperty(id);
      ASSERT_EQ(kept.GetType(), value.GetType());
      if (IsMeasure(id)) {
        EXPECT_NEAR(kept.AsDouble(), value.AsDouble(), 0.5 / 96 + 1e-9);
      } else {
        EXPECT_EQ(kept, value);
      }
    }
  }
  // What the designer wrote it reads back to the byte.
  EXPECT_EQ(OpenAndSave(saved).ToBytes(), saved.ToBytes());
}

INSTANTIATE_TEST_SUITE_P(ShippedAndFixtures, TemplateRoundTrip, ::testing::ValuesIn(Everything()),
                         [](const auto& info) {
                           std::string name = info.param.name;
                           for (char& c : name) {
                             if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                           }
                           return name;
                         });

}  // namespace
