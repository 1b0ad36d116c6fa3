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

    void accessibleNames_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("role");
        QTest::addColumn<QString>("name");

        const int text = QAccessible::EditableText;
        const int push = QAccessible::Button;
        // The role of a window is Qt's business; only its name is checked.
        const int window = -1;
        QTest::newRow("Form1") << "Form1" << "" << window << "Römische Zahlen – Übung";
        QTest::newRow("Text1") << "Form1" << "Text1" << text << "Titel";
        QTest::newRow("Text2") << "Form1" << "Text2" << text << "Arabische Zahl";
        QTest::newRow("Text3") << "Form1" << "Text3" << text << "Römische Zahl";
        QTest::newRow("Text4") << "Form1" << "Text4" << text << "Punkte";
        QTest::newRow("Text5") << "Form1" << "Text5" << text << "Bewertung";
        QTest::newRow("Text6") << "Form1" << "Text6" << text << "Lösung";
        QTest::newRow("Form1 Command1") << "Form1" << "Command1" << push << "Neue Zahl";
        QTest::newRow("Form1 Command2") << "Form1" << "Command2" << push << "Ende";
        QTest::newRow("Command3") << "Form1" << "Command3" << push << "OK";
        QTest::newRow("Command4") << "Form1" << "Command4" << push << "M";
        QTest::newRow("Command5") << "Form1" << "Command5" << push << "D";
        QTest::newRow("Command6") << "Form1" << "Command6" << push << "C";
        QTest::newRow("Command7") << "Form1" << "Command7" << push << "L";
        QTest::newRow("Command8") << "Form1" << "Command8" << push << "X";
        QTest::newRow("Command9") << "Form1" << "Command9" << push << "V";
        QTest::newRow("Command10") << "Form1" << "Command10" << push << "I";
        QTest::newRow("Command11") << "Form1" << "Command11" << push << "Löschen";
        QTest::newRow("Command12") << "Form1" << "Command12" << push << "1";
        QTest::newRow("Command13") << "Form1" << "Command13" << push << "2";
        QTest::newRow("Command14") << "Form1" << "Command14" << push << "3";
        QTest::newRow("Command15") << "Form1" << "Command15" << push << "4";
        QTest::newRow("Command16") << "Form1" << "Command16" << push << "5";
        QTest::newRow("Command17") << "Form1" << "Command17" << push << "6";
        QTest::newRow("Command18") << "Form1" << "Command18" << push << "7";
        QTest::newRow("Command19") << "Form1" << "Command19" << push << "8";
        QTest::newRow("Command20") << "Form1" << "Command20" << push << "9";
        QTest::newRow("Command21") << "Form1" << "Command21" << push << "0";
        QTest::newRow("Command22") << "Form1" << "Command22" << push << "    VERLOREN !!!";
        QTest::newRow("Option1") << "Form1" << "Option1" << int(QAccessible::RadioButton)
                                 << "Arabisch  ->  Römisch";
        QTest::newRow("Option2") << "Form1" << "Option2" << int(QAccessible::RadioButton)
                                 << "Römisch  ->  Arabisch";
        QTest::newRow("Form2") << "Form2" << "" << window << "Römische Zahlen – Spiel verloren";
        QTest::newRow("Form2 Command1") << "Form2" << "Command1" << push << "Neues Spiel";
        QTest::newRow("Form2 Command2") << "Form2" << "Command2" << push << "Ende";
    }
    void accessibleNames()
    {
        QFETCH(QString, window);
        QFETCH(QString, control);
        QFETCH(int, role);
        QFETCH(QString, name);

        Harness test;
        QWidget *widget = Window(test, window);
        QVERIFY(widget);
        QCOMPARE(widget->objectName(), window);
        if (!control.isEmpty())
            widget = widget->findChild<QWidget *>(control, Qt::FindDirectChildrenOnly);
        QVERIFY2(widget, qPrintable(control));
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(widget);
        QVERIFY(accessible);
        if (role >= 0)
            QCOMPARE(int(accessible->role()), role);
        QCOMPARE(accessible->text(QAccessible::Name), name);
    }
};

QTEST_MAIN(TestDesktop)
#include "test_desktop.moc"
