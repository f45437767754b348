#pragma once

// The process's peak resident memory so far (VmHWM), for benchmarks.
class PeakMemory
{
public:
    static double residentMegabytes();
};
