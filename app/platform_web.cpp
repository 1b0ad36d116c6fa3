// SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
// SPDX-License-Identifier: GPL-3.0-or-later

// In a web page. Qt draws into a canvas in the page's element for the game
// (platforms/web/index.html.in), and that canvas is the program's screen
// (PageScreen, pagescreen_web.cpp). The page is told through the functions
// it gives the module: rzWindowSize, rzFirstFrame, rzEnded, rzRange with
// the line that says the range of the numbers (or why the address's range
// or direction cannot be used), rzWindowName
// with the name of the window that becomes active, and, where it gives that
// one, rzAnnounce with every message the program makes for screen readers,
// and what a screen reader says by itself on a desktop (PageReader,
// pagereader_web.cpp).

#include "platform.h"

#include "announce.h"
#include "bundledfaces.h"
#include "directionreading.h"
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

GameSettings SettingsOnPlatform(const GameSettings &)
{
    // The page hands over the address's settings as it found them:
    // rzSettings.von, .bis and .richtung, each a text, or null where it has
    // none.
    const val given = val::module_property("rzSettings");
    const bool hasSettings = given.typeOf().as<std::string>() == "object" && !given.isNull();
    const auto text = [&given, hasSettings](const char *name) -> std::optional<QString> {
        if (!hasSettings)
            return std::nullopt;
        const val value = given[name];
        if (value.typeOf().as<std::string>() != "string")
            return std::nullopt;
        return QString::fromStdString(value.as<std::string>());
    };
    const RangeReading range = ReadRange(RangeSettings{text("von"), text("bis")}, QStringLiteral("von"),
                                         QStringLiteral("bis"));
    const DirectionReading direction = ReadDirection(text("richtung"), QStringLiteral("richtung"));
    // One line for the page: what is wrong with the address, else the range
    // where it is not the whole one.
    QString line;
    if (!range.problem.isEmpty())
        line = QString::fromUtf8(rangetexts::kAddressProblem).arg(range.problem, RangeLine(NumberRange()));
    else if (!range.range.IsWhole())
        line = RangeLine(range.range);
    if (!direction.problem.isEmpty()) {
        if (!line.isEmpty())
            line += line.endsWith(QLatin1Char('.')) ? QStringLiteral(" ") : QStringLiteral(". ");
        line += QString::fromUtf8(directiontexts::kAddressProblem).arg(direction.problem);
    }
    if (!line.isEmpty())
        TellPage("rzRange", line.toStdString());
    return GameSettings{range.range, direction.direction};
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
