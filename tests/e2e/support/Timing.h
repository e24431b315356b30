#pragma once
// Millisecond bounds on the X server's timestamps hold in the default build
// only. The sanitizer build paints and allocates several times slower, and
// a repaint that falls into a hold or a wait stretches it by an amount that
// says nothing about the program; there the tests check order, positions
// and counts, and print the times they saw.
//
// Each bound in the tests is chosen from runs of the e2e tier with both
// cores busy (two busy loops or a parallel build); the spread seen is
// written beside it.

namespace e2e {

#ifdef LUMO_E2E_SANITIZED
inline constexpr bool kTimingChecked = false;
#else
inline constexpr bool kTimingChecked = true;
#endif

} // namespace e2e
