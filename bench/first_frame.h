// Ends a start-up program once its window has been drawn for the first time,
// so that the run is timed from launch to the first frame on screen.
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QMetaObject>
#include <QObject>
#include <QTimer>
#include <QWidget>

namespace tessmar {

class QuitAfterFirstFrame : public QObject {
public:
    // Watches `window`, which must outlive this object; gives up with exit
    // status 1 when no frame comes within 10 s.
    explicit QuitAfterFirstFrame(QWidget& window)
    {
        window.installEventFilter(this);
        QTimer::singleShot(10000, this, [] { QCoreApplication::exit(1); });
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        // The window's paint event opens the frame and its children paint after
        // it in the same pass; the queued quit runs once that pass is over.
        if (event->type() == QEvent::Paint && !painted_) {
            painted_ = true;
            QMetaObject::invokeMethod(QCoreApplication::instance(), &QCoreApplication::quit, Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool painted_ = false;
};

}  // namespace tessmar
