// The run-time switch of the generated mutation run. Every mutation site in a rewritten source file calls
// one of these functions with its mutant's number; only the mutant named by VIZUD_MUTANT changes what the
// code does, so one build carries every mutant. With VIZUD_MUTATION_TRACE set to a folder, each process
// writes the sites it reached to a file there when it exits: the run's map from tests to sites.
#pragma once

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <type_traits>
#include <unistd.h>

namespace vizud_mutation {

inline constexpr int kMaxSites = 1 << 16;

struct Switch {
    long active = -1;
    std::string traceFolder;
    std::atomic<unsigned char> reached[kMaxSites] = {};

    Switch() {
        if (const char* id = std::getenv("VIZUD_MUTANT")) {
            active = std::strtol(id, nullptr, 10);
        }
        if (const char* folder = std::getenv("VIZUD_MUTATION_TRACE")) {
            traceFolder = folder;
            std::atexit(&Switch::writeTrace);
        }
    }

    // Never destroyed: the trace is written at exit, after static objects are gone.
    static Switch& get() {
        static Switch* instance = new Switch;
        return *instance;
    }

    static void writeTrace() {
        Switch& s = get();
        const std::string path = s.traceFolder + "/" + std::to_string(getpid()) + ".sites";
        if (FILE* out = std::fopen(path.c_str(), "a")) {
            for (int i = 0; i < kMaxSites; ++i) {
                if (s.reached[i].load(std::memory_order_relaxed) != 0) {
                    std::fprintf(out, "%d\n", i);
                }
            }
            std::fclose(out);
        }
    }
};

inline bool onAtRunTime(int id) noexcept {
    Switch& s = Switch::get();
    if (!s.traceFolder.empty()) {
        s.reached[id & (kMaxSites - 1)].store(1, std::memory_order_relaxed);
    }
    return s.active == id;
}

// Sites evaluated while compiling (constant expressions) stay unmutated.
constexpr bool on(int id) noexcept {
    if (std::is_constant_evaluated()) {
        return false;
    }
    return onAtRunTime(id);
}

template <class A, class B> constexpr bool lt(int id, const A& a, const B& b) { return on(id) ? a <= b : a < b; }
template <class A, class B> constexpr bool le(int id, const A& a, const B& b) { return on(id) ? a < b : a <= b; }
template <class A, class B> constexpr bool gt(int id, const A& a, const B& b) { return on(id) ? a >= b : a > b; }
template <class A, class B> constexpr bool ge(int id, const A& a, const B& b) { return on(id) ? a > b : a >= b; }
template <class A, class B> constexpr bool eq(int id, const A& a, const B& b) { return on(id) ? a != b : a == b; }
template <class A, class B> constexpr bool ne(int id, const A& a, const B& b) { return on(id) ? a == b : a != b; }

template <class T> constexpr T num(int id, T v) {
    return on(id) ? static_cast<T>(v + 1) : on(id + 1) ? static_cast<T>(v - 1) : v;
}

template <class C> constexpr bool neg(int id, const C& c) { return on(id) != static_cast<bool>(c); }

template <class T> constexpr T swapped(int id, T v) {
    return on(id) ? (v == T{} ? static_cast<T>(1) : T{}) : v;
}

} // namespace vizud_mutation
