#pragma once

#include <span>

#include "framework/ui/Process.h"

namespace app {

// The program's class-record builders, run by the framework after its own.
std::span<const framework::ClassInitializer> InitializerTable() noexcept;

// The start-up sequence, in call order.
int main();
void _Main();
void _EarlyStartup();
void _InitFileTypes();
void _NewAppInstance();
void _ApplicationAddMenuHandlers();
void _LateStartup();
void _MakeDefaultView();

}  // namespace app
