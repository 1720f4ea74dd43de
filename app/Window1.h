#pragma once

#include <cstdint>

#include "framework/runtime/Array.h"
#include "framework/runtime/ClassRecord.h"
#include "framework/runtime/Ref.h"
#include "framework/ui/BevelButton.h"
#include "framework/ui/ComboBox.h"
#include "framework/ui/Label.h"
#include "framework/ui/MenuItem.h"
#include "framework/ui/TextField.h"
#include "framework/ui/Window.h"

namespace app {

using framework::BevelButton;
using framework::ComboBox;
using framework::Label;
using framework::MenuItem;
using framework::QuitMenuItem;
using framework::Ref;
using framework::TextField;

// The main window: three lists (language, verb, tense/mood), a read-only text field that shows
// the selected cell of the conjugation table, four labels and two hidden random buttons.
class Window1 : public framework::Window {
 public:
  static constexpr std::string_view kClassName = "Window1.Window1";

  FRAMEWORK_CLASS_RECORD(Window1)
  static void ctblinit() { Lookup(); }
  // Window1.Window1: the open main window, or a newly created and constructed one.
  static Ref<Window1> ImplicitInstance();

  explicit Window1(const framework::ClassRecord& record);

  // Properties. Lang, Verb and Katsuyo are the three indices into Words; Locate is written by
  // the second random button only.
  std::int64_t Lang = 0;
  std::int64_t Locate = 0;
  Ref<framework::Array> Words;
  std::int64_t Verb = 0;
  std::int64_t Katsuyo = 0;

  // Event implementations and control creation.
  virtual void Layout();
  virtual void CreateControls();
  virtual void CreateControls0();

  // Control accessors.
  virtual Ref<ComboBox> ComboBox1();
  virtual Ref<TextField> TextField1();
  virtual Ref<Label> StaticText1();
  virtual Ref<ComboBox> ComboBox2();
  virtual Ref<BevelButton> BevelButton1();
  virtual Ref<BevelButton> BevelButton2();
  virtual Ref<Label> StaticText2();
  virtual Ref<Label> StaticText3();
  virtual Ref<ComboBox> ComboBox3();
  virtual Ref<Label> StaticText4();

  // Event handlers.
  virtual void ComboBox1_Change(ComboBox* sender);
  virtual void ComboBox1_Open(ComboBox* sender);
  virtual void TextField1_Open(TextField* sender);
  virtual void ComboBox2_Change(ComboBox* sender);
  virtual void ComboBox2_Open(ComboBox* sender);
  virtual void BevelButton1_Action(BevelButton* sender);
  virtual void BevelButton2_Action(BevelButton* sender);
  virtual void ComboBox3_Change(ComboBox* sender);
  virtual void ComboBox3_Open(ComboBox* sender);

  // Menu-item accessors.
  virtual Ref<MenuItem> EditMenu();
  virtual Ref<MenuItem> EditSelectAll();
  virtual Ref<MenuItem> UntitledMenu0();
  virtual Ref<MenuItem> EditClear();
  virtual Ref<MenuItem> EditPaste();
  virtual Ref<MenuItem> EditCopy();
  virtual Ref<MenuItem> EditCut();
  virtual Ref<MenuItem> UntitledMenu1();
  virtual Ref<MenuItem> EditUndo();
  virtual Ref<MenuItem> FileMenu();
  virtual Ref<QuitMenuItem> FileQuit();

  virtual void AddMenuHandlers(framework::Window* w);
  virtual bool Untitled_Action();

  // Instance initialiser and finaliser: create and release the table.
  static void InitProperties(framework::Object& self);
  static void ExitProperties(framework::Object& self);

 private:
  // The one procedure behind the six list handlers: stores the sender's selected row into
  // `index` and shows Words(Lang, Verb, Katsuyo).
  void ShowSelectedRow(ComboBox* sender, std::int64_t Window1::*index);
  // The one procedure behind the two random buttons: stores Rnd * factor into `property`.
  void DrawRandomIndex(BevelButton* sender, double factor, std::int64_t Window1::*property);

  template <class Control>
  Ref<Control> ControlNamed(std::string_view name);
  template <class Item>
  Ref<Item> MenuItemNamed(std::string_view name);
};

}  // namespace app
