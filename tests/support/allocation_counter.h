// Counts heap allocations made through operator new on the calling thread, so a test can prove that
// a code path allocates nothing. Linking this file replaces the global operator new and delete.
#pragma once

#include <cstdint>

// Allocations through operator new made by this thread so far.
uint64_t threadAllocationCount() noexcept;

// Allocations made by this thread since the scope began.
class AllocationScope {
public:
    AllocationScope() noexcept : start_(threadAllocationCount()) {}
    uint64_t count() const noexcept { return threadAllocationCount() - start_; }

private:
    uint64_t start_;
};
