#pragma once

#include <windows.h>

namespace e2e {

// Every wait in the tests has a limit, so a program that hangs fails a test instead of
// the run. Generous: Wine on a busy CI machine can be slow to start a process.
inline constexpr DWORD kWaitMs = 15000;

// Polls `done` until it holds or `timeoutMs` passes; returns its last answer.
template <typename Predicate>
bool WaitUntil(Predicate done, DWORD timeoutMs = kWaitMs) {
  const ULONGLONG deadline = GetTickCount64() + timeoutMs;
  while (!done()) {
    if (GetTickCount64() >= deadline) return done();
    Sleep(20);
  }
  return true;
}

}  // namespace e2e
