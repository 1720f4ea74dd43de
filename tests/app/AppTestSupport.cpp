#include "AppTestSupport.h"

#include "framework/runtime/Array.h"
#include "framework/ui/Events.h"

namespace app_test {

std::string OpenWindow::Cell(std::int64_t lang, std::int64_t verb, std::int64_t tense) const {
  return std::string(
      framework::ArrayElementGet(window->Words.get(), static_cast<std::int32_t>(lang),
                                 static_cast<std::int32_t>(verb), static_cast<std::int32_t>(tense))
          .Bytes());
}

void OpenWindow::Choose(const framework::Ref<framework::ComboBox>& list, std::int64_t row) {
  list->ListIndex_Set(row);
  list->RaiseEvent(framework::kChangeEvent);
}

}  // namespace app_test
