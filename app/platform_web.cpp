// SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
// SPDX-License-Identifier: GPL-3.0-or-later

// In a web page. Qt draws into a canvas in the page's element for the game
// (packaging/web/index.html), and that canvas is the program's screen. The
// page fits the element to the main window's proportions, as large as the
// browser window allows; the program scales its windows to the element
// with Qt's own scaling, so that their layout stays as it is and the text is
// drawn at the device's full resolution. The main window fills the screen
// without a frame; a message window stands in front of it, where it stands
// relative to the main window on a desktop. The page is told through the
// functions it gives the module: rzWindowSize, rzFirstFrame, rzEnded,
// rzWindowName with the name of the window that becomes active, and, where
// it gives that one, rzAnnounce with every message the program makes for
// screen readers.
//
// A page gives screen readers nothing of Qt's windows: the canvas is one
// element, named after the active window. So the messages go to the page,
// which speaks them through a live region; and what a screen reader says by
// itself on a desktop goes with them: the window that becomes active (after
// the first, which the page's canvas names as the game loads), and the
// control the Tab key moves the focus to.

#include "platform.h"

#include "announce.h"
#include "bundledfaces.h"
#include "layoutwindow.h"
#include "readaloud.h"

#include <QApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QList>
#include <QPointer>
#include <QRect>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <QtGlobal>
#include <QtGui/private/qhighdpiscaling_p.h>
#include <qpa/qplatformscreen.h>
#include <qpa/qplatformwindow.h>

#include <emscripten/html5.h>
#include <emscripten/val.h>

#include <algorithm>
#include <string>

namespace {

using emscripten::val;

// Calls a function the page gave the module, where it gave one.
template <typename... Args>
void TellPage(const char *function, Args... args)
{
    const val module = val::module_property(function);
    if (module.typeOf().as<std::string>() == "function")
        module(args...);
}

class PageScreen final : public QObject {
public:
    explicit PageScreen(QScreen *screen) : QObject(screen), screen_(screen)
    {
        connect(screen, &QScreen::geometryChanged, this, &PageScreen::Fit);
    }

    void Present(LayoutWindow *window)
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
            // Full screen, as the platform shows a window: no frame, and
            // the screen has the window's proportions.
            window->show();
            if (!painted_)
                window->installEventFilter(this);
        } else {
            // Not show(): the platform would show it full screen too.
            window->setVisible(true);
        }
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
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

private:
    // A window of the program and where its layout puts it relative to the
    // main window's layout.
    struct Placed {
        QPointer<LayoutWindow> window;
        QPoint offset;
    };

    // Scales the windows so that the main window's layout fills the
    // screen, the canvas in the page, which is in CSS pixels. Qt takes the
    // scale into the screen's and the windows' geometry once it is set;
    // what the platform reported before, it had taken at the old scale, so
    // the screen and the full-screen window are given their place anew.
    void Fit()
    {
        if (layout_.isEmpty())
            return;
        const QRect page = screen_->handle()->geometry();
        const qreal factor = std::min(page.width() / qreal(layout_.width()),
                                      page.height() / qreal(layout_.height()));
        if (factor <= 0)
            return;
        QHighDpiScaling::setScreenFactor(screen_, factor);
        // A window's backing store takes the new scale at its next paint,
        // but keeps only what is painted then: each window is painted whole,
        // every control in it too (a text box's inner area is not painted
        // with the window it lies in).
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

    void Place(const Placed &placed)
    {
        LayoutWindow *window = placed.window;
        if (!window)
            return;
        // The inner area where the layout puts it, as on a desktop; the
        // frame around it.
        if (window->kind() != LayoutWindow::Kind::Main)
            window->setGeometry(QRect(screen_->geometry().topLeft() + placed.offset, window->size()));
        else if (window->isFullScreen() && window->windowHandle() && window->windowHandle()->handle())
            window->windowHandle()->handle()->setGeometry(screen_->handle()->geometry());
    }

    QScreen *screen_;
    QRect layout_;
    QList<Placed> windows_;
    bool painted_ = false;
};

// Tells the page the name of the window that becomes active, and speaks
// for the screen reader the page cannot offer.
class PageReader final : public QObject {
public:
    explicit PageReader(QObject *parent) : QObject(parent)
    {
        connect(qApp, &QGuiApplication::focusWindowChanged, this, &PageReader::Activated);
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // The control the learner moves the focus to with Tab or Shift+Tab;
        // not where the focus goes by itself (away from a button that is
        // disabled), which the game's own messages cover.
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

private:
    void Activated(QWindow *active)
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

    QPointer<QWidget> active_;
    bool named_ = false;
    bool tabbing_ = false;
};

PageScreen *Page()
{
    static QPointer<PageScreen> page;
    if (!page)
        page = new PageScreen(QGuiApplication::primaryScreen());
    return page.data();
}

} // namespace

void PrepareForPlatform()
{
    // The game takes no typed text: the keys are on the screen, and a
    // physical keyboard reaches the canvas directly. Qt's input method for
    // touch screens would only open a phone's keyboard, and on Android it
    // hands every key of a physical keyboard to the program a second time.
    qputenv("QT_IM_MODULE", "none");
}

void AdaptToPlatform()
{
    // A page has no fonts of its own.
    UseBundledFaceByDefault();
    Page();
    // The messages the program makes for screen readers, for a page that
    // asks for them.
    if (val::module_property("rzAnnounce").typeOf().as<std::string>() == "function") {
        ListenToAnnouncements([](QWidget *, const QString &text) {
            TellPage("rzAnnounce", text.toStdString());
        });
    }
    new PageReader(qApp);
}

void PresentWindow(QWidget *window)
{
    if (auto *layoutWindow = qobject_cast<LayoutWindow *>(window))
        Page()->Present(layoutWindow);
    else
        window->show();
}

void EndOnPlatform(int exitCode)
{
    // The windows are gone; the page says that the game has ended and
    // offers a new one. The program stays idle until the page is left.
    TellPage("rzEnded", exitCode);
}
