// The diagnostics channel: order, the cap with its summary, and concurrency.
#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "language/diagnostics.h"

namespace {

using language::kMaxDiagnostics;
using language::ReportDiagnostic;
using language::TakeDiagnostics;

TEST(Diagnostics, TakenInOrderThenForgotten) {
  TakeDiagnostics();  // whatever earlier tests left
  ReportDiagnostic("first");
  ReportDiagnostic("second");
  EXPECT_EQ(TakeDiagnostics(), (std::vector<std::string>{"first", "second"}));
  EXPECT_TRUE(TakeDiagnostics().empty());
}

TEST(Diagnostics, KeepsAtMostTheCapAndSummarisesTheRest) {
  TakeDiagnostics();
  for (std::size_t i = 0; i < kMaxDiagnostics + 5; ++i) ReportDiagnostic(std::to_string(i));
  std::vector<std::string> taken = TakeDiagnostics();
  ASSERT_EQ(taken.size(), kMaxDiagnostics + 1);
  EXPECT_EQ(taken[kMaxDiagnostics - 1], std::to_string(kMaxDiagnostics - 1));
  EXPECT_EQ(taken.back(), "5 further diagnostics dropped");

  // The count starts again after a take.
  for (std::size_t i = 0; i < kMaxDiagnostics + 1; ++i) ReportDiagnostic("x");
  EXPECT_EQ(TakeDiagnostics().back(), "1 further diagnostic dropped");
  EXPECT_TRUE(TakeDiagnostics().empty());
}

TEST(Diagnostics, ConcurrentReportsAreAllCounted) {
  TakeDiagnostics();
  constexpr int kThreads = 4;
  constexpr std::size_t kEach = kMaxDiagnostics / 2;  // twice the cap in all
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t) {
    threads.emplace_back([] {
      for (std::size_t i = 0; i < kEach; ++i) ReportDiagnostic("m");
    });
  }
  for (std::thread& t : threads) t.join();
  const std::vector<std::string> taken = TakeDiagnostics();
  ASSERT_EQ(taken.size(), kMaxDiagnostics + 1);
  EXPECT_EQ(taken.back(),
            std::to_string(kThreads * kEach - kMaxDiagnostics) + " further diagnostics dropped");
}

}  // namespace
