#pragma once

#include <algorithm>
#include <csignal>
#include <sys/resource.h>

namespace oria::test {

// Runs f with files limited to `bytes`, standing in for a full disk: with the signal
// ignored, a write past the limit just fails. The limit is restored afterwards.
template <class F> auto withSmallDisk(rlim_t bytes, F f) {
    rlimit before{};
    getrlimit(RLIMIT_FSIZE, &before);
    rlimit small = before;
    small.rlim_cur = std::min<rlim_t>(before.rlim_max, bytes);
    const auto handler = std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &small);
    auto result = f();
    setrlimit(RLIMIT_FSIZE, &before);
    std::signal(SIGXFSZ, handler);
    return result;
}

} // namespace oria::test
