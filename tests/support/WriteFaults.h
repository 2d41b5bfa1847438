#pragma once

#include <QFile>
#include <QString>

#include <algorithm>
#include <csignal>
#include <sys/fsuid.h>
#include <sys/resource.h>
#include <unistd.h>

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

// Runs f with `folder` read-only. Root may write anywhere, so when the tests run as root
// this thread's file-system identity becomes nobody's for the call, which the
// kernel then treats without root's privileges over files.
template <class F> auto withReadOnlyFolder(const QString& folder, F f) {
    const auto permissions = QFile::permissions(folder);
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup |
                                      QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther);
    const bool root = geteuid() == 0;
    if (root) {
        setfsgid(65534);
        setfsuid(65534);
    }
    auto result = f();
    if (root) {
        setfsuid(0);
        setfsgid(0);
    }
    QFile::setPermissions(folder, permissions);
    return result;
}

} // namespace oria::test
