// The main window as built: its properties, its ten controls, their lists and handlers, every
// entry of the eleven property lists, the rows of the three lists and what the widgets show.
#include <QApplication>
#include <QComboBox>
#include <QCompleter>
#include <QFontDatabase>
#include <QLabel>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextDocument>
#include <algorithm>
#include <iomanip>
#include <map>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "AppTestSupport.h"
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

// The blank-separated words of a text.
std::vector<std::string> Words(std::string_view text) {
  std::vector<std::string> words;
  std::istringstream stream{std::string(text)};
  for (std::string word; stream >> word;) words.push_back(word);
  return words;
}

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
const std::vector<DesignedControl> kDesigned = {
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

// On a dark desktop, so that a colour the lists set differs from what a widget would show anyway.
class Layout : public OpenWindow {
 protected:
  void SetUp() override {
    framework::RuntimeInit();
    QApplication::setPalette(QPalette(Qt::darkGray, Qt::black));
    OpenWindow::SetUp();
  }
};

// Each accessor returns the control registered under its own name, not just one of its class.
TEST_F(Layout, TenControlsInCreationOrderWithNineHandlersAndAnAccessorEach) {
  auto controls = window->Controls();
  const std::vector<framework::Control*> byAccessor = {
      window->ComboBox1().get(),   window->TextField1().get(),   window->StaticText1().get(),
      window->ComboBox2().get(),   window->BevelButton1().get(), window->BevelButton2().get(),
      window->StaticText2().get(), window->StaticText3().get(),  window->ComboBox3().get(),
      window->StaticText4().get()};
  ASSERT_EQ(controls.size(), kDesigned.size());
  for (std::size_t i = 0; i < controls.size(); ++i) {
    const auto& control = *controls[i];
    const DesignedControl& expected = kDesigned[i];
    EXPECT_EQ(control.Name().Bytes(), expected.name);
    EXPECT_EQ(byAccessor[i], &control) << expected.name;
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
                Words("Width=600 Height=400 MinWidth=64 MinHeight=64 MaxWidth=32000 "
                      "MaxHeight=32000 Frame=0 Title=\"ヴェルボリカ\" CloseButton=True "
                      "Resizeable=True MaximizeButton=False MinimizeButton=True "
                      "FullScreenButton=False Composite=False MacProcID=0 Placement=0 Visible=True "
                      "LiveResize=True FullScreen=False MenuBarVisible=True HasBackColor=True "
                      "BackColor=0x00FF2E62"));
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
  std::vector<std::string> entries = Words(kClassEntries.at(control.className));
  for (std::string& entry : entries) {
    if (entry.find('=') == std::string::npos) entry += '=' + own.at(entry);
  }
  return entries;
}

TEST(PropertyLists, EveryControlsListByValue) {
  auto designs = app::ControlDesigns();
  ASSERT_EQ(designs.size(), kDesigned.size());
  EXPECT_EQ((std::vector{kLanguageList.size(), kVerbList.size(), kTenseList.size()}),
            (std::vector<std::size_t>{132, 458, 394}));
  for (std::size_t i = 0; i < designs.size(); ++i) {
    SCOPED_TRACE(kDesigned[i].name);
    ExpectEntries(app::ControlPropertyList(i), app::ControlClass(designs[i].kind),
                  ExpectedEntries(kDesigned[i]));
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

// What the rendered window shows, as "Name=value" texts in the form EntryText gives an entry.
struct Shown {
  static std::string Text(bool value) { return value ? "True" : "False"; }
  static std::string Text(int value) { return std::to_string(value); }
  static std::string Text(const std::string& text) { return text; }
  static std::string Text(QString text) {
    return '"' + text.replace(QLatin1Char('\n'), QLatin1Char('\r')).toStdString() + '"';
  }
  static std::string Text(const QColor& color) {  // 0xTTRRGGBB, TT the transparency
    const unsigned value = (255u - color.alpha()) << 24 | (color.rgb() & 0xFFFFFFu);
    return "0x" + QString::number(value, 16).rightJustified(8, '0').toUpper().toStdString();
  }
  template <class Value, class... More>
  void Add(const char* name, const Value& value, const More&... more) {
    texts.push_back(name + ('=' + Text(value)));
    if constexpr (sizeof...(more) > 0) Add(more...);
  }

  std::vector<std::string> texts;
};
std::string Horizontal(Qt::Alignment alignment) {  // 0 the default, left; 2 centre; 3 right
  const Qt::Alignment h = alignment & Qt::AlignHorizontal_Mask;
  return h == Qt::AlignLeft ? "0" : h == Qt::AlignHCenter ? "2" : h == Qt::AlignRight ? "3" : "?";
}

// Frame 0 is a document window; the content is the area below the menu bar.
Shown ShownByWindow(const QMainWindow& window) {
  const QWidget& content = *window.centralWidget();
  const Qt::WindowFlags flags = window.windowFlags();
  Shown shown;
  shown.Add(
      "Width", content.width(), "Height", content.height(), "MinWidth", content.minimumWidth(),
      "MinHeight", content.minimumHeight(), "MaxWidth", content.maximumWidth(), "MaxHeight",
      content.maximumHeight(), "Frame", window.windowType() == Qt::Window ? 0 : -1, "Title",
      window.windowTitle(), "CloseButton", flags.testFlag(Qt::WindowCloseButtonHint),
      "MaximizeButton", flags.testFlag(Qt::WindowMaximizeButtonHint), "MinimizeButton",
      flags.testFlag(Qt::WindowMinimizeButtonHint), "Resizeable",
      content.minimumSize() != content.maximumSize(), "Visible", window.isVisible(), "FullScreen",
      window.isFullScreen(), "MenuBarVisible", window.menuWidget()->isVisible(), "HasBackColor",
      content.autoFillBackground(), "BackColor", content.palette().color(QPalette::Window));
  return shown;
}

// TextSize 0 is the desktop's size, TextUnit 0 points. The field shows its text from the top,
// wrapped at its width; a label plain text, never markup, centred vertically in its box.
Shown ShownByControl(const QWidget& w) {
  const QFont& font = w.font();
  const QFont desktop = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
  const qreal points = font.pointSizeF() == desktop.pointSizeF() ? 0.0 : font.pointSizeF();
  const QPalette& palette = w.palette();
  Shown shown;
  shown.Add("Left", w.x(), "Top", w.y(), "Width", w.width(), "Height", w.height(), "Visible",
            w.isVisible(), "Enabled", w.isEnabled(), "HelpTag", w.toolTip(), "TabStop",
            (w.focusPolicy() & Qt::TabFocus) != 0, "AcceptFocus", w.focusPolicy() != Qt::NoFocus,
            "TextFont", font.families() == desktop.families() ? "System" : "font " + font.family(),
            "TextSize", QString::number(points, 'f', 1).toStdString(), "TextUnit",
            font.pixelSize() == -1 ? 0 : -1, "Bold", font.bold(), "Italic", font.italic(),
            "Underline", font.underline());
  if (const auto* list = qobject_cast<const QComboBox*>(&w)) {
    QStringList rows;
    for (int row = 0; row < list->count(); ++row) rows << list->itemText(row);
    const QCompleter* completer = list->completer();
    shown.Add("InitialValue", rows.join('\r'), "ListIndex", list->currentIndex(), "AutoComplete",
              completer && completer->model() == list->model());
  } else if (const auto* field = qobject_cast<const QPlainTextEdit*>(&w)) {
    const QTextOption option = field->document()->defaultTextOption();
    const bool wraps = field->lineWrapMode() == QPlainTextEdit::WidgetWidth &&
                       option.wrapMode() != QTextOption::NoWrap;
    shown.Add("Border", field->frameShape() != QFrame::NoFrame, "TextColor",
              palette.color(QPalette::Text), "BackColor", palette.color(QPalette::Base), "CueText",
              field->placeholderText(), "ReadOnly", field->isReadOnly(), "AcceptTabs",
              !field->tabChangesFocus() && !field->isReadOnly(), "Alignment",
              wraps ? Horizontal(option.alignment()) : "unwrapped");
  } else if (const auto* label = qobject_cast<const QLabel*>(&w)) {
    const bool centred = (label->alignment() & Qt::AlignVertical_Mask) == Qt::AlignVCenter;
    shown.Add("Text", label->textFormat() == Qt::PlainText ? Shown::Text(label->text()) : "markup",
              "TextAlign", centred ? Horizontal(label->alignment()) : "not centred", "TextColor",
              palette.color(QPalette::WindowText), "Multiline", label->wordWrap(), "Selectable",
              label->textInteractionFlags() != Qt::NoTextInteraction);
  } else if (const auto* button = qobject_cast<const QPushButton*>(&w)) {
    const QColor windowBack = w.parentWidget()->palette().color(QPalette::Button);
    shown.Add("Caption", button->text(), "TextColor", palette.color(QPalette::ButtonText),
              "HasBackColor", palette.color(QPalette::Button) != windowBack);
  }
  return shown;
}

// The entries that show nothing on this platform: names, or "Class.Name" for one class alone.
constexpr std::string_view kShowNothing =
    // For the program, not the user: names, control sets, containers, tab panels, data binding.
    " Name Index InitialParent TabPanelIndex DataSource DataField"
    // Controls stand where they were placed when the window resizes: locked to its left and top.
    " LockLeft LockTop LockRight LockBottom"
    // The window system places the window and draws focus, live resizing and deactivation its
    // own way; compositing, the window definition and the full-screen button are macOS's.
    " Window.Placement Window.LiveResize AutoDeactivate UseFocusRing Window.Composite"
    " Window.MacProcID Window.FullScreenButton"
    // Rules for typed text; the field takes none. Its text is the opening cell by the time the
    // window shows (the handler tests read that).
    " TextField.Password TextField.Format TextField.Mask TextField.LimitText"
    " TextField.AutomaticallyCheckSpelling TextField.Text"
    // Over the window's own colour a label looks the same opaque or transparent.
    " Label.Transparent"
    // The hidden buttons: no user sees their caption and icon placement, bevel, menu or kind; the
    // back colour counts only with HasBackColor; a button that takes no focus has no tab stop.
    " BevelButton.CaptionAlign BevelButton.CaptionPlacement BevelButton.CaptionDelta"
    " BevelButton.IconAlign BevelButton.IconDX BevelButton.IconDY BevelButton.Bevel"
    " BevelButton.HasMenu BevelButton.Value BevelButton.MenuValue BevelButton.ButtonType"
    " BevelButton.BackColor BevelButton.TabStop ";
bool ShowsNothing(const std::string& name) {
  return kShowNothing.find(' ' + name + ' ') != std::string_view::npos;
}

// Each entry of the eleven lists, decoded as the window applies it, is shown by the rendered
// window and its widgets, or stands among the entries that show nothing here.
TEST_F(Layout, EveryListedPropertyShowsInTheRenderedWindow) {
  QMainWindow* main = framework::MainWindowOf(*window);
  ASSERT_NE(main, nullptr);
  std::vector<std::tuple<std::string_view, const framework::ClassRecord*, Shown>> lists = {
      {app::WindowPropertyList(), &framework::Window::Lookup(), ShownByWindow(*main)}};
  for (std::size_t i = 0; i < app::ControlDesigns().size(); ++i) {
    auto control = framework::RuntimeCheckCast<framework::RectControl>(
        window->ControlByName(framework::String(app::ControlDesigns()[i].name)).get());
    lists.emplace_back(app::ControlPropertyList(i), &control->Class(),
                       ShownByControl(*framework::WidgetOf(*control)));
  }
  for (const auto& [list, record, shown] : lists) {
    framework::DecodePropertyList(list, *record, [&](framework::PropertyListEntry&& entry) {
      std::string listed = EntryText(list, entry);
      const std::string name = listed.substr(0, listed.find('='));
      const std::string key = record->Name() + '.' + name;
      // TabIndex is read by the Tab walk below.
      if (name == "TabIndex" || ShowsNothing(key) || ShowsNothing(name)) return;
      const auto value = std::ranges::find_if(
          shown.texts, [&](const std::string& text) { return text.starts_with(name + '='); });
      ASSERT_NE(value, shown.texts.end())
          << key << " is neither read back nor said to show nothing";
      if (listed.ends_with("\r\"")) listed.erase(listed.size() - 2, 1);  // a final CR: no row
      EXPECT_EQ(*value, listed) << record->Name();
    });
  }
  // Tab visits the lists and the field in TabIndex order; labels and the hidden buttons take no
  // focus.
  main->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(main));
  framework::WidgetOf(*window->ComboBox1())->setFocus();
  for (const char* next : {"TextField1", "ComboBox2", "ComboBox3", "ComboBox1"}) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    const QWidget* reached = framework::WidgetOf(
        *framework::RuntimeCheckCast<framework::RectControl>(window->ControlByName(next).get()));
    EXPECT_TRUE(QTest::qWaitFor([&] { return reached->hasFocus(); }))
        << "Tab did not reach " << next;
  }
}

}  // namespace
}  // namespace app_test
