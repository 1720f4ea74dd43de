// What the program's three classes declare to the framework.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/App.h"
#include "app/MenuBar1.h"
#include "app/Window1.h"
#include "framework/ui/Application.h"
#include "framework/ui/MenuItem.h"
#include "framework/ui/Window.h"

namespace app_test {
namespace {

using framework::ClassRecord;

std::vector<std::string> Names(std::span<const framework::MethodEntry> methods) {
  std::vector<std::string> names;
  for (const auto& m : methods) names.push_back(m.name);
  return names;
}

// The slots a class adds after those it inherits.
std::vector<std::string> OwnSlots(const ClassRecord& record, const ClassRecord& base) {
  const auto own = record.Slots().subspan(base.Slots().size());
  return {own.begin(), own.end()};
}

TEST(ClassRecords, LookupBuildsEachRecordOnce) {
  app::Window1::ctblinit();
  const ClassRecord* window = &app::Window1::Lookup();
  app::Window1::ctblinit();
  EXPECT_EQ(&app::Window1::Lookup(), window);
  EXPECT_EQ(&app::App::Lookup(), &app::App::Lookup());
  EXPECT_EQ(&app::MenuBar1::Lookup(), &app::MenuBar1::Lookup());
}

TEST(ClassRecords, AppAddsOnlyItsConstructor) {
  const ClassRecord& app = app::App::Lookup();
  const ClassRecord& base = framework::Application::Lookup();
  EXPECT_EQ(app.Name(), "App");
  EXPECT_EQ(app.Superclass(), &base);
  EXPECT_EQ(OwnSlots(app, base), std::vector<std::string>{"Constructor"});
  auto own = app.Methods().subspan(base.Methods().size());
  ASSERT_EQ(own.size(), 1u);
  EXPECT_EQ(own[0].name, "Constructor");
  EXPECT_EQ(own[0].flags, 1u);
  EXPECT_EQ(own[0].signature, "%%");
  EXPECT_TRUE(own[0].attributes.empty());
  EXPECT_EQ(app.Properties().size(), base.Properties().size());
  EXPECT_TRUE(app.EventImplementations().empty());
}

TEST(ClassRecords, Window1DeclaresItsMethodsEventsAndProperties) {
  const ClassRecord& record = app::Window1::Lookup();
  const ClassRecord& base = framework::Window::Lookup();
  EXPECT_EQ(record.Name(), "Window1.Window1");
  EXPECT_EQ(record.Superclass(), &base);
  EXPECT_NE(record.InstanceInitializer(), nullptr);
  EXPECT_NE(record.InstanceFinalizer(), nullptr);

  auto own = record.Methods().subspan(base.Methods().size());
  ASSERT_EQ(own.size(), 35u);
  EXPECT_EQ(own.front().name, "Layout");
  EXPECT_EQ(own[15].name, "TextField1_Open");
  EXPECT_EQ(own[15].signature, "%%o<TextField>");
  EXPECT_EQ(own[32].name, "FileQuit");
  EXPECT_EQ(own[32].signature, "%o<QuitMenuItem>%");
  EXPECT_EQ(own.back().name, "_Untitled_Action");
  EXPECT_EQ(own.back().signature, "%b%");
  for (const auto& method : own) {
    const bool hidden = method.name == "_CreateControls0";
    EXPECT_EQ(method.IsHidden(), hidden) << method.name;
    EXPECT_EQ(method.flags, hidden ? 129u : 1u) << method.name;
    if (hidden) {
      ASSERT_EQ(method.attributes.size(), 1u);
      EXPECT_EQ(method.attributes[0].name, "Hidden");
      EXPECT_EQ(method.attributes[0].value, "");
    }
  }
  // The own slots follow the inherited ones in the same order as the method entries.
  EXPECT_EQ(OwnSlots(record, base), Names(own));
  // Methods with one signature share one invoker.
  EXPECT_EQ(own[3].invoker, own[6].invoker);  // ComboBox1, ComboBox2
  EXPECT_NE(own[3].invoker, own[4].invoker);  // ComboBox1, TextField1

  std::vector<std::string> events;
  for (const auto& e : record.EventImplementations()) events.push_back(e.event);
  EXPECT_EQ(events, (std::vector<std::string>{"Layout", "CreateControls", "AddMenuHandlers"}));

  auto properties = record.Properties().subspan(base.Properties().size());
  ASSERT_EQ(properties.size(), 5u);
  const std::pair<std::string, std::string> expected[] = {
      {"Lang", "i8"}, {"Locate", "i8"}, {"Words", "A3s"}, {"Verb", "i8"}, {"Katsuyo", "i8"}};
  for (std::size_t i = 0; i < 5; ++i) {
    EXPECT_EQ(properties[i].name, expected[i].first);
    EXPECT_EQ(properties[i].typeCode, expected[i].second);
    EXPECT_EQ(properties[i].flags, 5u);
    EXPECT_EQ(properties[i].declaringClass, &record);
  }
}

TEST(ClassRecords, MenuBar1AddsTwoBuildersAndItsConstructor) {
  const ClassRecord& record = app::MenuBar1::Lookup();
  const ClassRecord& base = framework::MenuBar::Lookup();
  EXPECT_EQ(record.Name(), "MenuBar1.MenuBar1");
  EXPECT_EQ(record.Superclass(), &base);
  EXPECT_EQ(OwnSlots(record, base), (std::vector<std::string>{"Untitled0", "Untitled1"}));
  auto own = record.Methods().subspan(base.Methods().size());
  EXPECT_EQ(Names(own), (std::vector<std::string>{"Untitled0", "Untitled1", "Constructor"}));
  for (const auto& method : own) {
    EXPECT_EQ(method.flags, 1u);
    EXPECT_EQ(method.signature, "%%");
  }
}

}  // namespace
}  // namespace app_test
