// The C++ runtime of the product, which is built without exceptions: nothing in it catches one, so
// whatever would throw (memory running out, a string past its largest length) ends the program at once,
// as an escaping exception would. With these definitions the exe links none of the runtime's exception
// classes, their strings, the unwinder and its tables: half the exe.
#include <cstdlib>
#include <new>

#if defined(__GLIBCXX__)
#include <bits/functexcept.h>

// The library's own throw helpers, which its headers call where the standard says "throws".
namespace std {
void __throw_bad_exception() {
  abort();
}
void __throw_bad_alloc() {
  abort();
}
void __throw_bad_array_new_length() {
  abort();
}
void __throw_bad_cast() {
  abort();
}
void __throw_bad_typeid() {
  abort();
}
void __throw_bad_function_call() {
  abort();
}
void __throw_logic_error(const char*) {
  abort();
}
void __throw_domain_error(const char*) {
  abort();
}
void __throw_invalid_argument(const char*) {
  abort();
}
void __throw_length_error(const char*) {
  abort();
}
void __throw_out_of_range(const char*) {
  abort();
}
void __throw_out_of_range_fmt(const char*, ...) {
  abort();
}
void __throw_runtime_error(const char*) {
  abort();
}
void __throw_range_error(const char*) {
  abort();
}
void __throw_overflow_error(const char*) {
  abort();
}
void __throw_underflow_error(const char*) {
  abort();
}
}  // namespace std

// The replaceable allocation functions, without the new-handler loop and bad_alloc.
void* operator new(std::size_t size) {
  if (void* memory = std::malloc(size ? size : 1)) return memory;
  std::abort();
}
void* operator new[](std::size_t size) {
  return operator new(size);
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
  return std::malloc(size ? size : 1);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
  return std::malloc(size ? size : 1);
}
void operator delete(void* memory) noexcept {
  std::free(memory);
}
void operator delete(void* memory, std::size_t) noexcept {
  std::free(memory);
}
void operator delete[](void* memory) noexcept {
  std::free(memory);
}
void operator delete[](void* memory, std::size_t) noexcept {
  std::free(memory);
}

// Should an exception escape all the same, the runtime's default reaction prints the type's demangled
// name, which links a C++ demangler of ~45 KB; a GUI program has nowhere to print it anyway.
namespace __gnu_cxx {
void __verbose_terminate_handler() {
  std::abort();
}
}  // namespace __gnu_cxx

#endif
