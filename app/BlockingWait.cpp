#include "BlockingWait.h"

#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>

namespace {

// Timer events of widgets, and of objects owned by widgets, are held back: a
// held button's auto-repeat or a window's timer cannot re-enter the handler
// that waits. Qt timers fire again on their next interval, so nothing is lost
// but the ticks inside the wait.
class TimerHold : public QObject
{
public:
    TimerHold() { QCoreApplication::instance()->installEventFilter(this); }
    ~TimerHold() override { QCoreApplication::instance()->removeEventFilter(this); }
    TimerHold(const TimerHold&) = delete;
    TimerHold& operator=(const TimerHold&) = delete;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::Timer)
            return false;
        for (QObject* o = watched; o; o = o->parent()) {
            if (o->isWidgetType())
                return true;
        }
        return false;
    }
};

} // namespace

namespace BlockingWait {

void Run(QEventLoop& loop)
{
    TimerHold hold;
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

} // namespace BlockingWait
