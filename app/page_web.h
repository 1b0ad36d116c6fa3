// SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The program in a web page (platform_web.cpp): the bridge to the page, the
// screen the page gives the windows (pagescreen_web.cpp), and what the page
// says for the screen reader it cannot offer (pagereader_web.cpp).

#include <QList>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QRect>

#include <emscripten/val.h>

#include <string>

class LayoutWindow;
class QScreen;
class QWidget;
class QWindow;

// Calls a function the page gave the module, where it gave one.
template <typename... Args>
void TellPage(const char *function, Args... args)
{
    const emscripten::val module = emscripten::val::module_property(function);
    if (module.typeOf().as<std::string>() == "function")
        module(args...);
}

// The page's element for the game as the program's screen: the main window
// fills it, scaled to fit with Qt's own scaling; a message window stands in
// front of it where it stands relative to the main window on a desktop; the
// page learns the main window's proportions and its first frame.
class PageScreen final : public QObject {
public:
    explicit PageScreen(QScreen *screen);

    void Present(LayoutWindow *window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // A window of the program and where its layout puts it relative to the
    // main window's layout.
    struct Placed {
        QPointer<LayoutWindow> window;
        QPoint offset;
    };

    void Fit();
    void Place(const Placed &placed);
    QRect Covering(const QRect &page) const;

    QScreen *screen_;
    QRect layout_;
    QList<Placed> windows_;
    bool painted_ = false;
};

// Tells the page the name of the window that becomes active, and speaks
// for the screen reader the page cannot offer: the window that becomes
// active (after the first, which the page's canvas names as the game
// loads), and the control the Tab key moves the focus to.
class PageReader final : public QObject {
public:
    explicit PageReader(QObject *parent);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Activated(QWindow *active);

    QPointer<QWidget> active_;
    bool named_ = false;
    bool tabbing_ = false;
};
