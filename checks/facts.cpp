// SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
// SPDX-License-Identifier: GPL-3.0-or-later

// rz-facts: the game's facts for its checks, asked of the program itself at
// build time, so that no check copies them by hand.
//
//   rz-facts FACTS.json BASELINE.inc
//
// FACTS.json: both windows as the program loads them (on Qt's offscreen
// platform): each window's layout name, title, place and size in twips, the
// name a screen reader gives it and what a screen reader says as it becomes
// active; each control's layout name, kind, caption, place and size in
// twips, screen reader name, whether it shows at load, and what a screen
// reader says as it takes the focus; and every message the game says, as
// its template (spokentexts.h), %1 and %2 to be filled in; and the texts of
// the range of the numbers (rangereading.h), likewise.
//
// BASELINE.inc: the exercise window and its controls as the constants
// baseline.h builds the start-up benchmarks' bare window from.

#include "directionreading.h"
#include "form1.h"
#include "form2.h"
#include "numeral.h"
#include "optionbutton.h"
#include "program.h"
#include "randomsource.h"
#include "rangereading.h"
#include "readaloud.h"
#include "spokentexts.h"
#include "textbox.h"
#include "timeofday.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QFile>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QWidget>

#include <cstdio>

namespace {

constexpr int kTwipsPerPixel = 15;

QString Kind(const QWidget *control)
{
    if (qobject_cast<const QRadioButton *>(control))
        return QStringLiteral("option");
    if (qobject_cast<const QAbstractButton *>(control))
        return QStringLiteral("button");
    if (qobject_cast<const TextBox *>(control))
        return QStringLiteral("text");
    if (qobject_cast<const QLabel *>(control))
        return QStringLiteral("label");
    return QString();
}

QString Caption(const QWidget *control)
{
    if (const auto *button = qobject_cast<const QAbstractButton *>(control))
        return button->text();
    if (const auto *box = qobject_cast<const TextBox *>(control))
        return box->text();
    if (const auto *label = qobject_cast<const QLabel *>(control))
        return label->text();
    return QString();
}

void PutPlace(QJsonObject &object, const QRect &pixels)
{
    object[QStringLiteral("left")] = pixels.x() * kTwipsPerPixel;
    object[QStringLiteral("top")] = pixels.y() * kTwipsPerPixel;
    object[QStringLiteral("width")] = pixels.width() * kTwipsPerPixel;
    object[QStringLiteral("height")] = pixels.height() * kTwipsPerPixel;
}

QString AccessibleName(QWidget *widget)
{
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(widget);
    return accessible ? accessible->text(QAccessible::Name) : QString();
}

// The window and its controls, in their stacking order, the lowest first
// (the labels lie beneath everything).
QJsonObject Window(QWidget *window)
{
    QJsonObject facts;
    facts[QStringLiteral("title")] = window->windowTitle();
    facts[QStringLiteral("name")] = NameOfWindow(window);
    facts[QStringLiteral("said")] = SaidOfWindow(window);
    PutPlace(facts, window->geometry());
    QJsonArray controls;
    for (QObject *child : window->children()) {
        auto *control = qobject_cast<QWidget *>(child);
        if (!control || control->objectName().isEmpty() || Kind(control).isEmpty())
            continue;
        QJsonObject fact;
        fact[QStringLiteral("layoutName")] = control->objectName();
        fact[QStringLiteral("kind")] = Kind(control);
        fact[QStringLiteral("caption")] = Caption(control);
        fact[QStringLiteral("name")] = AccessibleName(control);
        fact[QStringLiteral("shown")] = !control->isHidden();
        if (control->focusPolicy() != Qt::NoFocus)
            fact[QStringLiteral("said")] = SaidOfControl(control);
        PutPlace(fact, control->geometry());
        controls.append(fact);
    }
    facts[QStringLiteral("controls")] = controls;
    return facts;
}

// A C string literal of UTF-8 text.
QByteArray Literal(const QString &text)
{
    QByteArray literal = text.toUtf8();
    literal.replace('\\', "\\\\").replace('"', "\\\"");
    return '"' + literal + '"';
}

QByteArray Baseline(const QJsonObject &exercise)
{
    QByteArray inc = "// Written by rz-facts (checks/facts.cpp) from the exercise window.\n";
    inc += "inline const Window kWindow{" + Literal(exercise[QStringLiteral("title")].toString());
    for (const char *key : {"left", "top", "width", "height"})
        inc += ", " + QByteArray::number(exercise[QLatin1String(key)].toInt());
    inc += "};\ninline const Control kControls[]{\n";
    static const QHash<QString, QByteArray> kinds{{QStringLiteral("button"), "Button"},
                                                  {QStringLiteral("text"), "TextBox"},
                                                  {QStringLiteral("label"), "Label"},
                                                  {QStringLiteral("option"), "Option"}};
    for (const QJsonValue value : exercise[QStringLiteral("controls")].toArray()) {
        const QJsonObject control = value.toObject();
        inc += "    {Kind::" + kinds.value(control[QStringLiteral("kind")].toString()) + ", "
               + Literal(control[QStringLiteral("caption")].toString());
        for (const char *key : {"left", "top", "width", "height"})
            inc += ", " + QByteArray::number(control[QLatin1String(key)].toInt());
        inc += control[QStringLiteral("shown")].toBool() ? ", true},\n" : ", false},\n";
    }
    return inc + "};\n";
}

bool Write(const QString &path, const QByteArray &data)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(data) == data.size())
        return true;
    std::fprintf(stderr, "rz-facts: cannot write %s\n", qPrintable(path));
    return false;
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_SCALE_FACTOR", "1");
    // A build need not run in a desktop session: Qt gets a runtime folder
    // of its own rather than a word about the missing one.
    const QTemporaryDir runtime;
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
    QApplication app(argc, argv);
    if (QCoreApplication::arguments().size() != 3) {
        std::fputs("usage: rz-facts FACTS.json BASELINE.inc\n", stderr);
        return 2;
    }
    TimerSeededRandom random;
    SystemTimeOfDay clock;
    NumeralEngine engine(random, clock);
    Program program(engine, [](int) {});
    Form1 &exercise = program.ShowExercise();
    Form2 &gameOver = program.ShowGameOver();

    QJsonObject windows;
    windows[QStringLiteral("Form1")] = Window(&exercise);
    windows[QStringLiteral("Form2")] = Window(&gameOver);
    QJsonObject said;
    for (const auto &[key, text] : spoken::kAll)
        said[QLatin1String(key)] = QString::fromUtf8(text);
    QJsonObject range;
    for (const auto &[key, text] : rangetexts::kAll)
        range[QLatin1String(key)] = QString::fromUtf8(text);
    QJsonObject direction;
    for (const auto &[key, text] : directiontexts::kAll)
        direction[QLatin1String(key)] = QString::fromUtf8(text);
    const QJsonObject facts{{QStringLiteral("windows"), windows},
                            {QStringLiteral("said"), said},
                            {QStringLiteral("range"), range},
                            {QStringLiteral("direction"), direction}};

    const QStringList arguments = QCoreApplication::arguments();
    return Write(arguments.at(1), QJsonDocument(facts).toJson()) && Write(arguments.at(2), Baseline(windows[QStringLiteral("Form1")].toObject()))
               ? 0
               : 1;
}
