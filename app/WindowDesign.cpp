#include "app/WindowDesign.h"

#include <array>

#include "app/ListTexts.h"
#include "app/PropertyListWriter.h"
#include "framework/ui/BevelButton.h"
#include "framework/ui/ComboBox.h"
#include "framework/ui/Label.h"
#include "framework/ui/TextField.h"

namespace app {

namespace {

constexpr std::string_view kTitle = "ヴェルボリカ";
constexpr std::string_view kRandomCaption = "ランダム";
constexpr std::int64_t kNoIndex = -2147483648LL;  // the control is not part of a control set

// Name, Index, Left, Top, Width, Height, the four locks, TabPanelIndex and TabIndex: the
// opening entries of every control's list.
void AddPlacement(PropertyListWriter& list, const ControlDesign& c) {
  list.Add({Text("Name", c.name), Integer("Index", kNoIndex), Integer("Left", c.left),
            Integer("Top", c.top), Integer("Width", c.width), Integer("Height", c.height),
            Boolean("LockLeft", true), Boolean("LockTop", true), Boolean("LockRight", false),
            Boolean("LockBottom", false), Integer("TabPanelIndex", 0),
            Integer("TabIndex", c.tabIndex)});
}

void AddFont(PropertyListWriter& list, float size) {
  list.Add({Text("TextFont", "System"), Single("TextSize", size), Units("TextUnit", 0),
            Boolean("Bold", false), Boolean("Italic", false), Boolean("Underline", false)});
}

void AddHelp(PropertyListWriter& list) {
  list.Add({Text("HelpTag", ""), Boolean("AutoDeactivate", true)});
}

void AddDataBinding(PropertyListWriter& list) {
  list.Add({Text("DataSource", ""), Text("DataField", "")});
}

framework::String ComboBoxList(const ControlDesign& c) {
  PropertyListWriter list;
  AddPlacement(list, c);
  list.Add({Boolean("TabStop", true), Boolean("Enabled", true), Text("InitialValue", c.content),
            Integer("ListIndex", 0), Boolean("Visible", true)});
  AddHelp(list);
  list.Add(Boolean("UseFocusRing", true));
  AddFont(list, 16.0f);
  AddDataBinding(list);
  list.Add(Boolean("AutoComplete", false));
  return list.Finish();
}

framework::String TextFieldList(const ControlDesign& c) {
  PropertyListWriter list;
  AddPlacement(list, c);
  list.Add({Boolean("TabStop", true), Boolean("Border", true), Boolean("Password", false),
            Boolean("UseFocusRing", true), ColorValue("TextColor", 0x00000000),
            ColorValue("BackColor", 0x00FFFFFF), Boolean("Enabled", true), Text("Format", ""),
            Boolean("Visible", true)});
  AddHelp(list);
  AddFont(list, 16.0f);
  list.Add({Text("CueText", ""), Text("Text", c.content), Text("Mask", ""),
            Boolean("ReadOnly", true), Integer("LimitText", 0), Boolean("AcceptTabs", false),
            Integer("Alignment", 0), Boolean("AutomaticallyCheckSpelling", false)});
  AddDataBinding(list);
  return list.Finish();
}

framework::String LabelList(const ControlDesign& c) {
  PropertyListWriter list;
  AddPlacement(list, c);
  list.Add({Text("Text", c.content), Integer("TextAlign", 0), ColorValue("TextColor", 0x00000000),
            Boolean("Multiline", false), Boolean("Enabled", true), Boolean("Visible", true),
            Boolean("Selectable", false), Boolean("Transparent", false)});
  AddHelp(list);
  AddFont(list, 14.0f);
  AddDataBinding(list);
  list.Add(Text("InitialParent", ""));
  return list.Finish();
}

framework::String BevelButtonList(const ControlDesign& c) {
  PropertyListWriter list;
  AddPlacement(list, c);
  list.Add({Boolean("TabStop", true), Text("InitialParent", ""), Boolean("Visible", false)});
  AddHelp(list);
  list.Add({Boolean("Enabled", false), Text("Caption", c.content), Integer("CaptionAlign", 3),
            Integer("CaptionPlacement", 1), Integer("CaptionDelta", 0), Integer("IconAlign", 0),
            Integer("IconDX", 0), Integer("IconDY", 0), Integer("Bevel", 0), Integer("HasMenu", 0),
            Boolean("HasBackColor", false), ColorValue("BackColor", 0x00000000),
            ColorValue("TextColor", 0x00000000), Boolean("Value", false), Integer("MenuValue", 0),
            Integer("ButtonType", 0), Boolean("AcceptFocus", false)});
  AddFont(list, 0.0f);
  return list.Finish();
}

framework::String BuildWindowList() {
  PropertyListWriter list;
  list.Add({Integer("Width", 600),
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
            ColorValue("BackColor", 0x00FF2E62)});
  return list.Finish();
}

constexpr ControlDesign kControls[] = {
    {"ComboBox1", ControlKind::ComboBox, &ComboBoxList, 170, 238, 352, 39, 0, kLanguageRows},
    {"TextField1", ControlKind::TextField, &TextFieldList, 20, 66, 550, 148, 2, ""},
    {"StaticText1", ControlKind::Label, &LabelList, 33, 31, 111, 23, 3, "今日の動詞"},
    {"ComboBox2", ControlKind::ComboBox, &ComboBoxList, 170, 274, 419, 52, 4, kVerbRows},
    {"BevelButton1", ControlKind::BevelButton, &BevelButtonList, 20, 226, 60, 22, 5,
     kRandomCaption},
    {"BevelButton2", ControlKind::BevelButton, &BevelButtonList, 9, 292, 60, 22, 6, kRandomCaption},
    {"StaticText2", ControlKind::Label, &LabelList, 92, 239, 81, 23, 7, "言語"},
    {"StaticText3", ControlKind::Label, &LabelList, 92, 290, 81, 23, 8, "動詞"},
    {"ComboBox3", ControlKind::ComboBox, &ComboBoxList, 170, 325, 352, 47, 9, kTenseRows},
    {"StaticText4", ControlKind::Label, &LabelList, 92, 329, 81, 23, 10, "時制・法"},
};

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

const framework::String& WindowPropertyList() {
  static const framework::String list = BuildWindowList();
  return list;
}

const framework::String& ControlPropertyList(std::size_t controlIndex) {
  static const auto lists = [] {
    std::array<framework::String, std::size(kControls)> built;
    for (std::size_t i = 0; i < built.size(); ++i)
      built[i] = kControls[i].propertyList(kControls[i]);
    return built;
  }();
  return lists.at(controlIndex);
}

}  // namespace app
