// Link-time wrappers (-Wl,--wrap=...) on the allocation entry points and on
// SDL_Delay. Only references from the objects linked into the benchmark (ours)
// are redirected; the system libraries keep calling the real functions, so
// their own allocations, Mesa's included, are not counted.
#include <cstdlib>
#include <new>

#include "bench/bench.h"

size_t bchAllocs = 0;
Uint32 bchDelayMs = 0;

extern "C" {
void* __real_malloc(size_t n);
void* __real_calloc(size_t n, size_t size);
void* __real_realloc(void* p, size_t n);
void* __real__Znwm(size_t n);
void* __real__Znam(size_t n);
void* __real__ZnwmRKSt9nothrow_t(size_t n, const std::nothrow_t& t);
void* __real__ZnamRKSt9nothrow_t(size_t n, const std::nothrow_t& t);
void __real_SDL_Delay(Uint32 ms);

void* __wrap_malloc(size_t n)
{
    bchAllocs++;
    return __real_malloc(n);
}

void* __wrap_calloc(size_t n, size_t size)
{
    bchAllocs++;
    return __real_calloc(n, size);
}

void* __wrap_realloc(void* p, size_t n)
{
    bchAllocs++;
    return __real_realloc(p, n);
}

void* __wrap__Znwm(size_t n)
{
    bchAllocs++;
    return __real__Znwm(n);
}

void* __wrap__Znam(size_t n)
{
    bchAllocs++;
    return __real__Znam(n);
}

void* __wrap__ZnwmRKSt9nothrow_t(size_t n, const std::nothrow_t& t)
{
    bchAllocs++;
    return __real__ZnwmRKSt9nothrow_t(n, t);
}

void* __wrap__ZnamRKSt9nothrow_t(size_t n, const std::nothrow_t& t)
{
    bchAllocs++;
    return __real__ZnamRKSt9nothrow_t(n, t);
}

void __wrap_SDL_Delay(Uint32 ms)
{
    bchDelayMs += ms;
    __real_SDL_Delay(ms);
}
}

// The pointers escape through an empty asm, so the compiler cannot drop the pairs.
static void bch_keep(void* p)
{
    asm volatile("" : : "r"(p) : "memory");
}

bool bch_counter_works()
{
    const size_t before = bchAllocs;
    void* m = malloc(32);
    bch_keep(m);
    free(m);
    void* c = calloc(4, 8);
    bch_keep(c);
    free(c);
    char* one = new char;
    bch_keep(one);
    delete one;
    char* many = new char[32];
    bch_keep(many);
    delete[] many;
    return bchAllocs - before == 4;
}
