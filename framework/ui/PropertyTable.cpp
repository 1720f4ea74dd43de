#include "framework/ui/PropertyTable.h"

#include <algorithm>
#include <array>

#include "framework/ui/PropertyStore.h"

namespace framework {

namespace {

constexpr ValueType I = ValueType::Integer;
constexpr ValueType B = ValueType::Boolean;
constexpr ValueType S = ValueType::String;
constexpr ValueType F = ValueType::Single;
constexpr ValueType C = ValueType::Color;
constexpr ValueType U = ValueType::FontUnits;

constexpr PropertyDeclaration kDeclarations[] = {
    {"Window", "Width", I},
    {"Window", "Height", I},
    {"Window", "MinWidth", I},
    {"Window", "MinHeight", I},
    {"Window", "MaxWidth", I},
    {"Window", "MaxHeight", I},
    {"Window", "Frame", I},
    {"Window", "Title", S},
    {"Window", "CloseButton", B},
    {"Window", "Resizeable", B},
    {"Window", "MaximizeButton", B},
    {"Window", "MinimizeButton", B},
    {"Window", "FullScreenButton", B},
    {"Window", "Composite", B},
    {"Window", "MacProcId", I},
    {"Window", "Placement", I},
    {"Window", "Visible", B},
    {"Window", "LiveResize", B},
    {"Window", "FullScreen", B},
    {"Window", "MenuBarVisible", B},
    {"Window", "HasBackColor", B},
    {"Window", "BackColor", C},

    {"Control", "Name", S},
    {"Control", "Index", I},

    {"RectControl", "Left", I},
    {"RectControl", "Top", I},
    {"RectControl", "Width", I},
    {"RectControl", "Height", I},
    {"RectControl", "LockLeft", B},
    {"RectControl", "LockTop", B},
    {"RectControl", "LockRight", B},
    {"RectControl", "LockBottom", B},
    {"RectControl", "TabPanelIndex", I},
    {"RectControl", "TabIndex", I},
    {"RectControl", "TabStop", B},
    {"RectControl", "Enabled", B},
    {"RectControl", "Visible", B},
    {"RectControl", "HelpTag", S},
    {"RectControl", "AutoDeactivate", B},
    {"RectControl", "InitialParent", S},
    {"RectControl", "UseFocusRing", B},
    {"RectControl", "DataSource", S},
    {"RectControl", "DataField", S},
    {"RectControl", "TextFont", S},
    {"RectControl", "TextSize", F},
    {"RectControl", "TextUnit", U},
    {"RectControl", "Bold", B},
    {"RectControl", "Italic", B},
    {"RectControl", "Underline", B},

    {"PopupMenu", "InitialValue", S},
    {"PopupMenu", "ListIndex", I},

    {"ComboBox", "AutoComplete", B},

    {"TextEdit", "Text", S},
    {"TextEdit", "ReadOnly", B},
    {"TextEdit", "Border", B},
    {"TextEdit", "TextColor", C},
    {"TextEdit", "BackColor", C},
    {"TextEdit", "Format", S},
    {"TextEdit", "LimitText", I},
    {"TextEdit", "AcceptTabs", B},
    {"TextEdit", "Alignment", I},
    {"TextEdit", "AutomaticallyCheckSpelling", B},

    {"TextField", "Password", B},
    {"TextField", "CueText", S},
    {"TextField", "Mask", S},

    {"Label", "Text", S},
    {"Label", "TextAlign", I},
    {"Label", "TextColor", C},
    {"Label", "MultiLine", B},
    {"Label", "Selectable", B},
    {"Label", "Transparent", B},

    {"BevelButton", "Caption", S},
    {"BevelButton", "CaptionAlign", I},
    {"BevelButton", "CaptionPlacement", I},
    {"BevelButton", "CaptionDelta", I},
    {"BevelButton", "IconAlign", I},
    {"BevelButton", "IconDX", I},
    {"BevelButton", "IconDY", I},
    {"BevelButton", "Bevel", I},
    {"BevelButton", "HasMenu", I},
    {"BevelButton", "HasBackColor", B},
    {"BevelButton", "BackColor", C},
    {"BevelButton", "TextColor", C},
    {"BevelButton", "Value", B},
    {"BevelButton", "MenuValue", I},
    {"BevelButton", "ButtonType", I},
    {"BevelButton", "AcceptFocus", B},
};

// Every declared property carries this flags word.
constexpr std::uint32_t kPropertyFlags = 5;

PropertyHolder& HolderOf(Object& object, std::string_view property) {
  PropertyHolder* holder = object.StoredPropertyHolder();
  if (!holder) {
    Raise<InvalidArgumentException>(object.Class().Name() + " holds no property " +
                                    std::string(property));
  }
  return *holder;
}

bool HoldsType(const Variant& value, ValueType type) noexcept {
  switch (type) {
    case ValueType::Integer:
      return std::holds_alternative<std::int64_t>(value);
    case ValueType::Boolean:
      return std::holds_alternative<bool>(value);
    case ValueType::String:
      return std::holds_alternative<String>(value);
    case ValueType::Single:
      return std::holds_alternative<float>(value);
    case ValueType::Color:
      return std::holds_alternative<Color>(value);
    case ValueType::FontUnits:
      return std::holds_alternative<FontUnits>(value);
    case ValueType::Object:
      return std::holds_alternative<Ref<Object>>(value);
  }
  return false;
}

Variant DefaultValue(ValueType type) {
  switch (type) {
    case ValueType::Integer:
      return std::int64_t{0};
    case ValueType::Boolean:
      return false;
    case ValueType::String:
      return String();
    case ValueType::Single:
      return 0.0F;
    case ValueType::Color:
      return Color{};
    case ValueType::FontUnits:
      return FontUnits{};
    case ValueType::Object:
      return Ref<Object>();
  }
  return {};
}

PropertyAccessors StoredAccessors(std::string_view name, ValueType type) {
  PropertyAccessors accessors;
  accessors.get = [name, type](Object& object) -> Variant {
    const Variant* value = HolderOf(object, name).StoredProperties().Find(name);
    return value ? *value : DefaultValue(type);
  };
  accessors.set = [name, type](Object& object, const Variant& value) {
    if (!HoldsType(value, type)) {
      Raise<InvalidArgumentException>("wrong value type for property " + std::string(name));
    }
    PropertyHolder& holder = HolderOf(object, name);
    holder.StoredProperties().Set(name, value);
    holder.StoredPropertyChanged(name);
  };
  return accessors;
}

PropertyAccessors BoundAccessors(const PropertyBinding& binding, ValueType type) {
  PropertyAccessors accessors;
  accessors.get = binding.get;
  accessors.set = [set = binding.set, name = binding.name, type](Object& object,
                                                                 const Variant& value) {
    if (!HoldsType(value, type)) {
      Raise<InvalidArgumentException>("wrong value type for property " + std::string(name));
    }
    set(object, value);
  };
  return accessors;
}

}  // namespace

std::span<const PropertyDeclaration> PropertyDeclarations() noexcept {
  return kDeclarations;
}

std::string_view PropertyTypeCode(ValueType type) noexcept {
  switch (type) {
    case ValueType::Integer:
      return "i8";
    case ValueType::Boolean:
      return "b";
    case ValueType::String:
      return "s";
    case ValueType::Single:
      return "f4";
    case ValueType::Color:
      return "c";
    case ValueType::FontUnits:
      return "u1";
    case ValueType::Object:
      return "o";
  }
  return "";
}

void DeclareProperties(ClassRecord& record, std::string_view className,
                       std::span<const PropertyBinding> bindings) {
  for (const PropertyDeclaration& declaration : kDeclarations) {
    if (declaration.declaringClass != className) continue;
    auto bound = std::ranges::find(bindings, declaration.name, &PropertyBinding::name);
    PropertyAccessors accessors = bound != bindings.end()
                                      ? BoundAccessors(*bound, declaration.type)
                                      : StoredAccessors(declaration.name, declaration.type);
    accessors.introspectionGet = accessors.get;
    accessors.introspectionSet = accessors.set;
    record.AddProperty(std::string(declaration.name), kPropertyFlags,
                       std::string(PropertyTypeCode(declaration.type)), declaration.type,
                       std::move(accessors));
  }
}

}  // namespace framework
