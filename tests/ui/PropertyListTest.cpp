#include "framework/ui/ClassBuilding.h"
#include "framework/ui/PropertyListEncoder.h"
#include "tests/ui/UiTestSupport.h"

namespace uitest {
namespace {

std::vector<PropertyListEntry> Decode(std::string_view list, const ClassRecord& record) {
  std::vector<PropertyListEntry> entries;
  DecodePropertyList(list, record, [&](const PropertyListEntry& e) { entries.push_back(e); });
  return entries;
}

std::string DecodeError(std::string_view list, const ClassRecord& record) {
  return Raised([&] { Decode(list, record); }, InvalidArgumentException::Lookup());
}

using namespace std::string_literals;
using namespace std::string_view_literals;

// Every value type as the list holds it, decoded against BevelButton.
struct FormatCase {
  PropertySetting entry;
  std::string_view bytes;
};
constexpr FormatCase kFormatCases[] = {
    {Integer("Index", -2147483648LL), "Index \0\0\0\x80\xFF\xFF\xFF\xFF"sv},
    {Integer("Left", 0x0807060504030201), "Left \x01\x02\x03\x04\x05\x06\x07\x08"sv},
    {Integer("HasMenu", 0), "HasMenu \0\0\0\0\0\0\0\0"sv},  // reads like a flag, takes 8 bytes
    {Boolean("Value", true), "Value \x01"sv},
    {Boolean("Visible", false), "Visible \0"sv},
    {Text("HelpTag", ""), "HelpTag \0\0\0\0"sv},
    {Text("Caption", "ランダム"), "Caption \x0C\0\0\0ランダム"sv},  // counted in bytes
    {Text("Caption", "a\rb\r"), "Caption \x04\0\0\0a\rb\r"sv},
    {Single("TextSize", 16.0F), "TextSize \0\0\x80\x41"sv},
    {Single("TextSize", -0.75F), "TextSize \0\0\x40\xBF"sv},
    {ColorValue("BackColor", 0x00FF2E62), "BackColor b.\xFF\0"sv},
    {Units("TextUnit", 2), "TextUnit \x02"sv},
};

// The value as the decoder gives it: a String for text.
Variant ValueOf(const PropertySetting& entry) {
  return std::visit([](auto value) -> Variant { return value; }, entry.value);
}

// The same entries as one list encoded when the tests are built: back to back, each decoded
// from where the one before it ends.
constexpr auto kAllCases = ConstantPropertyList([] {
  std::array<PropertySetting, std::size(kFormatCases)> entries{};
  for (std::size_t i = 0; i < entries.size(); ++i) entries[i] = kFormatCases[i].entry;
  return entries;
});

TEST(PropertyListFormat, EachValueTypeEncodesToItsBytesAndAListIsItsEntriesBackToBack) {
  for (const FormatCase& c : kFormatCases) {
    SCOPED_TRACE(c.entry.name);
    EXPECT_EQ(EncodePropertyList({c.entry}), c.bytes);
    auto decoded = Decode(c.bytes, BevelButton::Lookup());
    ASSERT_EQ(decoded.size(), 1u);
    EXPECT_EQ(decoded[0].property->name, c.entry.name);
    EXPECT_EQ(decoded[0].value, ValueOf(c.entry));
  }
  const std::string_view list(kAllCases.data(), kAllCases.size());
  auto decoded = Decode(list, BevelButton::Lookup());
  ASSERT_EQ(decoded.size(), std::size(kFormatCases));
  std::size_t offset = 0;
  for (std::size_t i = 0; i < decoded.size(); ++i) {
    EXPECT_EQ(list.substr(offset, kFormatCases[i].bytes.size()), kFormatCases[i].bytes);
    EXPECT_EQ(decoded[i].offset, offset);
    EXPECT_EQ(decoded[i].value, ValueOf(kFormatCases[i].entry));
    offset += kFormatCases[i].bytes.size();
  }
  EXPECT_EQ(offset, list.size());
  EXPECT_EQ(EncodePropertyList({}), "");
}

TEST(PropertyListDecoding, NamesMatchWholeAndWithoutRegardToCase) {
  auto entries = Decode(EncodePropertyList({Boolean("MenuBarVisible", true),
                                            Boolean("Visible", false), Integer("MacProcID", 7)}),
                        Window::Lookup());
  ASSERT_EQ(entries.size(), 3u);
  EXPECT_EQ(entries[0].property->name, "MenuBarVisible");
  EXPECT_EQ(entries[1].property->name, "Visible");
  EXPECT_EQ(entries[2].property->name, "MacProcId");
  EXPECT_EQ(entries[2].property->declaringClass, &Window::Lookup());

  auto label = Decode(EncodePropertyList({Boolean("Multiline", true)}), Label::Lookup());
  EXPECT_EQ(label[0].property->name, "MultiLine");
  EXPECT_EQ(label[0].property->declaringClass, &Label::Lookup());
}

TEST(PropertyListDecoding, BadListsRaiseNamingTheEntryAndItsOffset) {
  const ClassRecord& combo = ComboBox::Lookup();
  const std::string good = EncodePropertyList({Text("Name", "X")});  // 10 bytes
  EXPECT_EQ(DecodeError(good + "Index \x01\x02\x03"s, combo),
            "property list entry 'Index' at byte offset 10: value runs past the end of the list "
            "(needs 8 bytes, 3 left)");
  EXPECT_NE(
      DecodeError(good + "Name \xFF\xFF\xFF\xFFshort"s, combo).find("'Name' at byte offset 10"),
      std::string::npos);
  EXPECT_NE(DecodeError(good + "Visible"s, combo).find("at byte offset 10: no blank"),
            std::string::npos);
  EXPECT_NE(DecodeError(good + "Caption \0\0\0\0"s, combo).find("'Caption' at byte offset 10"),
            std::string::npos);
  EXPECT_NE(DecodeError(good + "Enabled \x02"s, combo).find("neither 0 nor 1"), std::string::npos);
  EXPECT_NE(DecodeError(" \x01"sv, combo).find("empty property name"), std::string::npos);
  // Object properties have no list encoding.
  EXPECT_NE(DecodeError("MenuBar \0\0\0\0\0\0\0\0"sv, Window::Lookup()).find("cannot be set"),
            std::string::npos);
  // Names in messages are escaped and shortened.
  std::string name(100, 'x');
  name[0] = '\x01';
  std::string message = DecodeError(name + " ", Label::Lookup());
  EXPECT_NE(message.find("'\\x01xxx"), std::string::npos);
  EXPECT_NE(message.find("...'"), std::string::npos);
  EXPECT_LT(message.size(), 150u);
  const std::string atTheCut(40, 'y');
  EXPECT_NE(DecodeError(atTheCut + " ", Label::Lookup()).find("'" + atTheCut + "'"),
            std::string::npos);
}

class SetPropertiesTest : public UiTest {};

TEST_F(SetPropertiesTest, AppliesEveryEntryInOrderOrNothingAtAll) {
  Ref<Label> label = New<Label>();
  const std::string list = EncodePropertyList({Text("Text", "first"), Text("Text", "second"),
                                               Integer("Left", 5), Boolean("Visible", false)});
  SetProperties(label.get(), list);
  EXPECT_EQ(label->Text(), String("second"));
  EXPECT_EQ(label->Left(), 5);
  const PropertyEntry* visible = label->Class().FindProperty("visible");
  EXPECT_EQ(std::get<bool>(visible->accessors.get(*label)), false);

  // A list that breaks in its last entry sets nothing.
  std::string broken = EncodePropertyList({Text("Text", "third"), Integer("Left", 9)});
  broken.pop_back();
  EXPECT_THROW(SetProperties(label.get(), broken), PendingException);
  EXPECT_EQ(label->Text(), String("second"));
  EXPECT_EQ(label->Left(), 5);
  EXPECT_THROW(SetProperties(nullptr, list), PendingException);
  EXPECT_THROW(SetProperties(label.get(), EncodePropertyList({Single("TextSize", -1.0F)})),
               PendingException);

  // A property's accessors, given an object of another class, raise and write nothing.
  Ref<TextField> field = New<TextField>();
  field->Text_Set(String("kept"));
  const PropertyAccessors& text = label->Class().FindProperty("Text")->accessors;
  const ClassRecord& illegalCast = IllegalCastException::Lookup();
  EXPECT_NE(Raised([&] { text.set(*field, String("lost")); }, illegalCast), "no exception");
  EXPECT_NE(Raised([&] { text.get(*field); }, illegalCast), "no exception");
  EXPECT_EQ(field->Text(), String("kept"));
}

// A value that the framework does not draw is refused, naming the property and the value; the
// one value it takes reads back.
TEST_F(SetPropertiesTest, RefusesTheValuesItDoesNotSupport) {
  const struct {
    const ClassRecord* record;
    PropertySetting refused;
    const char* message;
  } cases[] = {
      {&Label::Lookup(), Integer("TextAlign", 2),
       "Label.TextAlign 2 is not supported; it takes 0 only"},
      {&TextField::Lookup(), Boolean("ReadOnly", false),
       "TextField.ReadOnly False is not supported; it takes True only"},
      {&ComboBox::Lookup(), Text("TextFont", "Serif"),
       "ComboBox.TextFont \"Serif\" is not supported; it takes \"System\" only"},
      {&BevelButton::Lookup(), Units("TextUnit", 1),
       "BevelButton.TextUnit 1 is not supported; it takes 0 only"},
      {&Window::Lookup(), Boolean("MaximizeButton", true),
       "Window.MaximizeButton True is not supported; it takes False only"},
  };
  for (const auto& [record, refused, message] : cases) {
    Ref<Object> object = RuntimeNewObject(*record);
    EXPECT_EQ(Raised([&] { SetProperties(object.get(), EncodePropertyList({refused})); },
                     UnsupportedOperationException::Lookup()),
              message);
  }
  Ref<Object> field = RuntimeNewObject(TextField::Lookup());
  SetProperties(field.get(), EncodePropertyList({Boolean("ReadOnly", true)}));
  EXPECT_EQ(field->Class().FindProperty("Alignment")->accessors.get(*field),
            Variant(std::int64_t{0}));
}

TEST(FrameworkClassRecords, OperationsWithoutBehaviourRaiseWhenCalled) {
  const MethodEntry* maximize = Window::Lookup().FindMethod("Maximize");
  ASSERT_NE(maximize, nullptr);
  const auto& unsupported = std::any_cast<const UnsupportedOperation&>(maximize->method);
  EXPECT_NE(Raised(unsupported, UnsupportedOperationException::Lookup()).find("Window.Maximize"),
            std::string::npos);
}

}  // namespace
}  // namespace uitest
