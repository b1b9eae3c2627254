#pragma once

#include <functional>
#include <gtest/gtest.h>

// A generous deadline: a loaded machine may be slow, but a condition that never holds
// still fails the test.
constexpr int PollDeadlineMs = 20000;

// Runs the event loop until condition holds; a failure once deadlineMs have passed.
// Use as ASSERT_TRUE(eventually([&] { return ...; }, "what was awaited")).
testing::AssertionResult eventually(const std::function<bool()>& condition, const char* what,
                                    int deadlineMs = PollDeadlineMs);
