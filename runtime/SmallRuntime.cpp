// Keeps the C++ runtime's exception machinery out of the installer, the
// uninstaller and zfw32.exe. They are built without exceptions, so every one
// of these library errors would end in std::terminate and abort; calling
// abort directly behaves the same and saves the unwinder, the exception
// classes and the name demangler (more than half of the programs' size).
#include <windows.h>

#include <chrono>
#include <cstddef>
#include <cstdlib>

namespace std {

[[noreturn]] void __throw_bad_alloc() {
    std::abort();
}
[[noreturn]] void __throw_bad_array_new_length() {
    std::abort();
}
[[noreturn]] void __throw_length_error(const char*) {
    std::abort();
}
[[noreturn]] void __throw_logic_error(const char*) {
    std::abort();
}
[[noreturn]] void __throw_out_of_range(const char*) {
    std::abort();
}
[[noreturn]] void __throw_out_of_range_fmt(const char*, ...) {
    std::abort();
}
[[noreturn]] void __throw_invalid_argument(const char*) {
    std::abort();
}
// A failed bounds check of the standard containers.
[[noreturn]] void __glibcxx_assert_fail(const char*, int, const char*, const char*) noexcept {
    std::abort();
}

// The library's clock comes in one object with code that can throw, and so
// with the whole exception machinery; the tick count serves (its wrap after
// 49 days costs one wrong interval).
chrono::steady_clock::time_point chrono::steady_clock::now() noexcept {
    return time_point(chrono::milliseconds(GetTickCount()));
}

} // namespace std

namespace __gnu_cxx {

[[noreturn]] void __verbose_terminate_handler() {
    std::abort();
}

} // namespace __gnu_cxx

// The replaceable allocation functions: out of memory ends the program, as an
// uncaught std::bad_alloc would.
void* operator new(std::size_t size) {
    if (void* memory = std::malloc(size ? size : 1))
        return memory;
    std::abort();
}

void operator delete(void* memory) noexcept {
    std::free(memory);
}
void operator delete(void* memory, std::size_t) noexcept {
    std::free(memory);
}
