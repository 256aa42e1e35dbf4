#pragma once
// An allocator for the searches' large tables. They are read at random, so with ordinary
// 4 KiB pages nearly every look-up also misses the address cache; asking Linux for 2 MiB
// pages (where it allows them) makes those look-ups markedly faster. Small blocks are
// allocated as usual.
#include <sys/mman.h>

#include <cstddef>
#include <cstdlib>
#include <new>

namespace toviran::planner {

template <typename T>
struct HugePageAllocator {
    using value_type = T;
    static constexpr std::size_t kPage = std::size_t{2} << 20;

    HugePageAllocator() = default;
    template <typename U>
    HugePageAllocator(const HugePageAllocator<U>&) {}

    T* allocate(std::size_t n) {
        const std::size_t bytes = n * sizeof(T);
        if (bytes < kPage) return static_cast<T*>(::operator new(bytes));
        const std::size_t rounded = (bytes + kPage - 1) / kPage * kPage;
        void* p = std::aligned_alloc(kPage, rounded);
        if (p == nullptr) throw std::bad_alloc();
        madvise(p, rounded, MADV_HUGEPAGE);  // only a hint: ordinary pages still work
        return static_cast<T*>(p);
    }
    void deallocate(T* p, std::size_t n) {
        if (n * sizeof(T) < kPage)
            ::operator delete(p);
        else
            std::free(p);
    }
    template <typename U>
    bool operator==(const HugePageAllocator<U>&) const {
        return true;
    }
};

}  // namespace toviran::planner
