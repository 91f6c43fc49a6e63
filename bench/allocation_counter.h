// Counts heap allocations made through malloc (and so through operator new) in this process.
#pragma once

#include <cstddef>

size_t allocationCount();
