// Owners for the objects that C libraries hand out: one deleter for every
// library, which calls the library's own free function (taking the pointer,
// or its address where the library clears it too).
#pragma once

#include <memory>

namespace reelsnap {

template <auto Free>
struct FreeWith {
    template <typename T>
    void operator()(T* object) const {
        if constexpr (requires { Free(object); }) {
            Free(object);
        } else {
            Free(&object);
        }
    }
};

template <typename T, auto Free>
using COwner = std::unique_ptr<T, FreeWith<Free>>;

}  // namespace reelsnap
