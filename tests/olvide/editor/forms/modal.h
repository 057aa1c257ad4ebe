#pragma once
// Driving modal windows from a test: the action runs on the next modal window to appear (other
// than the one given), from the event loop that exec() runs. Waits at most five seconds, so
// that a window that never appears fails the test instead of hanging it.
#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QTimer>
#include <functional>
#include <memory>

namespace olvide::forms::testing {

inline void onNextModal(std::function<void(QWidget*)> action, QWidget* besides = nullptr) {
    auto* timer = new QTimer(qApp);
    timer->setInterval(5);
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    QObject::connect(timer, &QTimer::timeout, timer, [=] {
        QWidget* modal = QApplication::activeModalWidget();
        const bool found = modal && modal != besides && modal->isVisible();
        if (found || clock->elapsed() > 5000) {
            timer->stop();
            timer->deleteLater();
        }
        if (found) action(modal);
    });
    timer->start();
}

// Closes the next message box with its default button and hands back its text.
inline void closeNextMessageBox(QString& text, QWidget* besides = nullptr) {
    onNextModal(
        [&text](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            if (!box) return;
            text = box->text();
            box->accept();
        },
        besides);
}

} // namespace olvide::forms::testing
