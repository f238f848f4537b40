#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <functional>

// Acts on the next modal box once it is shown (the box's exec() runs the event loop that gets
// here): `act` gets the box, e.g. to press a key on it as the person would.
inline void onNextModalBox(std::function<void(QMessageBox*)> act) {
    auto* poll = new QTimer;
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, [poll, act] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible()) return;
        poll->stop();
        poll->deleteLater();
        act(box);
    });
    poll->start();
}

inline void pressOnNextModalBox(Qt::Key key) {
    onNextModalBox([key](QMessageBox* box) { QTest::keyClick(box, key); });
}
