#include "platform/ResourceTable.h"

#include <gtest/gtest.h>

#include <dlfcn.h>

#include <string>

namespace {

constexpr char kFirst[] = "first";
constexpr char kSecond[] = "second";
const platform::Resource kResources[] = {
    {"TEXT", 1, kFirst, sizeof kFirst - 1},
    {"TEXT", 2, kSecond, sizeof kSecond - 1},
    {"OTHER", 1, kSecond, sizeof kSecond - 1},
    {"TEXT", 3, nullptr, 0},
};
CORVANE_RESOURCE_TABLE(kResources);

// A function of this program, standing for the caller.
void CallerInThisProgram() {}

std::string TextOf(std::string_view type, int32_t id) {
  const auto bytes = platform::FindModuleResource(reinterpret_cast<const void*>(&CallerInThisProgram), type, id);
  if (!bytes) return "<none>";
  return std::string(reinterpret_cast<const char*>(bytes->data()), bytes->size());
}

}  // namespace

TEST(ResourceTable, FindsAResourceByTypeAndIdInTheCallersModule) {
  EXPECT_EQ(TextOf("TEXT", 1), "first");
  EXPECT_EQ(TextOf("TEXT", 2), "second");
  EXPECT_EQ(TextOf("OTHER", 1), "second");
  EXPECT_EQ(TextOf("TEXT", 3), "") << "an empty resource is found, with no bytes";
}

TEST(ResourceTable, AMissingTypeOrIdIsNotFound) {
  EXPECT_EQ(TextOf("TEXT", 4), "<none>");
  EXPECT_EQ(TextOf("text", 1), "<none>") << "types compare exactly";
  EXPECT_EQ(TextOf("", 1), "<none>");
}

TEST(ResourceTable, AnAddressOutsideEveryModuleFindsNothing) {
  EXPECT_FALSE(platform::FindModuleResource(nullptr, "TEXT", 1));
  const int onTheStack = 0;
  EXPECT_FALSE(platform::FindModuleResource(&onTheStack, "TEXT", 1));
}

TEST(ResourceTable, ATableIsFoundOnlyWhileItIsRegistered) {
  static const char kLater[] = "later";
  static const platform::Resource kLaterResources[] = {{"LATER", 7, kLater, sizeof kLater - 1}};
  {
    const platform::ResourceTable table(kLaterResources, 1);
    EXPECT_EQ(TextOf("LATER", 7), "later");
  }
  EXPECT_EQ(TextOf("LATER", 7), "<none>");
}

// A module finds its own resources, the program its own, under one type and id.
TEST(ResourceTable, EachModuleFindsItsOwnResources) {
  void* module = dlopen(RESOURCE_MODULE, RTLD_NOW | RTLD_LOCAL);
  ASSERT_NE(module, nullptr) << dlerror();
  using Text = const char* (*)(const char*, int32_t);
  const auto moduleText = reinterpret_cast<Text>(dlsym(module, "ResourceModuleText"));
  ASSERT_NE(moduleText, nullptr);
  EXPECT_STREQ(moduleText("TEXT", 1), "from the module");
  EXPECT_STREQ(moduleText("TEXT", 2), "") << "the program's resources are not the module's";
  EXPECT_EQ(TextOf("TEXT", 1), "first");
  EXPECT_EQ(platform::FindModuleResource(reinterpret_cast<const void*>(moduleText), "TEXT", 2), std::nullopt);
  dlclose(module);
}
