#pragma once

#include <QObject>
#include <QThread>

#include <memory>
#include <utility>

// Runs work on a thread of its own and hands its result to done on the
// context's thread. If the context is gone by then, the result is dropped;
// the thread always cleans up after itself.
template <typename Work, typename Done> void runInBackground(QObject *context, Work work, Done done)
{
    using Result = decltype(work());
    auto result = std::make_shared<Result>();
    QThread *thread = QThread::create([result, work = std::move(work)] { *result = work(); });
    QObject::connect(thread, &QThread::finished, context,
                     [result, done = std::move(done)] { done(std::move(*result)); });
    QObject::connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    thread->start();
}
