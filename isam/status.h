// Status convention inside the store: the entry check every public call runs
// first and the exit step it runs last, with the option words.
#pragma once

#include <cstdint>

#include "isam/isam.h"

namespace isam {

// Options of the entry check (low byte: key number).
enum : std::uint16_t {
  kOptLock = 0x100,      // no effect: locks are never taken
  kOptReadPrefix = 0x200,  // no effect
  kOptKeyRoutine = 0x400,  // the key number is tested
  kOptWrite = 0x800,       // the fileblock must be writable
};

// The "no fileblock" marker for calls acting on the store as a whole.
inline IsamFileBlockPtr NoFileBlock() {
  return reinterpret_cast<IsamFileBlockPtr>(~std::uintptr_t{0});
}

inline constexpr std::uint32_t kValidSign = 286873681;

// Clears the status and checks store, pointer, writability and key number
// (the whole key number, not only its low byte). Leaves IsamOK false with
// the error set on failure.
void IsamEntryCode(IsamFileBlockPtr ifb, std::uint16_t options, std::int32_t key = 0);
void IsamExitCode(IsamFileBlockPtr ifb);

// True when ifb is a fileblock currently open (valid and in the open list).
bool IsamIsOpenFileBlock(IsamFileBlockPtr ifb);

}  // namespace isam
