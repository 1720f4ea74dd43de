#include "app/WindowDesign.h"

#include <array>
#include <utility>

#include "app/ListTexts.h"
#include "framework/ui/BevelButton.h"
#include "framework/ui/ComboBox.h"
#include "framework/ui/Label.h"
#include "framework/ui/PropertyListEncoder.h"
#include "framework/ui/TextField.h"

namespace app {

namespace {

using framework::Boolean;
using framework::ColorValue;
using framework::ConstantPropertyList;
using framework::Integer;
using framework::JoinEntries;
using framework::Single;
using framework::Text;
using framework::Units;

constexpr std::string_view kTitle = "ヴェルボリカ";
constexpr std::string_view kRandomCaption = "ランダム";
constexpr std::int64_t kNoIndex = -2147483648LL;  // the control is not part of a control set

constexpr ControlDesign kControls[] = {
    {"ComboBox1", ControlKind::ComboBox, 170, 238, 352, 39, 0, kLanguageRows},
    {"TextField1", ControlKind::TextField, 20, 66, 550, 148, 2, ""},
    {"StaticText1", ControlKind::Label, 33, 31, 111, 23, 3, "今日の動詞"},
    {"ComboBox2", ControlKind::ComboBox, 170, 274, 419, 52, 4, kVerbRows},
    {"BevelButton1", ControlKind::BevelButton, 20, 226, 60, 22, 5, kRandomCaption},
    {"BevelButton2", ControlKind::BevelButton, 9, 292, 60, 22, 6, kRandomCaption},
    {"StaticText2", ControlKind::Label, 92, 239, 81, 23, 7, "言語"},
    {"StaticText3", ControlKind::Label, 92, 290, 81, 23, 8, "動詞"},
    {"ComboBox3", ControlKind::ComboBox, 170, 325, 352, 47, 9, kTenseRows},
    {"StaticText4", ControlKind::Label, 92, 329, 81, 23, 10, "時制・法"},
};

constexpr auto kWindowList = ConstantPropertyList([] {
  return std::array{Integer("Width", 600),
                    Integer("Height", 400),
                    Integer("MinWidth", 64),
                    Integer("MinHeight", 64),
                    Integer("MaxWidth", 32000),
                    Integer("MaxHeight", 32000),
                    Integer("Frame", 0),
                    Text("Title", kTitle),
                    Boolean("CloseButton", true),
                    Boolean("Resizeable", true),
                    Boolean("MaximizeButton", false),
                    Boolean("MinimizeButton", true),
                    Boolean("FullScreenButton", false),
                    Boolean("Composite", false),
                    Integer("MacProcID", 0),
                    Integer("Placement", 0),
                    Boolean("Visible", true),
                    Boolean("LiveResize", true),
                    Boolean("FullScreen", false),
                    Boolean("MenuBarVisible", true),
                    Boolean("HasBackColor", true),
                    ColorValue("BackColor", 0x00FF2E62)};
});

// Name, Index, Left, Top, Width, Height, the four locks, TabPanelIndex and TabIndex: the
// opening entries of every control's list.
constexpr auto Placement(const ControlDesign& c) {
  return std::array{
      Text("Name", c.name),         Integer("Index", kNoIndex),  Integer("Left", c.left),
      Integer("Top", c.top),        Integer("Width", c.width),   Integer("Height", c.height),
      Boolean("LockLeft", true),    Boolean("LockTop", true),    Boolean("LockRight", false),
      Boolean("LockBottom", false), Integer("TabPanelIndex", 0), Integer("TabIndex", c.tabIndex)};
}

constexpr auto Font(float size) {
  return std::array{Text("TextFont", "System"), Single("TextSize", size),
                    Units("TextUnit", 0),       Boolean("Bold", false),
                    Boolean("Italic", false),   Boolean("Underline", false)};
}

constexpr std::array kHelp = {Text("HelpTag", ""), Boolean("AutoDeactivate", true)};
constexpr std::array kDataBinding = {Text("DataSource", ""), Text("DataField", "")};

constexpr auto ComboBoxEntries(const ControlDesign& c) {
  return JoinEntries(Placement(c), Boolean("TabStop", true), Boolean("Enabled", true),
                     Text("InitialValue", c.content), Integer("ListIndex", 0),
                     Boolean("Visible", true), kHelp, Boolean("UseFocusRing", true), Font(16.0f),
                     kDataBinding, Boolean("AutoComplete", false));
}

constexpr auto TextFieldEntries(const ControlDesign& c) {
  return JoinEntries(Placement(c), Boolean("TabStop", true), Boolean("Border", true),
                     Boolean("Password", false), Boolean("UseFocusRing", true),
                     ColorValue("TextColor", 0x00000000), ColorValue("BackColor", 0x00FFFFFF),
                     Boolean("Enabled", true), Text("Format", ""), Boolean("Visible", true), kHelp,
                     Font(16.0f), Text("CueText", ""), Text("Text", c.content), Text("Mask", ""),
                     Boolean("ReadOnly", true), Integer("LimitText", 0),
                     Boolean("AcceptTabs", false), Integer("Alignment", 0),
                     Boolean("AutomaticallyCheckSpelling", false), kDataBinding);
}

constexpr auto LabelEntries(const ControlDesign& c) {
  return JoinEntries(Placement(c), Text("Text", c.content), Integer("TextAlign", 0),
                     ColorValue("TextColor", 0x00000000), Boolean("Multiline", false),
                     Boolean("Enabled", true), Boolean("Visible", true),
                     Boolean("Selectable", false), Boolean("Transparent", false), kHelp,
                     Font(14.0f), kDataBinding, Text("InitialParent", ""));
}

constexpr auto BevelButtonEntries(const ControlDesign& c) {
  return JoinEntries(
      Placement(c), Boolean("TabStop", true), Text("InitialParent", ""), Boolean("Visible", false),
      kHelp, Boolean("Enabled", false), Text("Caption", c.content), Integer("CaptionAlign", 3),
      Integer("CaptionPlacement", 1), Integer("CaptionDelta", 0), Integer("IconAlign", 0),
      Integer("IconDX", 0), Integer("IconDY", 0), Integer("Bevel", 0), Integer("HasMenu", 0),
      Boolean("HasBackColor", false), ColorValue("BackColor", 0x00000000),
      ColorValue("TextColor", 0x00000000), Boolean("Value", false), Integer("MenuValue", 0),
      Integer("ButtonType", 0), Boolean("AcceptFocus", false), Font(0.0f));
}

// The entries of control `I`'s list, as its class's lists hold them.
template <std::size_t I>
constexpr auto ControlEntries() {
  constexpr const ControlDesign& c = kControls[I];
  if constexpr (c.kind == ControlKind::ComboBox)
    return ComboBoxEntries(c);
  else if constexpr (c.kind == ControlKind::TextField)
    return TextFieldEntries(c);
  else if constexpr (c.kind == ControlKind::Label)
    return LabelEntries(c);
  else
    return BevelButtonEntries(c);
}

// Each control's list is a constant byte array of its own length; the table views them in
// creation order.
template <std::size_t I>
constexpr auto kControlList = ConstantPropertyList([] { return ControlEntries<I>(); });

template <std::size_t... I>
constexpr std::array<std::string_view, sizeof...(I)> ControlLists(std::index_sequence<I...>) {
  return {std::string_view(kControlList<I>.data(), kControlList<I>.size())...};
}

constexpr auto kControlLists = ControlLists(std::make_index_sequence<std::size(kControls)>());

}  // namespace

const framework::ClassRecord& ControlClass(ControlKind kind) {
  // In the order of ControlKind.
  constexpr const framework::ClassRecord& (*kLookups[])() = {
      &framework::ComboBox::Lookup, &framework::TextField::Lookup, &framework::Label::Lookup,
      &framework::BevelButton::Lookup};
  return kLookups[static_cast<std::size_t>(kind)]();
}

std::span<const ControlDesign> ControlDesigns() noexcept {
  return kControls;
}

std::string_view WindowPropertyList() noexcept {
  return {kWindowList.data(), kWindowList.size()};
}

std::string_view ControlPropertyList(std::size_t controlIndex) {
  return kControlLists.at(controlIndex);
}

}  // namespace app
