#pragma once

#include <cstdint>

#include "framework/runtime/Delegate.h"
#include "framework/runtime/Ref.h"

namespace framework {

class Control;

// Event numbers: the event's position in the event table of the class that declares it.
inline constexpr std::int32_t kOpenEvent = 2;     // Control
inline constexpr std::int32_t kChangeEvent = 15;  // PopupMenu
inline constexpr std::int32_t kActionEvent = 17;  // BevelButton

// A forwarding stub: called with the control that raised the event and the delegate attached to
// it; calls the delegate with the control as the sender (an Object* in the first argument).
using EventStub = void (*)(Control& sender, const Delegate& handler);

// AddHandler.Stub.2, .15, .17.
void AddHandler_Stub_2(Control& sender, const Delegate& handler);
void AddHandler_Stub_15(Control& sender, const Delegate& handler);
void AddHandler_Stub_17(Control& sender, const Delegate& handler);

// Attaches `handler` to the control's event `eventNumber`; raising that event then calls
// `stub(control, *handler)`. Raises NilObjectException for a nil control, and
// InvalidArgumentException for an event number that the control's class does not declare or an
// event that has a handler already.
void RuntimeAddEventHandler(Control* control, std::int32_t eventNumber, EventStub stub,
                            Ref<Delegate> handler);

}  // namespace framework
