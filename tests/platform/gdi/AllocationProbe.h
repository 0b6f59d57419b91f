#pragma once
// The largest single allocation made on this thread while a probe lives: shows
// that a reader sizes its memory by what a file holds, not by what it claims.
#include <cstddef>

class AllocationProbe {
public:
    AllocationProbe();
    ~AllocationProbe();
    AllocationProbe(const AllocationProbe&) = delete;
    AllocationProbe& operator=(const AllocationProbe&) = delete;
    std::size_t Largest() const;
};
