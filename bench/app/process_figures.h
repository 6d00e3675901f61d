// What the kernel counts for a running process, read from /proc: the processor time of all
// its threads and its peak resident memory. Shared by the start-up and tap benchmarks.
#pragma once

#include <sys/types.h>

#include <cstdint>

// Processor time of every thread of a process so far, in nanoseconds.
int64_t ProcessorTime(pid_t pid);
// The peak resident memory of a process, in bytes; 0 when it cannot be read.
int64_t PeakMemory(pid_t pid);
