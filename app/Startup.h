#pragma once

#include <span>

#include "framework/ui/Process.h"

namespace app {

// The program's class-record builders, run by the framework after its own.
std::span<const framework::ClassInitializer> InitializerTable() noexcept;

// The start-up sequence, in call order.
int main();
void Main();
void EarlyStartup();
void InitFileTypes();
void NewAppInstance();
void ApplicationAddMenuHandlers();
void LateStartup();
void MakeDefaultView();

}  // namespace app
