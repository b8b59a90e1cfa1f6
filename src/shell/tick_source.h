#pragma once
// A source of one-second ticks: a timer in the program, a hand-driven one in tests.

#include <QObject>
#include <QTimer>

namespace pickora::ui {

class TickSource : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    virtual void start() = 0;
    virtual void stop() = 0;

signals:
    void tick();
};

// Ticks once a second.
class SecondTicks : public TickSource {
    Q_OBJECT
public:
    explicit SecondTicks(QObject* parent = nullptr) : TickSource(parent)
    {
        timer_.setInterval(1000);
        connect(&timer_, &QTimer::timeout, this, &TickSource::tick);
    }
    void start() override { timer_.start(); }
    void stop() override { timer_.stop(); }

private:
    QTimer timer_;
};

} // namespace pickora::ui
