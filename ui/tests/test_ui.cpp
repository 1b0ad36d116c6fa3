// SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The behaviour the windows rely on from our controls.

#include "layoutfaces.h"
#include "layoutfonts.h"
#include "optionbutton.h"
#include "textbox.h"

#include <QAccessible>
#include <QFontInfo>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>

class TestUi : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // The maximum length cuts text set by code; lengths count characters.
    void maxLength_data()
    {
        QTest::addColumn<int>("maxLength");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("kept");
        QTest::newRow("no limit") << 0 << "MMMDCCCLXXXVIIII" << "MMMDCCCLXXXVIIII";
        QTest::newRow("fits") << 15 << "MMMDCCCLXXXVIII" << "MMMDCCCLXXXVIII";
        QTest::newRow("one over") << 15 << "MMMDCCCLXXXVIIII" << "MMMDCCCLXXXVIII";
        QTest::newRow("umlauts count once") << 3 << "ÄÖÜß" << "ÄÖÜ";
        QTest::newRow("blanks kept") << 12 << " 50" << " 50";
        QTest::newRow("inner blanks kept") << 0 << "0 12" << "0 12";
        QTest::newRow("empty") << 5 << "" << "";
    }
    void maxLength()
    {
        QFETCH(int, maxLength);
        QFETCH(QString, text);
        QFETCH(QString, kept);
        TextBox box;
        box.setMaxLength(maxLength);
        box.setText(text);
        QCOMPARE(box.text(), kept);
    }

    // A hidden box keeps its text for the code but shows it to no one, not
    // even to a screen reader, until it is shown again.
    void hiddenBoxKeepsItsText_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("readable");
        QTest::newRow("shown") << "set:XII" << "XII" << "XII";
        QTest::newRow("set, hidden") << "set:XII hide" << "XII" << "";
        QTest::newRow("hidden, set") << "hide set:XII" << "XII" << "";
        QTest::newRow("hidden, set, shown") << "hide set:XII show" << "XII" << "XII";
        QTest::newRow("hidden, set twice, shown") << "set:V hide set:XII set:12 show" << "12" << "12";
        QTest::newRow("cut while hidden") << "hide set:MMMDCCCLXXXVIII show" << "MMM" << "MMM";
        QTest::newRow("emptied while hidden") << "set:XII hide set: show" << "" << "";
        QTest::newRow("shown twice") << "set:XII show show" << "XII" << "XII";
    }
    void hiddenBoxKeepsItsText()
    {
        QFETCH(QString, steps);
        QFETCH(QString, text);
        QFETCH(QString, readable);
        QWidget window;
        auto *box = new TextBox(&window);
        box->setMaxLength(3);
        window.show();
        for (const QString &step : steps.split(QLatin1Char(' '))) {
            if (step.startsWith(QLatin1String("set:")))
                box->setText(step.mid(4));
            else
                box->setVisible(step == QLatin1String("show"));
        }
        QCOMPARE(box->text(), text);
        QCOMPARE(box->toPlainText(), readable);
        QAccessibleTextInterface *accessible = QAccessible::queryAccessibleInterface(box)->textInterface();
        QVERIFY(accessible);
        QCOMPARE(accessible->text(0, accessible->characterCount()), readable);
    }

    // A face the layout asks for is used where it is installed; a classic
    // face that is missing is drawn in a face of its widths.
    void layoutFaces_data()
    {
        QTest::addColumn<QString>("face");
        QTest::addColumn<QString>("used");
        QTest::newRow("MS Sans Serif") << "MS Sans Serif" << "";
        QTest::newRow("Tahoma") << "Tahoma" << "";
        QTest::newRow("installed face") << "DejaVu Sans" << "DejaVu Sans";
        QTest::newRow("installed, other case") << "dejavu sans" << "DejaVu Sans";
    }
    void layoutFaces()
    {
        QFETCH(QString, face);
        QFETCH(QString, used);
        const QFont font = LayoutFont(face, 13.5, true, true);
        if (used.isEmpty())
            QVERIFY2(KeepsLayoutWidths(font, face), qPrintable(QFontInfo(font).family()));
        else
            QCOMPARE(QFontInfo(font).family(), used);
        QCOMPARE(font.pointSizeF(), 13.5);
        QVERIFY(font.bold() && font.italic());
        QVERIFY(KeepsLayoutWidths(StandardFont(), QStringLiteral("MS Sans Serif")));
        QCOMPARE(StandardFont().pointSizeF(), 8.25);
    }

    // The learner cannot type into a box.
    void readOnlyForTheLearner()
    {
        QWidget window;
        auto *box = new TextBox(&window);
        box->setText(QStringLiteral("XII"));
        window.show();
        box->setFocus();
        QTest::keyClicks(box->viewport(), QStringLiteral("abc"));
        QTest::keyClick(box->viewport(), Qt::Key_Backspace);
        QTest::mouseDClick(box->viewport(), Qt::LeftButton);
        QTest::keyClick(box->viewport(), Qt::Key_Delete);
        QCOMPARE(box->text(), QStringLiteral("XII"));
    }

    // Selection raises Click at once, by code as by the learner; selecting
    // the selected one again raises nothing.
    void optionClick()
    {
        QWidget window;
        auto *one = new OptionButton(&window);
        auto *two = new OptionButton(&window);
        one->setGeometry(0, 0, 100, 20);
        two->setGeometry(0, 30, 100, 20);
        one->setText(QStringLiteral("Arabisch  ->  Römisch"));
        two->setText(QStringLiteral("Römisch  ->  Arabisch"));
        window.show();
        QSignalSpy spyOne(one, &OptionButton::Click);
        QSignalSpy spyTwo(two, &OptionButton::Click);
        one->setChecked(true);
        QCOMPARE(spyOne.count(), 1);
        one->setChecked(true);
        QCOMPARE(spyOne.count(), 1);
        QTest::mouseClick(two, Qt::LeftButton, Qt::NoModifier, two->rect().center());
        QCOMPARE(spyTwo.count(), 1);
        QVERIFY(!one->isChecked());
        QTest::mouseClick(two, Qt::LeftButton, Qt::NoModifier, two->rect().center());
        QCOMPARE(spyTwo.count(), 1);
        QCOMPARE(spyOne.count(), 1);
    }
};

QTEST_MAIN(TestUi)
#include "test_ui.moc"
