// SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page's element for the game is the program's screen. The page fits
// the element to the main window's proportions, as large as the browser
// window allows; the windows are scaled to the element with Qt's own
// scaling, so that their layout stays as it is and the text is drawn at the
// device's full resolution. The main window fills the screen without a
// frame; a message window stands in front of it, where it stands relative to
// the main window on a desktop.

#include "page_web.h"

#include "layoutwindow.h"

#include <QEvent>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <QtGui/private/qhighdpiscaling_p.h>
#include <qpa/qplatformscreen.h>
#include <qpa/qplatformwindow.h>

#include <emscripten/html5.h>

#include <algorithm>

PageScreen::PageScreen(QScreen *screen) : QObject(screen), screen_(screen)
{
    connect(screen, &QScreen::geometryChanged, this, &PageScreen::Fit);
}

void PageScreen::Present(LayoutWindow *window)
{
    const bool main = window->kind() == LayoutWindow::Kind::Main;
    // The first main window sets the proportions of the screen.
    if (main && layout_.isEmpty()) {
        layout_ = window->geometry();
        TellPage("rzWindowSize", layout_.width(), layout_.height());
        Fit();
    }
    windows_.removeIf([](const Placed &placed) { return placed.window.isNull(); });
    const auto known = std::find_if(windows_.cbegin(), windows_.cend(),
                                    [window](const Placed &placed) { return placed.window == window; });
    if (known == windows_.cend()) {
        windows_.append({window, window->geometry().topLeft() - layout_.topLeft()});
        Place(windows_.constLast());
    }
    if (main) {
        // Full screen, as the platform shows a window: no frame, and the
        // screen has the window's proportions.
        window->show();
        if (!painted_)
            window->installEventFilter(this);
    } else {
        // Not show(): the platform would show it full screen too.
        window->setVisible(true);
    }
}

bool PageScreen::eventFilter(QObject *watched, QEvent *event)
{
    // The page learns when the window has been drawn for the first time:
    // once its first paint is done, at the browser's next frame.
    if (event->type() == QEvent::Paint && !painted_) {
        painted_ = true;
        watched->removeEventFilter(this);
        emscripten_request_animation_frame(
            [](double, void *) -> EM_BOOL {
                TellPage("rzFirstFrame");
                return EM_FALSE;
            },
            nullptr);
    }
    return QObject::eventFilter(watched, event);
}

// Scales the windows so that the main window's layout fills the screen, the
// canvas in the page, which is in CSS pixels. Qt takes the scale into the
// screen's and the windows' geometry once it is set; what the platform
// reported before, it had taken at the old scale, so the screen and the
// full-screen window are given their place anew.
void PageScreen::Fit()
{
    if (layout_.isEmpty())
        return;
    const QRect page = screen_->handle()->geometry();
    const qreal factor = std::min(page.width() / qreal(layout_.width()), page.height() / qreal(layout_.height()));
    if (factor <= 0)
        return;
    QHighDpiScaling::setScreenFactor(screen_, factor);
    // A window's backing store takes the new scale at its next paint, but
    // keeps only what is painted then: each window is painted whole, every
    // control in it too (a text box's inner area is not painted with the
    // window it lies in).
    for (const Placed &placed : std::as_const(windows_)) {
        Place(placed);
        if (!placed.window)
            continue;
        placed.window->update();
        const QList<QWidget *> controls = placed.window->findChildren<QWidget *>();
        for (QWidget *control : controls)
            control->update();
    }
}

void PageScreen::Place(const Placed &placed)
{
    LayoutWindow *window = placed.window;
    if (!window)
        return;
    // The inner area where the layout puts it, as on a desktop; the frame
    // around it.
    if (window->kind() != LayoutWindow::Kind::Main)
        window->setGeometry(QRect(screen_->geometry().topLeft() + placed.offset, window->size()));
    else if (window->isFullScreen() && window->windowHandle() && window->windowHandle()->handle())
        window->windowHandle()->handle()->setGeometry(Covering(screen_->handle()->geometry()));
}

// The main window's place on the page, in CSS pixels: the whole page, or a
// little more. Qt takes a window's size in its own pixels as its size in CSS
// pixels divided by the scale, rounded; rounded down, the window is painted
// short of the page's right or bottom edge by a fraction of a CSS pixel, and
// at a pixel ratio of 2 or 3 that leaves a line of device pixels unpainted.
// Each side is therefore the smallest whole number of CSS pixels from the
// page's on whose window, in Qt's pixels, covers the page and is painted at
// that very size again; what lies beyond the page is not shown.
QRect PageScreen::Covering(const QRect &page) const
{
    const qreal factor = QHighDpiScaling::factor(screen_);
    const auto cover = [factor](int length) {
        for (int css = length; css < length + 8; ++css) {
            const int own = qRound(css / factor);
            if (own * factor >= length - 1e-6 && qRound(own * factor) == css)
                return css;
        }
        return length;
    };
    return QRect(page.topLeft(), QSize(cover(page.width()), cover(page.height())));
}
