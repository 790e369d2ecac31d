// Counts the heap allocations of the whole process: operator new in every form,
// malloc, calloc, realloc and the rest, whoever calls them (the game, the C and
// C++ libraries, SDL). The per-frame paths of the game must not allocate: their
// buffers keep their storage from one frame to the next.
#pragma once

// Allocations made since the program started. Under AddressSanitizer the count
// comes from its allocator's hooks; otherwise from replacements of operator new
// and of the C allocation functions.
unsigned long long Varauksia();
