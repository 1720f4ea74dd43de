#include "framework/ui/Events.h"

#include <any>
#include <string>

#include "framework/ui/Control.h"

namespace framework {

namespace {
void CallWithSender(Control& sender, const Delegate& handler) {
  std::any arguments[] = {static_cast<Object*>(&sender)};
  handler.Invoke(arguments);
}
}  // namespace

void AddHandler_Stub_2(Control& sender, const Delegate& handler) {
  CallWithSender(sender, handler);
}

void AddHandler_Stub_15(Control& sender, const Delegate& handler) {
  CallWithSender(sender, handler);
}

void AddHandler_Stub_17(Control& sender, const Delegate& handler) {
  CallWithSender(sender, handler);
}

void RuntimeAddEventHandler(Control* control, std::int32_t eventNumber, EventStub stub,
                            Ref<Delegate> handler) {
  if (!control) RaiseNilObjectException();
  control->AttachHandler(eventNumber, stub, std::move(handler));
}

}  // namespace framework
