// The window object itself: its table's life and its properties by name.
#include "AppTestSupport.h"
#include "framework/runtime/Array.h"
#include "framework/runtime/Delegate.h"

namespace app_test {
namespace {

using framework::Ref;
using framework::Variant;

class Window1Object : public StartedRuntime {};

// A new window: zero indices and an empty table before any control event, its table by name,
// and the table released with the window.
TEST_F(Window1Object, ANewWindowsIndicesTableAndPropertiesByName) {
  const auto before = framework::Object::LiveCount();
  {
    Ref<app::Window1> window = framework::RuntimeCheckCast<app::Window1>(
        framework::RuntimeNewObject(app::Window1::Lookup()).get());
    EXPECT_EQ(framework::Object::LiveCount(), before + 2);  // the window and its table
    EXPECT_EQ((std::vector{window->Lang, window->Locate, window->Verb, window->Katsuyo}),
              std::vector<std::int64_t>(4, 0));
    ASSERT_TRUE(window->Words);
    for (std::int32_t i : {0, 6})
      for (std::int32_t j : {0, 11})
        for (std::int32_t k : {0, 14})
          EXPECT_TRUE(framework::ArrayElementGet(window->Words.get(), i, j, k).Bytes().empty());

    const auto* words = app::Window1::Lookup().FindProperty("Words");
    ASSERT_NE(words, nullptr);
    Ref<framework::Array> table = window->Words;
    auto held = std::get<Ref<framework::Object>>(words->accessors.get(*window));
    EXPECT_EQ(held.get(), table.get());
    // Anything but an array is refused, by the setter and introspection alike, and so is nil by
    // introspection; the table stays. The setter takes nil, and introspection the table again.
    Ref<framework::Object> notAnArray = framework::RuntimeCreateDelegate(
        &framework::invokers::InvokeProcedure, static_cast<void (*)()>([] {}), nullptr, "(  )", 0);
    for (const auto& set : {words->accessors.set, words->accessors.introspectionSet})
      EXPECT_THROW(set(*window, Variant(notAnArray)), framework::PendingException);
    EXPECT_THROW(words->accessors.introspectionSet(*window, Variant(Ref<framework::Object>())),
                 framework::PendingException);
    EXPECT_EQ(window->Words.get(), table.get());
    words->accessors.set(*window, Variant(Ref<framework::Object>()));
    EXPECT_FALSE(window->Words);
    words->accessors.introspectionSet(*window, Variant(held));
    EXPECT_EQ(window->Words.get(), table.get());
  }
  EXPECT_EQ(framework::Object::LiveCount(), before);
}

TEST_F(Window1Object, TheImplicitInstanceIsConstructedOnce) {
  app::EarlyStartup();
  Ref<app::Window1> first = app::Window1::ImplicitInstance();
  EXPECT_EQ(app::Window1::ImplicitInstance().get(), first.get());
  EXPECT_EQ(first->Controls().size(), 10u);
  // The open window's own integers are stored fields: set by name at any time, both ways.
  std::int64_t value = 0;
  for (auto [name, field] : {std::pair{"Lang", &app::Window1::Lang},
                             {"Locate", &app::Window1::Locate},
                             {"Verb", &app::Window1::Verb},
                             {"katsuyo", &app::Window1::Katsuyo}}) {
    const auto& accessors = app::Window1::Lookup().FindProperty(name)->accessors;
    for (auto set :
         {&framework::PropertyAccessors::set, &framework::PropertyAccessors::introspectionSet}) {
      (accessors.*set)(*first, Variant(++value));
      EXPECT_EQ((*first).*field, value) << name;
      EXPECT_EQ(std::get<std::int64_t>(accessors.introspectionGet(*first)), value);
    }
  }
  first->Close();
  Ref<app::Window1> third = app::Window1::ImplicitInstance();
  EXPECT_NE(third.get(), first.get());
  third->Close();
}

}  // namespace
}  // namespace app_test
