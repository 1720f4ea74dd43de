// The main window as built: its properties, its ten controls, their lists and handlers, every
// entry of the eleven property lists, the rows of the three lists and what the widgets show.
#include <QComboBox>
#include <QMainWindow>
#include <algorithm>
#include <iomanip>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "AppTestSupport.h"
#include "app/MenuBar1.h"
#include "app/WindowDesign.h"
#include "framework/runtime/Delegate.h"
#include "framework/ui/Events.h"
#include "framework/ui/PropertyList.h"
#include "framework/ui/qt/QtAccess.h"

namespace app_test {
namespace {

using framework::kActionEvent;
using framework::kChangeEvent;
using framework::kOpenEvent;

// The rows of the three lists. "　" is U+3000, "１" to "９" U+FF11 to U+FF19, "（" "）" U+FF08
// and U+FF09, "；" U+FF1B and "ー" U+30FC.
const std::vector<std::string> kLanguageRows = {
    "ラテン語",     "イタリア語",     "フランス語", "スペイン語", "ブラジルポルトガル語",
    "ルーマニア語", "カタルーニャ語",
};
const std::vector<std::string> kVerbRows = {
    "１　esse(be動詞)",
    "２　habere(have動詞)",
    "３　amare(v1-are動詞);ル(a動詞)",
    "４　monere(v2-ere動詞);イ(prendere)；ル(a lua)",
    "５　regere(v3-ere動詞);イ(credere);ル(a lucra)",
    "６　facere(v3b-ere動詞-重要動詞）",
    "７　audire(v4-ire動詞）;イ(aprire);ル(i動詞escタイプ)",
    "８　ire(go-不規則動詞);イ(andare)；フ(aller)",
    "９　dare(giveー不規則動詞)",
    "10 stare(be-重要動詞);フ(etre)",
    "11 venire(come-重要動詞）",
};
const std::vector<std::string> kTenseRows = {
    "１　現在",
    "２　過去（未完了過去/線過去/半過去）",
    "３　未来",
    "４　完了（単純過去/点過去/遠過去）",
    "５　過去完了",
    "６　未来完了（過去未来）",
    "７　受動相現在",
    "８　受動相未完了過去",
    "９　受動相未来",
    "10  接続法現在",
    "11  接続法未完了過去(接続法半過去)",
    "12　条件法現在（接続法未来）",
    "13　命令法現在",
};

// A list's text: its rows joined by CR, with a CR after the last one or not.
std::string ListText(const std::vector<std::string>& rows, bool finalCr) {
  std::string text;
  for (const std::string& row : rows) text += row + '\r';
  if (!finalCr) text.pop_back();
  return text;
}
const std::string kLanguageList = ListText(kLanguageRows, false);
const std::string kVerbList = ListText(kVerbRows, true);
const std::string kTenseList = ListText(kTenseRows, true);
const std::vector<std::int32_t> kListEvents = {kChangeEvent, kOpenEvent};

// The ten controls in creation order, with what each one's list sets for it alone.
struct DesignedControl {
  std::string name;
  std::string className;
  std::int64_t left, top, width, height, tabIndex;
  bool visible, enabled;
  std::string content;  // the list text, the field's or label's text, the button's caption
  std::vector<std::int32_t> events;
};
const std::vector<DesignedControl>& Designed() {
  static const std::vector<DesignedControl> controls = {
      {"ComboBox1", "ComboBox", 170, 238, 352, 39, 0, true, true, kLanguageList, kListEvents},
      {"TextField1", "TextField", 20, 66, 550, 148, 2, true, true, "", {kOpenEvent}},
      {"StaticText1", "Label", 33, 31, 111, 23, 3, true, true, "今日の動詞", {}},
      {"ComboBox2", "ComboBox", 170, 274, 419, 52, 4, true, true, kVerbList, kListEvents},
      {"BevelButton1", "BevelButton", 20, 226, 60, 22, 5, false, false, "ランダム", {kActionEvent}},
      {"BevelButton2", "BevelButton", 9, 292, 60, 22, 6, false, false, "ランダム", {kActionEvent}},
      {"StaticText2", "Label", 92, 239, 81, 23, 7, true, true, "言語", {}},
      {"StaticText3", "Label", 92, 290, 81, 23, 8, true, true, "動詞", {}},
      {"ComboBox3", "ComboBox", 170, 325, 352, 47, 9, true, true, kTenseList, kListEvents},
      {"StaticText4", "Label", 92, 329, 81, 23, 10, true, true, "時制・法", {}},
  };
  return controls;
}

class Layout : public OpenWindow {};

TEST_F(Layout, WindowTakesItsDesignedPropertiesAndShowsThem) {
  EXPECT_EQ(window->Title().Bytes(), "ヴェルボリカ");
  EXPECT_EQ(window->Width(), 600);
  EXPECT_EQ(window->Height(), 400);
  EXPECT_EQ(window->BackColor().value, 0x00FF2E62u);
  EXPECT_TRUE(window->Visible());
  EXPECT_EQ(window->MenuBar_Get(0).get(), app::MenuBar1::ImplicitInstance().get());

  QMainWindow* main = framework::MainWindowOf(*window);
  ASSERT_NE(main, nullptr);
  EXPECT_EQ(main->windowTitle(), QString::fromUtf8("ヴェルボリカ"));
  const Qt::WindowFlags flags = main->windowFlags();
  EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
  EXPECT_TRUE(flags.testFlag(Qt::WindowMinimizeButtonHint));
  EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
  const QWidget* content = main->centralWidget();
  EXPECT_EQ(content->minimumSize(), QSize(64, 64));
  EXPECT_EQ(content->maximumSize(), QSize(32000, 32000));
  EXPECT_EQ(content->palette().color(QPalette::Window), QColor(0xFF, 0x2E, 0x62));
}

TEST_F(Layout, TenControlsInCreationOrderWithNineHandlers) {
  auto controls = window->Controls();
  ASSERT_EQ(controls.size(), Designed().size());
  for (std::size_t i = 0; i < controls.size(); ++i) {
    const auto& control = *controls[i];
    const DesignedControl& expected = Designed()[i];
    EXPECT_EQ(control.Name().Bytes(), expected.name);
    EXPECT_EQ(control.Class().Name(), expected.className);
    for (std::int32_t event : {kOpenEvent, kChangeEvent, kActionEvent}) {
      const bool wired = std::ranges::count(expected.events, event) == 1;
      ASSERT_EQ(control.HasHandler(event), wired) << expected.name << " event " << event;
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

// Every row, in order and byte for byte, in the model and in the widget the user picks from.
TEST_F(Layout, ListsHoldExactlyTheirRowsWithRowZeroSelected) {
  const struct {
    framework::Ref<framework::ComboBox> list;
    const std::vector<std::string>& rows;
    const std::string& text;
    std::size_t bytes;
  } lists[] = {
      {window->ComboBox1(), kLanguageRows, kLanguageList, 132},
      {window->ComboBox2(), kVerbRows, kVerbList, 458},
      {window->ComboBox3(), kTenseRows, kTenseList, 394},
  };
  for (const auto& [list, rows, text, bytes] : lists) {
    SCOPED_TRACE(list->Name().Bytes());
    EXPECT_TRUE(list->InitialValue().Bytes() == text)
        << "the list text is not its rows joined by CR";
    EXPECT_EQ(text.size(), bytes);
    const auto* widget = qobject_cast<const QComboBox*>(framework::WidgetOf(*list));
    ASSERT_NE(widget, nullptr);
    ASSERT_EQ(list->ListCount(), static_cast<std::int64_t>(rows.size()));
    ASSERT_EQ(widget->count(), static_cast<int>(rows.size()));
    for (std::size_t row = 0; row < rows.size(); ++row) {
      EXPECT_EQ(list->List(static_cast<std::int64_t>(row)).Bytes(), rows[row]) << "row " << row;
      EXPECT_EQ(widget->itemText(static_cast<int>(row)).toStdString(), rows[row]) << "row " << row;
    }
    EXPECT_EQ(list->ListIndex_Get(), 0);
    EXPECT_EQ(widget->currentIndex(), 0);
  }
}

TEST_F(Layout, EveryControlStandsAndShowsAsDesigned) {
  for (const DesignedControl& expected : Designed()) {
    SCOPED_TRACE(expected.name);
    auto control = framework::RuntimeCheckCast<framework::RectControl>(
        window->ControlByName(framework::String(expected.name)).get());
    ASSERT_TRUE(control);
    const std::vector<std::int64_t> bounds = {expected.left, expected.top, expected.width,
                                              expected.height};
    EXPECT_EQ((std::vector{control->Left(), control->Top(), control->Width(), control->Height()}),
              bounds);
    EXPECT_EQ(control->TabIndex(), expected.tabIndex);
    EXPECT_EQ(control->Visible(), expected.visible);
    EXPECT_EQ(control->Enabled(), expected.enabled);
    const QWidget* widget = framework::WidgetOf(*control);
    ASSERT_NE(widget, nullptr);
    const QRect shown = widget->geometry();
    EXPECT_EQ((std::vector<std::int64_t>{shown.x(), shown.y(), shown.width(), shown.height()}),
              bounds);
    EXPECT_EQ(widget->isVisible(), expected.visible);
    EXPECT_EQ(widget->isEnabled(), expected.enabled);
  }
}

// A decoded entry as "Name=value": the name as the list spells it, strings in quotes, colours
// in hexadecimal, True and False.
std::string EntryText(std::string_view list, const framework::PropertyListEntry& entry) {
  std::ostringstream text;
  text << list.substr(entry.offset, list.find(' ', entry.offset) - entry.offset) << '=';
  std::visit(
      [&](const auto& value) {
        using T = std::decay_t<decltype(value)>;
        if constexpr (std::is_same_v<T, bool>) {
          text << (value ? "True" : "False");
        } else if constexpr (std::is_same_v<T, std::int64_t>) {
          text << value;
        } else if constexpr (std::is_same_v<T, float>) {
          text << std::fixed << std::setprecision(1) << value;
        } else if constexpr (std::is_same_v<T, framework::String>) {
          text << '"' << value.Bytes() << '"';
        } else if constexpr (std::is_same_v<T, framework::Color>) {
          text << "0x" << std::hex << std::uppercase << std::setw(8) << std::setfill('0')
               << value.value;
        } else if constexpr (std::is_same_v<T, framework::FontUnits>) {
          text << int{value.value};
        } else {
          text << "(other)";
        }
      },
      entry.value);
  return text.str();
}

// Decodes the list with the receiving class, as the window applies it, and compares it entry by
// entry with the expected "Name=value" texts.
void ExpectEntries(std::string_view list, const framework::ClassRecord& record,
                   const std::vector<std::string>& expected) {
  std::vector<std::string> entries;
  framework::DecodePropertyList(list, record, [&](framework::PropertyListEntry&& e) {
    entries.push_back(EntryText(list, e));
  });
  EXPECT_EQ(entries.size(), expected.size());
  for (std::size_t n = 0; n < std::min(entries.size(), expected.size()); ++n) {
    EXPECT_EQ(entries[n], expected[n]) << "entry " << n + 1;
  }
}

TEST(PropertyLists, TheWindowsListByValue) {
  ExpectEntries(app::WindowPropertyList(), framework::Window::Lookup(),
                {"Width=600",
                 "Height=400",
                 "MinWidth=64",
                 "MinHeight=64",
                 "MaxWidth=32000",
                 "MaxHeight=32000",
                 "Frame=0",
                 "Title=\"ヴェルボリカ\"",
                 "CloseButton=True",
                 "Resizeable=True",
                 "MaximizeButton=False",
                 "MinimizeButton=True",
                 "FullScreenButton=False",
                 "Composite=False",
                 "MacProcID=0",
                 "Placement=0",
                 "Visible=True",
                 "LiveResize=True",
                 "FullScreen=False",
                 "MenuBarVisible=True",
                 "HasBackColor=True",
                 "BackColor=0x00FF2E62"});
}

// Each class's lists in order, entries separated by blanks: "Name=value" where all lists of the
// class hold that value, the bare name where each control's list holds a value of its own.
const std::map<std::string, std::string_view, std::less<>> kClassEntries = {
    {"ComboBox",
     "Name Index=-2147483648 Left Top Width Height LockLeft=True LockTop=True LockRight=False "
     "LockBottom=False TabPanelIndex=0 TabIndex TabStop=True Enabled InitialValue ListIndex=0 "
     "Visible HelpTag=\"\" AutoDeactivate=True UseFocusRing=True TextFont=\"System\" "
     "TextSize=16.0 TextUnit=0 Bold=False Italic=False Underline=False DataSource=\"\" "
     "DataField=\"\" AutoComplete=False"},
    {"TextField",
     "Name Index=-2147483648 Left Top Width Height LockLeft=True LockTop=True LockRight=False "
     "LockBottom=False TabPanelIndex=0 TabIndex TabStop=True Border=True Password=False "
     "UseFocusRing=True TextColor=0x00000000 BackColor=0x00FFFFFF Enabled Format=\"\" Visible "
     "HelpTag=\"\" AutoDeactivate=True TextFont=\"System\" TextSize=16.0 TextUnit=0 Bold=False "
     "Italic=False Underline=False CueText=\"\" Text Mask=\"\" ReadOnly=True LimitText=0 "
     "AcceptTabs=False Alignment=0 AutomaticallyCheckSpelling=False DataSource=\"\" "
     "DataField=\"\""},
    {"Label",
     "Name Index=-2147483648 Left Top Width Height LockLeft=True LockTop=True LockRight=False "
     "LockBottom=False TabPanelIndex=0 TabIndex Text TextAlign=0 TextColor=0x00000000 "
     "Multiline=False Enabled Visible Selectable=False Transparent=False HelpTag=\"\" "
     "AutoDeactivate=True TextFont=\"System\" TextSize=14.0 TextUnit=0 Bold=False Italic=False "
     "Underline=False DataSource=\"\" DataField=\"\" InitialParent=\"\""},
    {"BevelButton",
     "Name Index=-2147483648 Left Top Width Height LockLeft=True LockTop=True LockRight=False "
     "LockBottom=False TabPanelIndex=0 TabIndex TabStop=True InitialParent=\"\" Visible "
     "HelpTag=\"\" AutoDeactivate=True Enabled Caption CaptionAlign=3 CaptionPlacement=1 "
     "CaptionDelta=0 IconAlign=0 IconDX=0 IconDY=0 Bevel=0 HasMenu=0 HasBackColor=False "
     "BackColor=0x00000000 TextColor=0x00000000 Value=False MenuValue=0 ButtonType=0 "
     "AcceptFocus=False TextFont=\"System\" TextSize=0.0 TextUnit=0 Bold=False Italic=False "
     "Underline=False"},
};

std::vector<std::string> ExpectedEntries(const DesignedControl& control) {
  auto truth = [](bool value) -> std::string { return value ? "True" : "False"; };
  const std::string content = '"' + control.content + '"';
  const std::map<std::string, std::string, std::less<>> own = {
      {"Name", '"' + control.name + '"'},
      {"Left", std::to_string(control.left)},
      {"Top", std::to_string(control.top)},
      {"Width", std::to_string(control.width)},
      {"Height", std::to_string(control.height)},
      {"TabIndex", std::to_string(control.tabIndex)},
      {"Visible", truth(control.visible)},
      {"Enabled", truth(control.enabled)},
      {"InitialValue", content},
      {"Text", content},
      {"Caption", content},
  };
  std::vector<std::string> entries;
  std::istringstream words{std::string(kClassEntries.at(control.className))};
  for (std::string entry; words >> entry;) {
    entries.push_back(entry.find('=') == std::string::npos ? entry + '=' + own.at(entry) : entry);
  }
  return entries;
}

TEST(PropertyLists, EveryControlsListByValue) {
  auto designs = app::ControlDesigns();
  ASSERT_EQ(designs.size(), Designed().size());
  for (std::size_t i = 0; i < designs.size(); ++i) {
    SCOPED_TRACE(Designed()[i].name);
    ExpectEntries(app::ControlPropertyList(i), app::ControlClass(designs[i].kind),
                  ExpectedEntries(Designed()[i]));
  }
}

TEST(PropertyLists, EntriesAreEncodedByteForByte) {
  using namespace std::string_view_literals;
  const std::string_view combo = app::ControlPropertyList(0);
  // "Name", blank, count 9, "ComboBox1"; then "Index", blank, -2147483648 as 64 bits.
  EXPECT_EQ(combo.substr(0, 18), "Name \x09\0\0\0ComboBox1"sv);
  EXPECT_EQ(combo.substr(18, 14), "Index \0\0\0\x80\xFF\xFF\xFF\xFF"sv);
  const std::string_view button = app::ControlPropertyList(4);
  EXPECT_NE(button.find("Caption \x0C\0\0\0ランダム"sv), std::string_view::npos);
  EXPECT_NE(button.find("HasMenu \0\0\0\0\0\0\0\0"sv), std::string_view::npos);
  const std::string_view field = app::ControlPropertyList(1);
  EXPECT_NE(field.find("BackColor \xFF\xFF\xFF\0"sv), std::string_view::npos);
  EXPECT_NE(field.find("TextSize \0\0\x80\x41"sv), std::string_view::npos);
  EXPECT_NE(field.find("HelpTag \0\0\0\0AutoDeactivate \x01"sv), std::string_view::npos);
  const std::string_view windowList = app::WindowPropertyList();
  EXPECT_NE(windowList.find("BackColor b.\xFF\0"sv), std::string_view::npos);
  EXPECT_NE(windowList.find("MacProcID \0\0\0\0\0\0\0\0"sv), std::string_view::npos);
}

}  // namespace
}  // namespace app_test
