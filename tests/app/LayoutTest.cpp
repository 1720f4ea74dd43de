// The main window as built: its properties, its ten controls, their lists and handlers.
#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

#include "AppTestSupport.h"
#include "app/ListTexts.h"
#include "app/MenuBar1.h"
#include "app/WindowDesign.h"
#include "framework/runtime/Delegate.h"
#include "framework/ui/Events.h"
#include "framework/ui/PropertyList.h"

namespace app_test {
namespace {

using framework::kActionEvent;
using framework::kChangeEvent;
using framework::kOpenEvent;

class Layout : public OpenWindow {};

TEST_F(Layout, WindowTakesItsDesignedProperties) {
  EXPECT_EQ(window->Title().Bytes(), "ヴェルボリカ");
  EXPECT_EQ(window->Width(), 600);
  EXPECT_EQ(window->Height(), 400);
  EXPECT_EQ(window->BackColor().value, 0x00FF2E62u);
  EXPECT_TRUE(window->Visible());
  EXPECT_EQ(window->MenuBar_Get(0).get(), app::MenuBar1::ImplicitInstance().get());
}

TEST_F(Layout, TenControlsInCreationOrderWithNineHandlers) {
  struct Expected {
    const char* name;
    const char* className;
    std::vector<std::int32_t> events;
  };
  const Expected expected[] = {
      {"ComboBox1", "ComboBox", {kChangeEvent, kOpenEvent}},
      {"TextField1", "TextField", {kOpenEvent}},
      {"StaticText1", "Label", {}},
      {"ComboBox2", "ComboBox", {kChangeEvent, kOpenEvent}},
      {"BevelButton1", "BevelButton", {kActionEvent}},
      {"BevelButton2", "BevelButton", {kActionEvent}},
      {"StaticText2", "Label", {}},
      {"StaticText3", "Label", {}},
      {"ComboBox3", "ComboBox", {kChangeEvent, kOpenEvent}},
      {"StaticText4", "Label", {}},
  };
  auto controls = window->Controls();
  ASSERT_EQ(controls.size(), std::size(expected));
  for (std::size_t i = 0; i < controls.size(); ++i) {
    const auto& control = *controls[i];
    EXPECT_EQ(control.Name().Bytes(), expected[i].name);
    EXPECT_EQ(control.Class().Name(), expected[i].className);
    for (std::int32_t event : {kOpenEvent, kChangeEvent, kActionEvent}) {
      const bool wired = std::ranges::count(expected[i].events, event) == 1;
      ASSERT_EQ(control.HasHandler(event), wired) << expected[i].name << " event " << event;
      if (!wired) continue;
      const framework::Delegate* handler = control.Handler(event);
      EXPECT_EQ(handler->Target(), window.get());
      EXPECT_EQ(handler->Flags(), 1);
      EXPECT_EQ(handler->Signature(), "( " + control.Class().Name() + " )");
    }
  }
}

TEST_F(Layout, AccessorsReturnTheControlsTyped) {
  EXPECT_EQ(window->TextField1()->Name().Bytes(), "TextField1");
  EXPECT_EQ(window->StaticText1()->Text().Bytes(), "今日の動詞");
  EXPECT_EQ(window->StaticText4()->Text().Bytes(), "時制・法");
  EXPECT_EQ(window->ComboBox3()->Name().Bytes(), "ComboBox3");
  EXPECT_TRUE(window->TextField1()->ReadOnly());
}

TEST_F(Layout, ListsHoldTheirRowsWithRowZeroSelected) {
  auto languages = window->ComboBox1();
  auto verbs = window->ComboBox2();
  auto tenses = window->ComboBox3();
  EXPECT_EQ(languages->ListCount(), 7);
  EXPECT_EQ(verbs->ListCount(), 11);
  EXPECT_EQ(tenses->ListCount(), 13);
  EXPECT_EQ(languages->List(6).Bytes(), "カタルーニャ語");
  EXPECT_EQ(verbs->List(10).Bytes(), "11 venire(come-重要動詞）");
  EXPECT_EQ(tenses->List(12).Bytes(), "13　命令法現在");
  for (const auto& list : {languages, verbs, tenses}) EXPECT_EQ(list->ListIndex_Get(), 0);
}

TEST_F(Layout, RandomButtonsExistHiddenAndDisabled) {
  for (const auto& button : {window->BevelButton1(), window->BevelButton2()}) {
    EXPECT_FALSE(button->Visible());
    EXPECT_FALSE(button->Enabled());
    EXPECT_EQ(button->Caption().Bytes(), "ランダム");
  }
}

TEST_F(Layout, ControlsStandWhereDesigned) {
  auto field = window->TextField1();
  EXPECT_EQ(field->Left(), 20);
  EXPECT_EQ(field->Top(), 66);
  EXPECT_EQ(field->Width(), 550);
  EXPECT_EQ(field->Height(), 148);
  auto verbs = window->ComboBox2();
  EXPECT_EQ(verbs->Width(), 419);
  EXPECT_EQ(verbs->TabIndex(), 4);
}

// Decoding each list with the receiving class gives exactly its entries and consumes every byte.
std::vector<std::string> DecodedNames(const framework::String& list,
                                      const framework::ClassRecord& record) {
  std::vector<std::string> names;
  framework::DecodePropertyList(list.Bytes(), record, [&](const framework::PropertyListEntry& e) {
    names.push_back(e.property->name);
  });
  return names;
}

TEST(PropertyLists, EachListDecodesWholeWithItsClassesEntryCount) {
  EXPECT_EQ(DecodedNames(app::WindowPropertyList(), framework::Window::__Lookup()).size(), 22u);
  const std::size_t entries[] = {29, 39, 31, 29, 40, 40, 31, 31, 29, 31};
  auto designs = app::ControlDesigns();
  ASSERT_EQ(designs.size(), 10u);
  for (std::size_t i = 0; i < designs.size(); ++i) {
    auto names = DecodedNames(app::ControlPropertyList(i), designs[i].controlClass());
    EXPECT_EQ(names.size(), entries[i]) << designs[i].name;
    EXPECT_EQ(names.front(), "Name");
  }
}

TEST(PropertyLists, ListsOfOneClassHoldTheSameNamesInTheSameOrder) {
  auto designs = app::ControlDesigns();
  for (std::size_t i = 0; i < designs.size(); ++i) {
    for (std::size_t j = i + 1; j < designs.size(); ++j) {
      if (designs[i].controlClass != designs[j].controlClass) continue;
      const auto& record = designs[i].controlClass();
      EXPECT_EQ(DecodedNames(app::ControlPropertyList(i), record),
                DecodedNames(app::ControlPropertyList(j), record))
          << designs[i].name << " / " << designs[j].name;
    }
  }
}

TEST(PropertyLists, EntriesAreEncodedByteForByte) {
  using namespace std::string_view_literals;
  const std::string_view combo = app::ControlPropertyList(0).Bytes();
  // "Name", blank, count 9, "ComboBox1"; then "Index", blank, -2147483648 as 64 bits.
  EXPECT_EQ(combo.substr(0, 18), "Name \x09\0\0\0ComboBox1"sv);
  EXPECT_EQ(combo.substr(18, 14), "Index \0\0\0\x80\xFF\xFF\xFF\xFF"sv);
  const std::string_view button = app::ControlPropertyList(4).Bytes();
  EXPECT_NE(button.find("Caption \x0C\0\0\0ランダム"sv), std::string_view::npos);
  EXPECT_NE(button.find("HasMenu \0\0\0\0\0\0\0\0"sv), std::string_view::npos);
  const std::string_view field = app::ControlPropertyList(1).Bytes();
  EXPECT_NE(field.find("BackColor \xFF\xFF\xFF\0"sv), std::string_view::npos);
  EXPECT_NE(field.find("TextSize \0\0\x80\x41"sv), std::string_view::npos);
  EXPECT_NE(field.find("HelpTag \0\0\0\0AutoDeactivate \x01"sv), std::string_view::npos);
  const std::string_view windowList = app::WindowPropertyList().Bytes();
  EXPECT_NE(windowList.find("BackColor b.\xFF\0"sv), std::string_view::npos);
  EXPECT_NE(windowList.find("MacProcID \0\0\0\0\0\0\0\0"sv), std::string_view::npos);
}

TEST(PropertyLists, ListTextsHaveTheirByteLengths) {
  EXPECT_EQ(app::kLanguageRows.size(), 132u);
  EXPECT_EQ(app::kVerbRows.size(), 458u);
  EXPECT_EQ(app::kTenseRows.size(), 394u);
  EXPECT_EQ(app::kVerbRows.back(), '\r');
  EXPECT_EQ(app::kTenseRows.back(), '\r');
  EXPECT_NE(app::kLanguageRows.back(), '\r');
}

}  // namespace
}  // namespace app_test
