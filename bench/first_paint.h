#pragma once

// Shared by the two programs the start-up benchmark launches: at the first paint of the given
// window, prints the monotonic clock in nanoseconds and ends the program.

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <ctime>

class FirstPaint : public QObject {
  public:
    explicit FirstPaint(QWidget& window) : window(window) { qApp->installEventFilter(this); }

  protected:
    bool eventFilter(QObject* object, QEvent* event) override {
        if (object == &window && event->type() == QEvent::Paint && !seen) {
            seen = true;
            timespec now{};
            clock_gettime(CLOCK_MONOTONIC, &now);
            std::printf("%lld\n", static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
            std::fflush(stdout);
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return false;
    }

  private:
    QWidget& window;
    bool seen = false;
};
