// Leaks on purpose, for the sanitizer build's check that the LeakSanitizer suppressions
// leave this program's own leaks reported: a block our code allocates, and one that a
// toolkit library allocates at our code's request.
#include <QByteArray>
#include <cstdio>

namespace {

// Not inlined, so that each leak's stack names the function that made it.
[[gnu::noinline]] void LeakOwnBlock() {
    auto* block = new char[4096];
    block[0] = 1;
    std::printf("%p\n", static_cast<void*>(block));  // the compiler may not drop it unused
}

// Its own frame is missing from the report: the unwinder passes the library's frame by
// the frame pointer, which the library leaves as this function had it.
[[gnu::noinline]] void LeakToolkitBlock() {
    char* copy = qstrdup("toolkit");  // 8 bytes, allocated inside the Qt library
    std::printf("%p\n", static_cast<void*>(copy));
}

}  // namespace

int main() {
    LeakOwnBlock();
    LeakToolkitBlock();
    return 0;
}
