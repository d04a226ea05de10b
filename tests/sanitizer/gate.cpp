// SPDX-License-Identifier: GPL-3.0-or-later
// Proves the sanitizer gate: built like the program, each mode commits one fault that
// the sanitizers must report and turn into a failed run. ctest expects these to fail.
#include <climits>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

// Blocks whose last pointer is gone once this returns.
[[gnu::noinline]] void loseBlocks()
{
    for (int i = 0; i < 16; ++i) {
        volatile char* block = new char[64];
        block[0] = char(i);
    }
}

// Overwrites the stack where loseBlocks kept its pointers.
[[gnu::noinline]] void scrubStack()
{
    volatile char scratch[4096];
    for (char& c : const_cast<char(&)[4096]>(scratch))
        c = 0;
}

} // namespace

int main(int argc, char** argv)
{
    const char* mode = argc > 1 ? argv[1] : "";
    volatile int big = INT_MAX;
    if (std::strcmp(mode, "undefined") == 0) {
        const int wrapped = big + 1; // signed overflow
        std::printf("%d\n", wrapped);
    } else if (std::strcmp(mode, "address") == 0) {
        std::vector<int> four(4);
        volatile int index = 4;
        std::printf("%d\n", four.data()[index]); // one past the end
    } else if (std::strcmp(mode, "leak") == 0) {
        loseBlocks();
        scrubStack();
    }
    return 0;
}
