// SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
// SPDX-License-Identifier: GPL-3.0-or-later

// In a web page. Qt draws into a canvas in the page's element for the game
// (platforms/web/index.html.in), and that canvas is the program's screen
// (PageScreen, pagescreen_web.cpp). The page is told through the functions
// it gives the module: rzWindowSize, rzFirstFrame, rzEnded, rzRange with
// the line that says the range of the numbers (or why the address's range
// cannot be used), rzWindowName
// with the name of the window that becomes active, and, where it gives that
// one, rzAnnounce with every message the program makes for screen readers,
// and what a screen reader says by itself on a desktop (PageReader,
// pagereader_web.cpp).

#include "platform.h"

#include "announce.h"
#include "bundledfaces.h"
#include "layoutwindow.h"
#include "page_web.h"
#include "rangereading.h"

#include <QApplication>
#include <QGuiApplication>
#include <QPointer>
#include <QWidget>
#include <QtGlobal>

#include <optional>
#include <string>

using emscripten::val;

namespace {

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

NumberRange RangeOnPlatform(const NumberRange &)
{
    // The page hands over the address's settings as it found them:
    // rzSettings.von and .bis, each a text, or null where it has none.
    RangeSettings settings;
    const val given = val::module_property("rzSettings");
    if (given.typeOf().as<std::string>() == "object" && !given.isNull()) {
        const auto text = [&given](const char *name) -> std::optional<QString> {
            const val value = given[name];
            if (value.typeOf().as<std::string>() != "string")
                return std::nullopt;
            return QString::fromStdString(value.as<std::string>());
        };
        settings.von = text("von");
        settings.bis = text("bis");
    }
    const RangeReading reading = ReadRange(settings, QStringLiteral("von"), QStringLiteral("bis"));
    if (!reading.problem.isEmpty()) {
        const NumberRange whole;
        TellPage("rzRange",
                 QString::fromUtf8(rangetexts::kAddressProblem)
                     .arg(reading.problem, RangeLine(whole))
                     .toStdString());
    } else if (!reading.range.IsWhole()) {
        TellPage("rzRange", RangeLine(reading.range).toStdString());
    }
    return reading.range;
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
