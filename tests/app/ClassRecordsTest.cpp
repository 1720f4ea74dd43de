// The class records of the framework and of the program, against the census in ClassRecords.txt.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "app/App.h"
#include "app/MenuBar1.h"
#include "app/Window1.h"
#include "framework/runtime/Array.h"
#include "framework/runtime/Delegate.h"
#include "framework/ui/Application.h"
#include "framework/ui/BevelButton.h"
#include "framework/ui/ComboBox.h"
#include "framework/ui/Label.h"
#include "framework/ui/MenuItem.h"
#include "framework/ui/TextField.h"
#include "framework/ui/Window.h"

namespace app_test {
namespace {

using namespace framework;

std::string Attributes(const std::vector<Attribute>& attributes) {
  std::string text;
  for (const auto& a : attributes) text += ' ' + a.name + "=\"" + a.value + '"';
  return text;
}

// One line per fact of the record. A class's lines show what it declares itself (an entry
// counts as its own by its declaring class); what it inherits unchanged are its superclass's
// lines, and the sizes of its tables show that it has them.
void Render(const ClassRecord& record, std::ostream& out) {
  const ClassRecord* base = record.Superclass();
  const std::string& c = record.Name();
  out << "class " << c << (base ? " : " + base->Name() : "") << '\n'
      << c << " has " << record.Slots().size() << " slots, " << record.Methods().size()
      << " methods, " << record.Events().size() << " events, " << record.Properties().size()
      << " properties" << (record.ObjectFactory() ? ", makes objects" : "") << '\n';
  if (record.InstanceInitializer()) out << c << " initialiser\n";
  if (record.InstanceFinalizer()) out << c << " finaliser\n";
  const auto inherited = base ? base->Slots() : std::span<const std::string>();
  for (std::size_t i = 0; i < record.Slots().size(); ++i) {
    if (i >= inherited.size() || inherited[i] != record.Slots()[i]) {
      out << c << " slot " << i << ' ' << record.Slots()[i] << '\n';
    }
  }
  for (std::size_t i = 0; i < record.Methods().size(); ++i) {
    const auto& m = record.Methods()[i];
    // Methods with one signature share one invoker.
    EXPECT_EQ(m.invoker, GenericInvoker(m.signature)) << c << '.' << m.name;
    if (m.declaringClass != &record) continue;
    out << c << " method " << i << ' ' << m.name << " flags " << m.flags << ' ' << m.signature
        << Attributes(m.attributes) << '\n';
  }
  for (const auto& e : record.Events()) {
    if (e.declaringClass == &record) out << c << " event " << e.number << ' ' << e.name << '\n';
  }
  for (const auto& e : record.EventImplementations()) out << c << " implements " << e.event << '\n';
  for (std::size_t i = 0; i < record.Properties().size(); ++i) {
    const auto& p = record.Properties()[i];
    if (p.declaringClass != &record) continue;
    out << c << " property " << i << ' ' << p.name << " flags " << p.flags << ' ' << p.typeCode
        << Attributes(p.attributes) << '\n';
  }
}

void RenderWithSuperclasses(const ClassRecord& record, std::set<const ClassRecord*>& rendered,
                            std::ostream& out) {
  if (!rendered.insert(&record).second) return;
  if (record.Superclass()) RenderWithSuperclasses(*record.Superclass(), rendered, out);
  Render(record, out);
}

std::vector<std::string> Lines(std::istream&& in) {
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

TEST(ClassRecords, EveryRecordMatchesTheCensus) {
  // Every class record the process has: these classes and their superclasses, each once.
  std::ostringstream text;
  std::set<const ClassRecord*> rendered;
  for (const ClassRecord* record :
       {&NilObjectException::Lookup(), &OutOfBoundsException::Lookup(),
        &IllegalCastException::Lookup(), &StackOverflowException::Lookup(),
        &UnsupportedOperationException::Lookup(), &InvalidArgumentException::Lookup(),
        &Delegate::Lookup(), &Array::Lookup(), &app::App::Lookup(), &app::Window1::Lookup(),
        &ComboBox::Lookup(), &TextField::Lookup(), &Label::Lookup(), &BevelButton::Lookup(),
        &QuitMenuItem::Lookup(), &app::MenuBar1::Lookup()}) {
    RenderWithSuperclasses(*record, rendered, text);
  }
  const auto actual = Lines(std::istringstream(text.str()));
  std::ifstream file(CLASS_RECORDS_CENSUS);
  ASSERT_TRUE(file) << CLASS_RECORDS_CENSUS;
  const auto expected = Lines(std::move(file));

  int differing = 0;
  for (std::size_t i = 0; i < std::max(expected.size(), actual.size()) && differing < 5; ++i) {
    const std::string want = i < expected.size() ? expected[i] : "(end of census)";
    const std::string got = i < actual.size() ? actual[i] : "(end of records)";
    if (want == got) continue;
    ++differing;
    ADD_FAILURE() << "line " << i + 1 << "\n  census: " << want << "\n  record: " << got;
  }
  if (differing > 0) {
    const auto path = std::filesystem::absolute("ClassRecords.actual.txt");
    std::ofstream(path) << text.str();
    ADD_FAILURE() << "the records as they are: diff " << CLASS_RECORDS_CENSUS << ' '
                  << path.string();
  }
}

TEST(ClassRecords, LookupBuildsEachRecordOnce) {
  app::Window1::ctblinit();
  const ClassRecord* window = &app::Window1::Lookup();
  app::Window1::ctblinit();
  EXPECT_EQ(&app::Window1::Lookup(), window);
  EXPECT_EQ(&app::App::Lookup(), &app::App::Lookup());
  EXPECT_EQ(&app::MenuBar1::Lookup(), &app::MenuBar1::Lookup());
}

}  // namespace
}  // namespace app_test
