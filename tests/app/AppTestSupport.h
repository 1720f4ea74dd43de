#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/Startup.h"
#include "app/Window1.h"
#include "framework/runtime/Exceptions.h"
#include "framework/ui/Process.h"

namespace app_test {

// Starts the framework offscreen with the program's class records and records what reaches the
// unhandled-exception handler instead of showing a dialog.
class StartedRuntime : public ::testing::Test {
 protected:
  void SetUp() override {
    framework::SetUnhandledExceptionPresenter([this](const framework::RuntimeException& e) {
      unhandled.push_back(framework::Describe(e));
    });
    framework::RuntimeInit();
    framework::RuntimePerformInitializers(app::InitializerTable());
  }

  void TearDown() override { framework::ResetProcessStateForTesting(); }

  std::vector<std::string> unhandled;
};

// A started runtime with the main window open.
class OpenWindow : public StartedRuntime {
 protected:
  void SetUp() override {
    StartedRuntime::SetUp();
    app::EarlyStartup();
    liveBeforeWindow = framework::Object::LiveCount();
    window = app::Window1::ImplicitInstance();
    ASSERT_TRUE(window);
  }

  void TearDown() override {
    if (window) window->Close();
    window.reset();
    StartedRuntime::TearDown();
  }

  std::string FieldText() const { return std::string(window->TextField1()->Text().Bytes()); }
  std::string Cell(std::int64_t lang, std::int64_t verb, std::int64_t tense) const;
  // Selects a row the way a user's choice reaches the program: the list's selection changes and
  // it raises its Change event.
  void Choose(const framework::Ref<framework::ComboBox>& list, std::int64_t row);

  std::int64_t liveBeforeWindow = 0;  // objects alive once started, before the window
  framework::Ref<app::Window1> window;
};

}  // namespace app_test
