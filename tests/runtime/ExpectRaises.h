#pragma once

#include <gtest/gtest.h>

#include <string>

#include "framework/runtime/ClassRecord.h"
#include "framework/runtime/Exceptions.h"

// Runs `action`, which must raise a framework exception of class `expected`.
template <class Action>
void ExpectRaises(const framework::ClassRecord& expected, Action action,
                  const std::string& what = "call") {
  try {
    action();
    ADD_FAILURE() << what << ": nothing raised";
  } catch (const framework::PendingException& e) {
    EXPECT_TRUE(e.Exception()->IsA(expected))
        << what << ": raised " << framework::Describe(*e.Exception());
  }
}
