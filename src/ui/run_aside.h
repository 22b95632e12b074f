#pragma once
// Works something out on a thread of its own while the window stays
// painted. Input waits for a moment (the answer is about what is on the
// board); past that a modal box with 中止 takes it.

#include <QApplication>
#include <QEventLoop>
#include <QProgressDialog>
#include <QTimer>

#include <atomic>
#include <thread>

// Under this long the answer comes without the box.
inline constexpr int kQuietMilliseconds = 300;

// Runs work(&cancel) and stores what it returns in answer. False when the
// user stopped it with 中止 (answer then holds what the cancelled work
// returned). quiet: how long before the box shows; 0 shows it at once, for
// work known to be long.
template <class Answer, class Work>
bool RunAside(QWidget* parent, const QString& text, const QString& title, Answer& answer, Work work,
              int quiet = kQuietMilliseconds)
{
    std::atomic<bool> cancel{false};
    std::atomic<bool> done{false};
    QProgressDialog progress(text, QStringLiteral("中止"), 0, 0, parent);
    progress.setWindowTitle(title);
    progress.setWindowModality(Qt::ApplicationModal);
    progress.setMinimumDuration(0);
    progress.hide();
    QEventLoop loop;
    QObject::connect(&progress, &QProgressDialog::canceled, &loop, [&cancel] { cancel = true; });
    QTimer::singleShot(quiet, &loop, &QEventLoop::quit);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    std::thread worker([&] {
        answer = work(&cancel);
        done = true;
        QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
    });
    if (quiet > 0) loop.exec(QEventLoop::ExcludeUserInputEvents);
    if (!done) {
        progress.show();
        loop.exec();
    }
    worker.join();
    QApplication::restoreOverrideCursor();
    progress.hide();
    return !cancel;
}
