// SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the program shows the desktop: its name, version and desktop id, the
// icon of both windows, and the names screen readers give the windows and
// their controls.

#include "form1.h"
#include "form2.h"
#include "identity.h"
#include "guitest.h"
#include "harness.h"
#include "readaloud.h"

#include <QAccessible>
#include <QApplication>
#include <QGuiApplication>
#include <QImage>
#include <QTest>

namespace {

QWidget *Window(Harness &test, const QString &name)
{
    if (name == QLatin1String("Form1"))
        return &test.program.ShowExercise();
    if (name == QLatin1String("Form2"))
        return &test.program.ShowGameOver();
    return nullptr;
}

// The names of the objects in the given relation to the interface, sorted:
// Label gives its labels, Labelled what it labels.
QStringList Names(QAccessibleInterface *accessible, QAccessible::Relation relation)
{
    QStringList names;
    for (const auto &related : accessible->relations(relation))
        if (related.second == relation)
            names << related.first->text(QAccessible::Name);
    names.sort();
    return names;
}

} // namespace

class TestDesktop : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        // As at start-up.
        IdentifyProgram();
    }

    void identity_data()
    {
        QTest::addColumn<QString>("actual");
        QTest::addColumn<QString>("expected");
        QTest::newRow("version") << QCoreApplication::applicationVersion() << "1.00";
        QTest::newRow("name") << QCoreApplication::applicationName() << "roemische-zahlen";
        QTest::newRow("desktop entry") << QGuiApplication::desktopFileName()
                                       << "de.roemischezahlen.RoemischeZahlen";
    }
    void identity()
    {
        QFETCH(QString, actual);
        QFETCH(QString, expected);
        QCOMPARE(actual, expected);
    }

    // Both windows show the program's icon: the tablet fills the middle,
    // and its rounded corners leave the corner of the icon clear.
    void windowIcon_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<int>("size");
        QTest::newRow("Form1 16") << "Form1" << 16;
        QTest::newRow("Form1 48") << "Form1" << 48;
        QTest::newRow("Form2 32") << "Form2" << 32;
        QTest::newRow("Form2 256") << "Form2" << 256;
    }
    void windowIcon()
    {
        QFETCH(QString, window);
        QFETCH(int, size);
        Harness test;
        QWidget *shown = Window(test, window);
        QVERIFY(shown);
        const QImage image = shown->windowIcon().pixmap(QSize(size, size)).toImage();
        QCOMPARE(image.size(), QSize(size, size));
        QCOMPARE(qAlpha(image.pixel(size / 2, size / 2)), 255);
        QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
    }

    // What screen readers read of each window and control: its role, its
    // name, and the labels tied to it both ways. Every label that heads a
    // box or the option buttons names them; no window is a mere "filler".
    void accessible_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("role");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("labelledBy");
        QTest::addColumn<QStringList>("labelFor");

        const int text = QAccessible::EditableText;
        const int push = QAccessible::Button;
        const int radio = QAccessible::RadioButton;
        const int label = QAccessible::StaticText;
        const QStringList none;
        auto row = [](const char *tag, const char *window, const char *control, int role, const QString &name,
                      const QStringList &labelledBy, const QStringList &labelFor) {
            QTest::newRow(tag) << QString::fromLatin1(window) << QString::fromLatin1(control) << role << name
                               << labelledBy << labelFor;
        };
        row("Form1", "Form1", "", QAccessible::Window, "Römische Zahlen – Übung", none, none);
        row("Text1", "Form1", "Text1", text, "Titel", none, none);
        row("Text2", "Form1", "Text2", text, "Arabische Zahl", {"Arabisch:"}, none);
        row("Text3", "Form1", "Text3", text, "Römische Zahl", {"Römisch:"}, none);
        row("Text4", "Form1", "Text4", text, "Punkte", {"PUNKTE:"}, none);
        row("Text5", "Form1", "Text5", text, "Bewertung", none, none);
        row("Text6", "Form1", "Text6", text, "Lösung", {"Lösung"}, none);
        row("Label1", "Form1", "Label1", label, "Arabisch:", none, {"Arabische Zahl"});
        row("Label2", "Form1", "Label2", label, "Römisch:", none, {"Römische Zahl"});
        row("Label3", "Form1", "Label3", label, "Lösung", none, {"Lösung"});
        row("Label4", "Form1", "Label4", label, "PUNKTE:", none, {"Punkte"});
        row("Label5", "Form1", "Label5", label, "PROGRAMM - ART:", none,
            {"Arabisch nach Römisch", "Römisch nach Arabisch"});
        row("Option1", "Form1", "Option1", radio, "Arabisch nach Römisch", {"PROGRAMM - ART:"}, none);
        row("Option2", "Form1", "Option2", radio, "Römisch nach Arabisch", {"PROGRAMM - ART:"}, none);
        row("Form1 Command1", "Form1", "Command1", push, "Neue Zahl", none, none);
        row("Form1 Command2", "Form1", "Command2", push, "Ende", none, none);
        row("Command3", "Form1", "Command3", push, "OK", none, none);
        row("Command4", "Form1", "Command4", push, "M", none, none);
        row("Command10", "Form1", "Command10", push, "I", none, none);
        row("Command11", "Form1", "Command11", push, "Löschen", none, none);
        row("Command12", "Form1", "Command12", push, "1", none, none);
        row("Command21", "Form1", "Command21", push, "0", none, none);
        row("Command22", "Form1", "Command22", push, "Verloren – weiter", none, none);
        row("Form2", "Form2", "", QAccessible::Dialog, "Römische Zahlen – Spiel verloren", none, none);
        // The message has no label ties: a screen reader reads such a label
        // of a dialog as the dialog's message.
        row("Form2 Label1", "Form2", "Label1", label, "Du hast leider verloren!", none, none);
        row("Form2 Command1", "Form2", "Command1", push, "Neues Spiel", none, none);
        row("Form2 Command2", "Form2", "Command2", push, "Ende", none, none);
    }
    void accessible()
    {
        QFETCH(QString, window);
        QFETCH(QString, control);
        QFETCH(int, role);
        QFETCH(QString, name);
        QFETCH(QStringList, labelledBy);
        QFETCH(QStringList, labelFor);

        Harness test;
        QWidget *widget = Window(test, window);
        QVERIFY(widget);
        QCOMPARE(widget->objectName(), window);
        if (!control.isEmpty())
            widget = widget->findChild<QWidget *>(control, Qt::FindDirectChildrenOnly);
        QVERIFY2(widget, qPrintable(control));
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(widget);
        QVERIFY(accessible);
        QCOMPARE(int(accessible->role()), role);
        QCOMPARE(accessible->text(QAccessible::Name), name);
        QCOMPARE(Names(accessible, QAccessible::Label), labelledBy);
        QCOMPARE(Names(accessible, QAccessible::Labelled), labelFor);
    }
    // What stands in for a screen reader where there is none (a web page):
    // the sentence for a window that becomes active and for a control the
    // focus moves to, from the same names, roles and states.
    void readAloud_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("said");
        QTest::newRow("Form1") << "Form1" << "" << "Römische Zahlen – Übung. Neue Zahl, Schaltfläche.";
        QTest::newRow("Form2") << "Form2" << ""
                               << "Römische Zahlen – Spiel verloren. Du hast leider verloren! Neues Spiel, "
                                  "Schaltfläche.";
        QTest::newRow("Form2 Command2") << "Form2" << "Command2" << "Ende, Schaltfläche.";
        QTest::newRow("Option1") << "Form1" << "Option1" << "Arabisch nach Römisch, Auswahlschalter, ausgewählt.";
        QTest::newRow("Option2") << "Form1" << "Option2"
                                 << "Römisch nach Arabisch, Auswahlschalter, nicht ausgewählt.";
        QTest::newRow("Command3") << "Form1" << "Command3" << "OK, Schaltfläche, nicht verfügbar.";
    }
    void readAloud()
    {
        QFETCH(QString, window);
        QFETCH(QString, control);
        QFETCH(QString, said);

        Harness test;
        QWidget *widget = Window(test, window);
        QVERIFY(widget);
        if (control.isEmpty()) {
            QCOMPARE(SaidOfWindow(widget), said);
        } else {
            auto *child = widget->findChild<QWidget *>(control, Qt::FindDirectChildrenOnly);
            QVERIFY2(child, qPrintable(control));
            QCOMPARE(SaidOfControl(child), said);
        }
    }
};

QTEST_MAIN(TestDesktop)
#include "test_desktop.moc"
