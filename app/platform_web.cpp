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
// pagereader_web.cpp). The page for teachers, which loads the program
// without starting it, asks it what it makes of a class's address
// (rzReadAddress).

#include "platform.h"

#include "addressreading.h"
#include "announce.h"
#include "bundledfaces.h"
#include "layoutwindow.h"
#include "page_web.h"

#include <QApplication>
#include <QGuiApplication>
#include <QPointer>
#include <QWidget>
#include <QtGlobal>

#include <emscripten/bind.h>

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

namespace {

// The settings the page hands over: rzSettings.von, .bis and .richtung (or
// the arguments of rzReadAddress), each a text, or null where it has none.
std::optional<QString> Text(const val &value)
{
    if (value.typeOf().as<std::string>() != "string")
        return std::nullopt;
    return QString::fromStdString(value.as<std::string>());
}

// For the teachers' page, which loads the program without starting it: the
// game's own reading of a class's address, as an object {line, problem}.
val ReadAddressForPage(val von, val bis, val richtung)
{
    const AddressReading reading = ReadAddress(AddressSettings{Text(von), Text(bis), Text(richtung)});
    val result = val::object();
    result.set("line", reading.line.toStdString());
    result.set("problem", reading.problem);
    return result;
}

} // namespace

EMSCRIPTEN_BINDINGS(roemische_zahlen)
{
    emscripten::function("rzReadAddress", &ReadAddressForPage);
}

GameSettings SettingsOnPlatform(const GameSettings &)
{
    AddressSettings address;
    const val given = val::module_property("rzSettings");
    if (given.typeOf().as<std::string>() == "object" && !given.isNull())
        address = AddressSettings{Text(given["von"]), Text(given["bis"]), Text(given["richtung"])};
    const AddressReading reading = ReadAddress(address);
    if (!reading.line.isEmpty())
        TellPage("rzRange", reading.line.toStdString());
    return reading.settings;
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
