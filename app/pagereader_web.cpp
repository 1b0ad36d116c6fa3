// SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A page gives screen readers nothing of Qt's windows: the canvas is one
// element, named after the active window. So what a screen reader says by
// itself on a desktop goes to the page with the game's own messages: the
// window that becomes active, and the control the Tab key moves the focus
// to.

#include "page_web.h"

#include "announce.h"
#include "readaloud.h"

#include <QApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <algorithm>

PageReader::PageReader(QObject *parent) : QObject(parent)
{
    connect(qApp, &QGuiApplication::focusWindowChanged, this, &PageReader::Activated);
    qApp->installEventFilter(this);
}

bool PageReader::eventFilter(QObject *watched, QEvent *event)
{
    // The control the learner moves the focus to with Tab or Shift+Tab; not
    // where the focus goes by itself (away from a button that is disabled),
    // which the game's own messages cover.
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Tab || key == Qt::Key_Backtab) {
            tabbing_ = true;
            QTimer::singleShot(0, this, [this] { tabbing_ = false; });
        }
    } else if (event->type() == QEvent::FocusIn && tabbing_ && watched->isWidgetType()) {
        auto *control = static_cast<QWidget *>(watched);
        if (!control->isWindow())
            Announce(control->window(), SaidOfControl(control));
    }
    return QObject::eventFilter(watched, event);
}

void PageReader::Activated(QWindow *active)
{
    const QList<QWidget *> windows = QApplication::topLevelWidgets();
    const auto found = std::find_if(windows.cbegin(), windows.cend(), [active](const QWidget *candidate) {
        return active && candidate->windowHandle() == active;
    });
    QWidget *window = found == windows.cend() ? nullptr : *found;
    if (!window || window == active_)
        return;
    const bool first = !named_;
    active_ = window;
    named_ = true;
    TellPage("rzWindowName", NameOfWindow(window).toStdString());
    if (!first)
        Announce(window, SaidOfWindow(window));
}
