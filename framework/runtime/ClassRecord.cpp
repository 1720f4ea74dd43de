#include "framework/runtime/ClassRecord.h"

#include <algorithm>
#include <map>
#include <ranges>

#include "framework/runtime/Exceptions.h"
#include "framework/runtime/FaultInjection.h"

namespace framework {

namespace {

char Lowercase(char c) noexcept {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

}  // namespace

const Invoker* GenericInvoker(std::string_view signature) {
  // One invoker per distinct signature for the life of the process.
  static std::map<std::string, Invoker, std::less<>> invokers;
  auto found = invokers.find(signature);
  if (found == invokers.end()) {
    found = invokers.emplace(std::string(signature), Invoker{std::string(signature)}).first;
  }
  return &found->second;
}

bool MethodEntry::IsHidden() const {
  return std::ranges::any_of(attributes, [](const Attribute& a) { return a.name == "Hidden"; });
}

bool ClassRecord::IsSubclassOf(const ClassRecord& other) const noexcept {
  for (const ClassRecord* record = this; record; record = record->superclass_) {
    if (record == &other) return true;
  }
  return false;
}

const MethodEntry* ClassRecord::FindMethod(std::string_view name) const noexcept {
  // The last entry of a name is the most derived one.
  // Reverse iterators rather than a reversed view: clang 14 cannot compile the library's views.
  auto found = std::find_if(methods_.rbegin(), methods_.rend(),
                            [&](const MethodEntry& m) { return m.name == name; });
  return found == methods_.rend() ? nullptr : &*found;
}

// The length and three letters tell a class's property names well enough apart; the equality
// test settles the rest.
std::size_t ClassRecord::CaseFolded::operator()(std::string_view name) const noexcept {
  if (name.empty()) return 0;
  auto letter = [&](std::size_t i) { return static_cast<std::size_t>(Lowercase(name[i])); };
  return (name.size() << 24) ^ (letter(0) << 16) ^ (letter(name.size() / 2) << 8) ^
         letter(name.size() - 1);
}

bool ClassRecord::CaseFolded::operator()(std::string_view a, std::string_view b) const noexcept {
  if (a.size() != b.size()) return false;
  return a == b ||  // most names are spelled as declared
         std::ranges::equal(a, b, [](char x, char y) { return Lowercase(x) == Lowercase(y); });
}

const PropertyEntry* ClassRecord::FindProperty(std::string_view name) const noexcept {
  auto found = propertiesByName_.find(name);
  return found == propertiesByName_.end() ? nullptr : &properties_[found->second];
}

const EventDeclaration* ClassRecord::FindEvent(std::string_view name) const noexcept {
  auto found = std::ranges::find(events_, name, &EventDeclaration::name);
  return found == events_.end() ? nullptr : &*found;
}

const EventDeclaration* ClassRecord::FindEvent(std::int32_t number) const noexcept {
  auto found = std::ranges::find(events_, number, &EventDeclaration::number);
  return found == events_.end() ? nullptr : &*found;
}

EventImplementationFunction ClassRecord::FindEventImplementation(
    std::string_view event) const noexcept {
  for (const ClassRecord* record = this; record; record = record->superclass_) {
    auto found =
        std::ranges::find(record->eventImplementations_, event, &EventImplementation::event);
    if (found != record->eventImplementations_.end()) return found->function;
  }
  return nullptr;
}

void ClassRecord::ReplaceSlot(std::string_view name, std::size_t index) {
  if (index >= slots_.size())
    Raise<OutOfBoundsException>("no virtual slot " + std::to_string(index));
  slots_[index] = std::string(name);
}

MethodEntry& ClassRecord::AddMethod(std::string name, std::uint32_t flags, std::string signature,
                                    std::any method) {
  const Invoker* invoker = GenericInvoker(signature);
  return methods_.emplace_back(MethodEntry{
      std::move(name), flags, std::move(signature), std::move(method), invoker, {}, this});
}

void ClassRecord::DeclareEvent(std::string name, std::int32_t number) {
  events_.push_back(EventDeclaration{std::move(name), number, this});
}

void ClassRecord::ImplementEvent(std::string event, EventImplementationFunction function) {
  eventImplementations_.push_back(EventImplementation{std::move(event), function});
}

PropertyEntry& ClassRecord::AddProperty(std::string name, std::uint32_t flags, std::string typeCode,
                                        ValueType type, PropertyAccessors accessors) {
  // A later declaration of a name hides the earlier ones.
  propertiesByName_.insert_or_assign(name, static_cast<std::uint32_t>(properties_.size()));
  return properties_.emplace_back(PropertyEntry{
      std::move(name), flags, std::move(typeCode), type, std::move(accessors), {}, this});
}

std::unique_ptr<ClassRecord> RuntimeNewClass(const ClassRecord* superclass, std::string name) {
  FaultInjection::Check(Operation::RuntimeNewClass);
  std::unique_ptr<ClassRecord> record(new ClassRecord());
  record->name_ = std::move(name);
  record->superclass_ = superclass;
  if (superclass) {
    record->slots_ = superclass->slots_;
    record->methods_ = superclass->methods_;
    record->events_ = superclass->events_;
    record->properties_ = superclass->properties_;
    record->propertiesByName_ = superclass->propertiesByName_;
  }
  return record;
}

void RuntimeNewVtable(ClassRecord& record, std::initializer_list<std::string_view> ownSlots) {
  for (std::string_view name : ownSlots) record.slots_.emplace_back(name);
}

void RuntimeAllocateAttributeTable(MethodEntry& entry, std::vector<Attribute> attributes) {
  entry.attributes = std::move(attributes);
}

namespace {

// The initialisers of the class chain, the root's first.
void RunInitializers(const ClassRecord* record, Object& object) {
  if (!record) return;
  RunInitializers(record->Superclass(), object);
  if (auto initializer = record->InstanceInitializer()) initializer(object);
}

}  // namespace

Ref<Object> RuntimeNewObject(const ClassRecord& record) {
  FaultInjection::Check(Operation::RuntimeNewObject);
  if (!record.ObjectFactory()) {
    Raise<UnsupportedOperationException>("class " + record.Name() + " cannot be instantiated");
  }
  Ref<Object> object = record.ObjectFactory()(record);
  RunInitializers(&record, *object);
  return object;
}

Ref<Object> RuntimeCheckCast(Object* object, const ClassRecord& record) {
  if (!object) return nullptr;
  if (!object->IsA(record)) RaiseIllegalCast(*object, record);
  return Ref<Object>(object);
}

void RaiseIllegalCast(const Object& object, const ClassRecord& record) {
  Raise<IllegalCastException>(object.Class().Name() + " is not a " + record.Name());
}

const ClassRecord& ClassRecordSlot::Get(Builder build) {
  if (!record_) record_ = build();
  return *record_;
}

}  // namespace framework
