#include "platform/EventChain.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

namespace tessaly {
namespace {

TEST(EventChain, FiresInRegistrationOrderAndRemovesEveryRegistration) {
  TEventChain<int> chain;
  std::string calls;
  int a = 0, b = 0;
  chain.Add(&a, [&](int v) { calls += "a" + std::to_string(v); });
  chain.Add(&b, [&](int v) { calls += "b" + std::to_string(v); });
  chain.Add(&a, [&](int v) { calls += "A" + std::to_string(v); });
  chain.Fire(1);
  EXPECT_EQ(calls, "a1b1A1");

  chain.Remove(&a);
  calls.clear();
  chain.Fire(2);
  EXPECT_EQ(calls, "b2");
  EXPECT_EQ(chain.Count(), 1u);
}

TEST(EventChain, AnExceptionEndsTheFiring) {
  TEventChain<> chain;
  int first = 0, second = 0, reached = 0;
  chain.Add(&first, [] { throw std::runtime_error("stop"); });
  chain.Add(&second, [&] { ++reached; });
  EXPECT_THROW(chain.Fire(), std::runtime_error);
  EXPECT_EQ(reached, 0);
}

TEST(EventChain, AHandlerMayRemoveItselfWhileFiring) {
  TEventChain<> chain;
  int owner = 0, calls = 0;
  chain.Add(&owner, [&] {
    ++calls;
    chain.Remove(&owner);
  });
  chain.Fire();
  chain.Fire();
  EXPECT_EQ(calls, 1);
}

}  // namespace
}  // namespace tessaly
