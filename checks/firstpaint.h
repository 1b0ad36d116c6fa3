// SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <utility>

// Calls a function once, after a window has been painted for the first time:
// on its first paint event a zero timer is started, which fires once the whole
// paint pass (the window, its controls and the flush) has finished.
class FirstPaint final : public QObject {
public:
    FirstPaint(QWidget *window, std::function<void()> painted)
        : QObject(window), painted_(std::move(painted))
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            QTimer::singleShot(0, this, painted_);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> painted_;
    bool seen_ = false;
};
