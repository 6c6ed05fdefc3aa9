// Every replaceable form of the global operator new and delete, routed through one function that
// the including test program defines:
//
//     void* vela_test::Allocate(std::size_t size, std::size_t alignment) noexcept;  // nullptr: no memory
//
// so that a test can count or refuse allocations. Include it in exactly one file of a test
// executable of its own: the other test programs keep the ordinary operators. Memory comes from
// malloc and goes back to free, which the sanitizers still watch.
#pragma once

#include <cstddef>
#include <cstdlib>
#include <new>

namespace vela_test {

void* Allocate(std::size_t size, std::size_t alignment) noexcept;

inline void* AllocateOrThrow(std::size_t size, std::size_t alignment) {
    if (void* p = Allocate(size, alignment)) return p;
    throw std::bad_alloc();
}

// What Allocate does when it lets an allocation through.
inline void* MallocAligned(std::size_t size, std::size_t alignment) noexcept {
    if (size == 0) size = 1;
    if (alignment <= alignof(std::max_align_t)) return std::malloc(size);
    // aligned_alloc wants a size that is a multiple of the alignment.
    return std::aligned_alloc(alignment, (size + alignment - 1) / alignment * alignment);
}

inline constexpr std::size_t kPlainAlignment = alignof(std::max_align_t);

}  // namespace vela_test

void* operator new(std::size_t size) { return vela_test::AllocateOrThrow(size, vela_test::kPlainAlignment); }
void* operator new[](std::size_t size) { return vela_test::AllocateOrThrow(size, vela_test::kPlainAlignment); }
void* operator new(std::size_t size, std::align_val_t a) {
    return vela_test::AllocateOrThrow(size, static_cast<std::size_t>(a));
}
void* operator new[](std::size_t size, std::align_val_t a) {
    return vela_test::AllocateOrThrow(size, static_cast<std::size_t>(a));
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    return vela_test::Allocate(size, vela_test::kPlainAlignment);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
    return vela_test::Allocate(size, vela_test::kPlainAlignment);
}
void* operator new(std::size_t size, std::align_val_t a, const std::nothrow_t&) noexcept {
    return vela_test::Allocate(size, static_cast<std::size_t>(a));
}
void* operator new[](std::size_t size, std::align_val_t a, const std::nothrow_t&) noexcept {
    return vela_test::Allocate(size, static_cast<std::size_t>(a));
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }
void operator delete(void* p, std::align_val_t) noexcept { std::free(p); }
void operator delete[](void* p, std::align_val_t) noexcept { std::free(p); }
void operator delete(void* p, std::size_t, std::align_val_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t, std::align_val_t) noexcept { std::free(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { std::free(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { std::free(p); }
void operator delete(void* p, std::align_val_t, const std::nothrow_t&) noexcept { std::free(p); }
void operator delete[](void* p, std::align_val_t, const std::nothrow_t&) noexcept { std::free(p); }
