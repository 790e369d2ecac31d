#include "Varaukset.h"

#include <atomic>
#include <cstddef>
#include <cstdlib>
#include <new>

#if defined(__SANITIZE_ADDRESS__)
#define VARAUKSET_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define VARAUKSET_ASAN 1
#endif
#endif

namespace {
// Relaxed: the audio thread of the mixer may allocate too, and only the total matters.
std::atomic<unsigned long long> laskuri{0};
} // namespace

unsigned long long Varauksia() {
    return laskuri.load(std::memory_order_relaxed);
}

#ifdef VARAUKSET_ASAN

// The sanitizer owns malloc and operator new; its allocator calls these hooks
// for every allocation of the process.
extern "C" int __sanitizer_install_malloc_and_free_hooks(void (*varaus)(const volatile void*,
                                                                        size_t),
                                                         void (*vapautus)(const volatile void*));

namespace {
void Varattu(const volatile void*, size_t) {
    laskuri.fetch_add(1, std::memory_order_relaxed);
}
void Vapautettu(const volatile void*) {}
const int asennettu = __sanitizer_install_malloc_and_free_hooks(Varattu, Vapautettu);
} // namespace

#else

// glibc's own allocator behind its public names: the definitions below take those
// names for the whole process and count before passing the call on.
extern "C" {
void* __libc_malloc(size_t);
void* __libc_calloc(size_t, size_t);
void* __libc_realloc(void*, size_t);
void* __libc_memalign(size_t, size_t);
void __libc_free(void*);

void* malloc(size_t n) {
    laskuri.fetch_add(1, std::memory_order_relaxed);
    return __libc_malloc(n);
}
void* calloc(size_t n, size_t koko) {
    laskuri.fetch_add(1, std::memory_order_relaxed);
    return __libc_calloc(n, koko);
}
void* realloc(void* p, size_t n) {
    laskuri.fetch_add(1, std::memory_order_relaxed);
    return __libc_realloc(p, n);
}
void* memalign(size_t kohdistus, size_t n) {
    laskuri.fetch_add(1, std::memory_order_relaxed);
    return __libc_memalign(kohdistus, n);
}
void* aligned_alloc(size_t kohdistus, size_t n) {
    return memalign(kohdistus, n);
}
int posix_memalign(void** ulos, size_t kohdistus, size_t n) {
    void* p = memalign(kohdistus, n);
    if (!p) return 12; // ENOMEM
    *ulos = p;
    return 0;
}
void free(void* p) {
    __libc_free(p);
}
}

void* operator new(size_t n) {
    void* p = malloc(n ? n : 1);
    if (!p) std::abort();
    return p;
}
void* operator new[](size_t n) {
    return operator new(n);
}
void* operator new(size_t n, const std::nothrow_t&) noexcept {
    return malloc(n ? n : 1);
}
void* operator new[](size_t n, const std::nothrow_t&) noexcept {
    return malloc(n ? n : 1);
}
void* operator new(size_t n, std::align_val_t a) {
    void* p = memalign((size_t)a, n ? n : 1);
    if (!p) std::abort();
    return p;
}
void* operator new[](size_t n, std::align_val_t a) {
    return operator new(n, a);
}
void operator delete(void* p) noexcept {
    free(p);
}
void operator delete[](void* p) noexcept {
    free(p);
}
void operator delete(void* p, size_t) noexcept {
    free(p);
}
void operator delete[](void* p, size_t) noexcept {
    free(p);
}
void operator delete(void* p, std::align_val_t) noexcept {
    free(p);
}
void operator delete[](void* p, std::align_val_t) noexcept {
    free(p);
}
void operator delete(void* p, size_t, std::align_val_t) noexcept {
    free(p);
}
void operator delete[](void* p, size_t, std::align_val_t) noexcept {
    free(p);
}

#endif
