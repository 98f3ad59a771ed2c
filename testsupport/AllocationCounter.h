#pragma once
// Counts heap allocations made through operator new, for tests that pin down that an
// engine allocates nothing per day. Linking this library replaces the global operator
// new of the test program; the replacement lives in its own translation unit so the
// compiler never pairs an inlined malloc with a free it cannot see.

namespace vessant::testsupport {

// Allocations made while the object lives, on any thread.
class AllocationCounter {
public:
    AllocationCounter();
    ~AllocationCounter();
    AllocationCounter(const AllocationCounter&) = delete;
    AllocationCounter& operator=(const AllocationCounter&) = delete;

    int count() const;
};

} // namespace vessant::testsupport
