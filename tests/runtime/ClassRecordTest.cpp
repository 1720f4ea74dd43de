#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "ExpectRaises.h"
#include "framework/runtime/ClassRecord.h"
#include "framework/runtime/Exceptions.h"
#include "framework/runtime/FaultInjection.h"
#include "framework/runtime/Object.h"
#include "framework/runtime/Ref.h"

namespace {

using framework::ClassRecord;
using framework::ClassRecordSlot;
using framework::IllegalCastException;
using framework::MakeObject;
using framework::Object;
using framework::Operation;
using framework::PendingException;
using framework::Ref;
using framework::ScopedFault;
using framework::ValueType;
using framework::Variant;

std::vector<std::string> initLog;
std::vector<std::string> eventLog;

// A three-level hierarchy: Shape (root) <- Square <- Tile.
class Shape : public Object {
 public:
  FRAMEWORK_CLASS_RECORD(Shape)
  explicit Shape(const ClassRecord& record) : Object(record) {}
  void Draw() {}
  std::int64_t width = 0;
};

class Square : public Shape {
 public:
  FRAMEWORK_CLASS_RECORD(Square)
  using Shape::Shape;
  float side = 0;
};

class Tile : public Square {
 public:
  FRAMEWORK_CLASS_RECORD(Tile)
  using Square::Square;
};

template <class T>
Ref<Object> Factory(const ClassRecord& record) {
  return MakeObject<T>(record);
}

std::unique_ptr<ClassRecord> Shape::BuildClassRecord() {
  auto record = framework::RuntimeNewClass(nullptr, "Shape");
  record->SetFactory(&Factory<Shape>);
  record->SetInitializer([](Object&) { initLog.push_back("Shape"); });
  framework::RuntimeNewVtable(*record, {"Draw", "Area"});
  auto& draw = record->AddMethod("Draw", 0x1, "%%", &Shape::Draw);
  framework::RuntimeAllocateAttributeTable(draw, {{"Hidden", ""}});
  auto& area = record->AddMethod("Area", 0x21, "%f8%", {});
  framework::RuntimeAllocateAttributeTable(area, {{"Description", "surface"}});
  record->AddProperty(
      "Width", 0x3, "i8", ValueType::Integer,
      {.get = [](Object& o) -> Variant { return static_cast<Shape&>(o).width; },
       .set = [](Object& o,
                 const Variant& v) { static_cast<Shape&>(o).width = std::get<std::int64_t>(v); },
       .introspectionGet = {},
       .introspectionSet = {}});
  record->DeclareEvent("Open", 2);
  record->DeclareEvent("Change", 15);
  return record;
}

std::unique_ptr<ClassRecord> Square::BuildClassRecord() {
  auto record = framework::RuntimeNewClass(&Shape::Lookup(), "Square");
  record->SetFactory(&Factory<Square>);
  record->SetInitializer([](Object&) { initLog.push_back("Square"); });
  framework::RuntimeNewVtable(*record, {"Side"});
  record->AddMethod("Draw", 0x1, "%%", {});
  record->AddProperty("Side", 0x1, "f4", ValueType::Single, {});
  record->AddProperty("WIDTH", 0x1, "i4", ValueType::Integer, {});
  record->DeclareEvent("Action", 17);
  record->ImplementEvent("Open", [](Object&, Object*) { eventLog.push_back("Square.Open"); });
  return record;
}

std::unique_ptr<ClassRecord> Tile::BuildClassRecord() {
  auto record = framework::RuntimeNewClass(&Square::Lookup(), "Tile");
  record->SetFactory(&Factory<Tile>);
  record->SetInitializer([](Object&) { initLog.push_back("Tile"); });
  record->ImplementEvent("Change", [](Object&, Object*) { eventLog.push_back("Tile.Change"); });
  return record;
}

std::vector<std::string> Names(const auto& entries) {
  std::vector<std::string> names;
  for (const auto& entry : entries) names.push_back(entry.name);
  return names;
}

// ---- Publishing: built once, never half-built ------------------------------------------------

int buildCount = 0;

std::unique_ptr<ClassRecord> CountingBuilder() {
  ++buildCount;
  auto record = framework::RuntimeNewClass(nullptr, "Counted");
  framework::RuntimeNewVtable(*record, {"A", "B"});
  record->AddMethod("A", 0, "%%", {});
  record->AddMethod("B", 0, "%%", {});
  return record;
}

// Gets halfway, then fails: the slot it names does not exist.
std::unique_ptr<ClassRecord> HalfwayBuilder() {
  ++buildCount;
  auto record = framework::RuntimeNewClass(nullptr, "Counted");
  framework::RuntimeNewVtable(*record, {"A"});
  record->AddMethod("A", 0, "%%", {});
  record->ReplaceSlot("B", 1);  // one past the last slot
  return record;
}

ClassRecordSlot parentSlot;
ClassRecordSlot childSlot;

std::unique_ptr<ClassRecord> ParentBuilder() {
  ++buildCount;
  return framework::RuntimeNewClass(nullptr, "Parent");
}
std::unique_ptr<ClassRecord> ChildBuilder() {
  ++buildCount;
  return framework::RuntimeNewClass(&parentSlot.Get(&ParentBuilder), "Child");
}

TEST(ClassRecordSlotTest, RaisingBuilderLeavesNoRecordAndTheNextBuildsOnceHoweverOftenLookedUp) {
  ClassRecordSlot slot;
  buildCount = 0;
  EXPECT_THROW(slot.Get(&HalfwayBuilder), PendingException);
  EXPECT_EQ(slot.Peek(), nullptr);

  const ClassRecord& record = slot.Get(&CountingBuilder);
  for (int i = 0; i < 5; ++i) EXPECT_EQ(&slot.Get(&CountingBuilder), &record);
  EXPECT_EQ(slot.Peek(), &record);
  EXPECT_EQ(buildCount, 2);
  EXPECT_EQ(record.Slots().size(), 2U);
  EXPECT_EQ(Names(record.Methods()), (std::vector<std::string>{"A", "B"}));

  // The framework's own records behave the same.
  EXPECT_EQ(&Tile::Lookup(), &Tile::Lookup());
  EXPECT_EQ(Tile::Lookup().Superclass(), &Square::Lookup());
}

TEST(ClassRecordSlotTest, FailedSuperclassLeavesNeitherRecordBehind) {
  parentSlot = ClassRecordSlot();
  childSlot = ClassRecordSlot();
  buildCount = 0;
  {
    ScopedFault fault(Operation::RuntimeNewClass, 1);  // the parent's creation fails
    EXPECT_THROW(childSlot.Get(&ChildBuilder), PendingException);
  }
  EXPECT_EQ(parentSlot.Peek(), nullptr);
  EXPECT_EQ(childSlot.Peek(), nullptr);

  const ClassRecord& child = childSlot.Get(&ChildBuilder);
  EXPECT_EQ(child.Superclass(), parentSlot.Peek());
  EXPECT_NE(parentSlot.Peek(), nullptr);
  EXPECT_EQ(buildCount, 4);
}

// ---- Reflection --------------------------------------------------------------------------------

TEST(ClassRecordReflectionTest, SlotsAndMethodEntriesKeepFlagsSignatureAttributesAndClass) {
  const ClassRecord& shape = Shape::Lookup();
  const ClassRecord& tile = Tile::Lookup();
  // Slots: the inherited first, then the class's own in order.
  EXPECT_EQ(std::vector<std::string>(shape.Slots().begin(), shape.Slots().end()),
            (std::vector<std::string>{"Draw", "Area"}));
  EXPECT_EQ(std::vector<std::string>(tile.Slots().begin(), tile.Slots().end()),
            (std::vector<std::string>{"Draw", "Area", "Side"}));
  EXPECT_EQ(tile.Name(), "Tile");
  EXPECT_EQ(shape.Superclass(), nullptr);
  ASSERT_EQ(Names(shape.Methods()), (std::vector<std::string>{"Draw", "Area"}));

  const auto& draw = shape.Methods()[0];
  EXPECT_EQ(draw.flags, 0x1U);
  EXPECT_EQ(draw.signature, "%%");
  EXPECT_EQ(draw.invoker, framework::GenericInvoker("%%"));
  EXPECT_EQ(draw.declaringClass, &shape);
  EXPECT_TRUE(draw.IsHidden());
  EXPECT_EQ(std::any_cast<void (Shape::*)()>(draw.method), &Shape::Draw);

  const auto& area = shape.Methods()[1];
  EXPECT_EQ(area.flags, 0x21U);
  EXPECT_EQ(area.signature, "%f8%");
  EXPECT_FALSE(area.IsHidden());
  ASSERT_EQ(area.attributes.size(), 1U);
  EXPECT_EQ(area.attributes[0].name, "Description");
  EXPECT_EQ(area.attributes[0].value, "surface");

  // A subclass lists the inherited entries first; lookup finds the most derived one.
  const ClassRecord& square = Square::Lookup();
  EXPECT_EQ(Names(square.Methods()), (std::vector<std::string>{"Draw", "Area", "Draw"}));
  EXPECT_EQ(square.FindMethod("Draw")->declaringClass, &square);
  EXPECT_EQ(square.FindMethod("Area")->declaringClass, &shape);
  EXPECT_EQ(square.FindMethod("draw"), nullptr);
  EXPECT_EQ(square.FindMethod("Missing"), nullptr);
}

TEST(ClassRecordReflectionTest, OneGenericInvokerPerSignature) {
  EXPECT_EQ(framework::GenericInvoker("%%o<ComboBox>"), framework::GenericInvoker("%%o<ComboBox>"));
  EXPECT_NE(framework::GenericInvoker("%%o<ComboBox>"),
            framework::GenericInvoker("%%o<TextField>"));
  EXPECT_EQ(framework::GenericInvoker("%b%")->signature, "%b%");
  EXPECT_EQ(Square::Lookup().Methods()[2].invoker, Shape::Lookup().Methods()[0].invoker);
}

TEST(ClassRecordReflectionTest, PropertiesFoundWithoutRegardToCaseNearestDeclarationWins) {
  const ClassRecord& shape = Shape::Lookup();
  const ClassRecord& tile = Tile::Lookup();
  EXPECT_EQ(Names(tile.Properties()), (std::vector<std::string>{"Width", "Side", "WIDTH"}));

  const auto* width = shape.FindProperty("wIdTh");
  ASSERT_NE(width, nullptr);
  EXPECT_EQ(width->typeCode, "i8");
  EXPECT_EQ(width->flags, 0x3U);
  EXPECT_EQ(width->declaringClass, &shape);

  const auto* redeclared = tile.FindProperty("width");
  ASSERT_NE(redeclared, nullptr);
  EXPECT_EQ(redeclared->typeCode, "i4");
  EXPECT_EQ(redeclared->declaringClass, &Square::Lookup());

  const auto* side = tile.FindProperty("SIDE");
  ASSERT_NE(side, nullptr);
  EXPECT_EQ(side->type, ValueType::Single);
  EXPECT_EQ(shape.FindProperty("Side"), nullptr);
  EXPECT_EQ(tile.FindProperty("Sid"), nullptr);
  EXPECT_EQ(tile.FindProperty("Sides"), nullptr);

  // Case is folded over A-Z and a-z only: the characters next to either range stay apart.
  auto edges = framework::RuntimeNewClass(nullptr, "Edges");
  for (const char* name : {"abcdefghijklmnopqrstuvwxyz", "`{", "@[", "q"}) {
    edges->AddProperty(name, 0x1, "i4", ValueType::Integer, {});
  }
  const std::pair<std::string_view, std::string_view> lookups[] = {
      {"ABCDEFGHIJKLMNOPQRSTUVWXYZ", "abcdefghijklmnopqrstuvwxyz"},
      {"abcdefghijklmnopqrstuvwxyz", "abcdefghijklmnopqrstuvwxyz"},
      {"`{", "`{"},
      {"@[", "@["},
      {"`[", ""},
      {"@{", ""},
      {"abcdefghijklmnopqrstuvwxy", ""},
      {"abcdefghijklmnopqrstuvwxyy", ""},
      {std::string_view("zQz").substr(1, 1), "q"}};  // a name in the middle of a longer text
  for (auto [name, declared] : lookups) {
    const auto* found = edges->FindProperty(name);
    EXPECT_EQ(found ? found->name : "", declared) << name;
  }

  // The accessors reach the object's own storage.
  Ref<Object> object = framework::RuntimeNewObject(shape);
  width->accessors.set(*object, Variant(std::int64_t{320}));
  EXPECT_EQ(std::get<std::int64_t>(width->accessors.get(*object)), 320);
  try {
    (void)framework::ValueAs<std::int64_t>(Variant(true), "Width");
  } catch (const PendingException& e) {
    EXPECT_STREQ(e.what(), "InvalidArgumentException: wrong value type for property Width");
  }
}

TEST(ClassRecordReflectionTest, EventsAndInheritedEventImplementations) {
  const ClassRecord& tile = Tile::Lookup();
  EXPECT_EQ(Names(tile.Events()), (std::vector<std::string>{"Open", "Change", "Action"}));
  ASSERT_NE(tile.FindEvent(17), nullptr);
  EXPECT_EQ(tile.FindEvent(17)->name, "Action");
  EXPECT_EQ(tile.FindEvent(17)->declaringClass, &Square::Lookup());
  EXPECT_EQ(tile.FindEvent("Open")->number, 2);
  EXPECT_EQ(tile.FindEvent("Open")->declaringClass, &Shape::Lookup());
  EXPECT_EQ(tile.FindEvent(99), nullptr);
  EXPECT_EQ(Shape::Lookup().FindEvent("Action"), nullptr);

  // Tile implements Change itself and inherits Square's Open.
  ASSERT_EQ(tile.EventImplementations().size(), 1U);
  EXPECT_EQ(tile.EventImplementations()[0].event, "Change");
  EXPECT_EQ(Shape::Lookup().FindEventImplementation("Open"), nullptr);
  auto open = tile.FindEventImplementation("Open");
  ASSERT_NE(open, nullptr);
  EXPECT_EQ(open, Square::Lookup().FindEventImplementation("Open"));
  EXPECT_EQ(Square::Lookup().FindEventImplementation("Change"), nullptr);
  EXPECT_EQ(tile.FindEventImplementation("Action"), nullptr);

  eventLog.clear();
  Ref<Object> object = framework::RuntimeNewObject(tile);
  open(*object, nullptr);
  tile.FindEventImplementation("Change")(*object, nullptr);
  EXPECT_EQ(eventLog, (std::vector<std::string>{"Square.Open", "Tile.Change"}));
}

// ---- Objects and casts ------------------------------------------------------------------------

TEST(RuntimeNewObjectTest, RunsInitialisersRootFirstReturnsOneReferenceOrRaisesLeavingNoObject) {
  initLog.clear();
  const auto start = Object::LiveCount();
  {
    Ref<Object> tile = framework::RuntimeNewObject(Tile::Lookup());
    EXPECT_EQ(initLog, (std::vector<std::string>{"Shape", "Square", "Tile"}));
    EXPECT_EQ(&tile->Class(), &Tile::Lookup());
    EXPECT_NE(dynamic_cast<Tile*>(tile.get()), nullptr);
    EXPECT_EQ(tile->ReferenceCount(), 1);
  }

  // Failures raise and leave no object.
  {
    ScopedFault fault(Operation::RuntimeNewObject, 1);
    EXPECT_THROW(framework::RuntimeNewObject(Tile::Lookup()), PendingException);
  }
  ClassRecordSlot noFactory;
  const ClassRecord& abstract =
      noFactory.Get([] { return framework::RuntimeNewClass(nullptr, "Abstract"); });
  ExpectRaises(framework::UnsupportedOperationException::Lookup(),
               [&] { framework::RuntimeNewObject(abstract); });

  ClassRecordSlot raisingInit;
  const ClassRecord& faulty = raisingInit.Get([] {
    auto record = framework::RuntimeNewClass(&Shape::Lookup(), "Faulty");
    record->SetFactory(&Factory<Shape>);
    record->SetInitializer([](Object&) { framework::RaiseNilObjectException(); });
    return record;
  });
  EXPECT_THROW(framework::RuntimeNewObject(faulty), PendingException);
  EXPECT_EQ(Object::LiveCount(), start);
}

TEST(RuntimeCheckCastTest, NilRightClassSubclassAndWrongClass) {
  const auto start = Object::LiveCount();
  {
    EXPECT_EQ(framework::RuntimeCheckCast(nullptr, Shape::Lookup()), nullptr);
    EXPECT_EQ(framework::RuntimeCheckCast<Shape>(nullptr), nullptr);

    Ref<Object> square = framework::RuntimeNewObject(Square::Lookup());
    Ref<Object> same = framework::RuntimeCheckCast(square.get(), Square::Lookup());
    EXPECT_EQ(same, square);
    EXPECT_EQ(square->ReferenceCount(), 2) << "the cast returns a new reference";

    Ref<Shape> asBase = framework::RuntimeCheckCast<Shape>(square.get());
    EXPECT_EQ(asBase.get(), square.get());
    EXPECT_EQ(square->ReferenceCount(), 3);

    // A superclass object is not of the subclass; an unrelated object is not of the class.
    Ref<Object> shape = framework::RuntimeNewObject(Shape::Lookup());
    Ref<Object> unrelated = framework::RuntimeNewObject(framework::NilObjectException::Lookup());
    for (Object* wrong : {shape.get(), unrelated.get()}) {
      try {
        (void)framework::RuntimeCheckCast(wrong, Square::Lookup());
        ADD_FAILURE() << "cast of " << wrong->Class().Name() << " to Square succeeded";
      } catch (const PendingException& e) {
        EXPECT_EQ(e.what(), "IllegalCastException: " + wrong->Class().Name() + " is not a Square");
      }
      EXPECT_EQ(wrong->ReferenceCount(), 1) << "a failed cast kept a reference";
    }
    EXPECT_THROW(framework::RuntimeCheckCast<Tile>(square.get()), PendingException);
  }
  EXPECT_EQ(Object::LiveCount(), start);
}

}  // namespace
