// Slow work (a Method 02 key derivation) run on a worker thread while the window goes on
// painting: the command stays modal, as the user's input waits until the work is done.
#pragma once

#include <QEventLoop>
#include <QThread>

#include <exception>
#include <memory>
#include <optional>

namespace background {

// Runs work() on a thread of its own and answers its result, or rethrows its failure here.
// Meanwhile this thread handles painting and other events but no input from the user, so no
// other command can start.
template <class Work> auto run(Work work) -> decltype(work()) {
    std::optional<decltype(work())> result;
    std::exception_ptr failure;
    QEventLoop loop;
    const std::unique_ptr<QThread> thread(QThread::create([&] {
        try {
            result.emplace(work());
        } catch (...) {
            failure = std::current_exception();
        }
    }));
    QObject::connect(thread.get(), &QThread::finished, &loop, &QEventLoop::quit);
    thread->start();
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    thread->wait();
    if (failure)
        std::rethrow_exception(failure);
    return std::move(*result);
}

} // namespace background
