// SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The lost game, the game-over window and the new game, through the real
// buttons of both windows.

#include "guitest.h"
#include "harness.h"
#include "layoutfaces.h"
#include "layoutfonts.h"
#include "optionbutton.h"
#include "platform.h"
#include "textbox.h"
#include "twips.h"

#include <QApplication>
#include <QFontInfo>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

int VisibleWindows()
{
    int visible = 0;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->isVisible())
            ++visible;
    return visible;
}

// Loses the game running in the exercise window: one wrong answer from 0.
void Lose(Harness &h, Form1 &f)
{
    f.points = 0;
    h.Draw({8});
    RZ_CLICK(f.Command1);
    RZ_CLICK(f.Command3);
    QVERIFY(f.Command22->isVisible());
}

// Lost game, lost button: on to the game-over window.
void LoseAndAcknowledge(Harness &h)
{
    Form1 *f = h.exercise();
    QVERIFY(f);
    Lose(h, *f);
    if (QTest::currentTestFailed())
        return;
    RZ_CLICK(f->Command22);
    Harness::FinishDeletions();
}

} // namespace

class TestGameOver : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void layout_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QRect>("twips");
        QTest::addColumn<double>("points");
        QTest::addColumn<bool>("boldItalic");
        QTest::addColumn<int>("focusOrder");
        QTest::newRow("Label1") << "Label1" << "Du hast leider verloren!" << QRect(240, 120, 4335, 495) << 18.0 << true << 0;
        QTest::newRow("Command1") << "Command1" << "Neues Spiel" << QRect(120, 960, 1575, 375) << 8.25 << false << 1;
        QTest::newRow("Command2") << "Command2" << "Ende" << QRect(3000, 960, 1575, 375) << 8.25 << false << 2;
    }
    void layout()
    {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QRect, twips);
        QFETCH(double, points);
        QFETCH(bool, boldItalic);
        QFETCH(int, focusOrder);
        Harness h;
        h.Start();
        LoseAndAcknowledge(h);
        Form2 *form = h.gameOver();
        QVERIFY(form);
        QCOMPARE(form->objectName(), QStringLiteral("Form2"));
        QCOMPARE(form->windowTitle(), QStringLiteral("Mathematik in der ZEL:"));
        QCOMPARE(form->geometry(), QRect(365, 302, 312, 109));
        QCOMPARE(form->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly).size(), 3);

        auto *w = form->findChild<QWidget *>(name);
        QVERIFY(w);
        QVERIFY(w->isVisible() && w->isEnabled());
        const QString text = qobject_cast<QLabel *>(w) ? qobject_cast<QLabel *>(w)->text()
                                                       : qobject_cast<QPushButton *>(w)->text();
        QCOMPARE(text, caption);
        QCOMPARE(w->geometry(), TwipsRect(twips.x(), twips.y(), twips.width(), twips.height()));
        QCOMPARE(w->font(), LayoutFont(QStringLiteral("MS Sans Serif"), points, boldItalic, boldItalic));
        QCOMPARE(w->font().pointSizeF(), points);
        QCOMPARE(w->font().bold(), boldItalic);
        QCOMPARE(w->font().italic(), boldItalic);
        QVERIFY2(KeepsLayoutWidths(w->font(), QStringLiteral("MS Sans Serif")), qPrintable(QFontInfo(w->font()).family()));
        const QFontMetrics fm(w->font());
        QVERIFY(fm.horizontalAdvance(text) <= w->width());
        int order = 0;
        for (QWidget *c = form->nextInFocusChain(); c != w; c = c->nextInFocusChain())
            ++order;
        QCOMPARE(order, focusOrder);
        if (auto *label = qobject_cast<QLabel *>(w))
            QVERIFY(label->alignment() & Qt::AlignLeft);
    }

    // The whole cycle, twice: lost, game-over window (active, its focus on
    // "Neues Spiel"), new game.
    void cycle_data()
    {
        QTest::addColumn<bool>("romanToArabicBefore");
        QTest::newRow("lost in Arabic to Roman") << false;
        QTest::newRow("lost in Roman to Arabic") << true;
    }
    void cycle()
    {
        QFETCH(bool, romanToArabicBefore);
        Harness h;
        QPointer<Form1> first = &h.Start();
        QCOMPARE(first->Text4->text(), QStringLiteral(" 50"));
        if (romanToArabicBefore)
            RZ_CLICK(first->Option2);
        QPointer<Form2> gameOver;
        for (int game = 1; game <= 2; ++game) {
            QPointer<Form1> lost = h.exercise();
            Lose(h, *lost);
            QCOMPARE(VisibleWindows(), 1);
            RZ_CLICK(lost->Command22);
            QCOMPARE(VisibleWindows(), 1);
            QVERIFY(!h.exercise());
            Harness::FinishDeletions();
            QVERIFY2(lost.isNull(), "the exercise window is destroyed");

            Form2 *shown = h.gameOver();
            QVERIFY(shown && shown->isVisible());
            if (game == 1)
                gameOver = shown;
            QCOMPARE(shown, gameOver.data()); // the same window every time
            // Active every time it opens, so the keys reach it.
            QVERIFY(QTest::qWaitForWindowActive(shown));
            QCOMPARE(shown->focusWidget(), static_cast<QWidget *>(shown->Command1));

            RZ_CLICK(shown->Command1);
            QCOMPARE(VisibleWindows(), 1);
            QVERIFY(!shown->isVisible());
            Form1 *f = h.exercise();
            QVERIFY(f && f->isVisible() && f->isEnabled());
            QCOMPARE(f->points, qint16(50));
            QCOMPARE(f->Text4->text(), QStringLiteral("50"));
            QCOMPARE(f->mode, Form1::ArabicToRoman);
            QVERIFY(f->Option1->isChecked());
            for (QAbstractButton *b : f->findChildren<QAbstractButton *>())
                QCOMPARE(b->isVisible(), b != f->Command22);
            QVERIFY(!f->Command22->isEnabled());
            QVERIFY(f->Command1->isEnabled() && !f->Command3->isEnabled());
            for (QPushButton *key : {f->Command4, f->Command10})
                QVERIFY(key->isEnabled());
            for (QPushButton *key : {f->Command12, f->Command21})
                QVERIFY(!key->isEnabled());
            for (const TextBox *box : {f->Text2, f->Text3, f->Text5, f->Text6})
                QVERIFY(box->text().isEmpty());
            QVERIFY(f->Text6->isVisible());
            // A fresh game plays on.
            h.Draw({3});
            RZ_CLICK(f->Command1);
            RZ_CLICK(f->Command10);
            RZ_CLICK(f->Command10);
            RZ_CLICK(f->Command10);
            RZ_CLICK(f->Command3);
            QCOMPARE(f->Text4->text(), QStringLiteral(" 60"));
        }
        QCOMPARE(h.endRequests, 0);
    }

    // Many games in a row leave no windows or controls behind.
    void noWidgetsPileUp()
    {
        Harness h;
        h.Start();
        LoseAndAcknowledge(h);
        RZ_CLICK(h.gameOver()->Command1);
        const auto liveWidgets = QApplication::allWidgets().size();
        for (int game = 0; game < 200; ++game) {
            LoseAndAcknowledge(h);
            RZ_CLICK(h.gameOver()->Command1);
        }
        Harness::FinishDeletions();
        QCOMPARE(QApplication::allWidgets().size(), liveWidgets);
        QCOMPARE(VisibleWindows(), 1);
    }

    // "Ende" and the frame of either window ask the program to end.
    void ending_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("Ende in the game-over window") << "gameover-ende";
        QTest::newRow("frame of the game-over window") << "gameover-frame";
        QTest::newRow("Ende in a new game") << "exercise-ende";
        QTest::newRow("frame of a new game") << "exercise-frame";
    }
    void ending()
    {
        QFETCH(QString, how);
        Harness h;
        h.Start();
        LoseAndAcknowledge(h);
        Form2 *gameOver = h.gameOver();
        if (how.startsWith(QLatin1String("exercise")))
            RZ_CLICK(gameOver->Command1);
        QCOMPARE(h.endRequests, 0);
        if (how == QLatin1String("gameover-ende"))
            RZ_CLICK(gameOver->Command2);
        else if (how == QLatin1String("gameover-frame"))
            gameOver->close();
        else if (how == QLatin1String("exercise-ende"))
            RZ_CLICK(h.exercise()->Command2);
        else
            h.exercise()->close();
        QCOMPARE(h.endRequests, 1);
        QCOMPARE(h.exitCode, 0);
        QCOMPARE(VisibleWindows(), 0);
    }

    // In the running program the request to end leaves the event loop with
    // exit status 0.
    void endLeavesEventLoop_data()
    {
        QTest::addColumn<bool>("fromGameOver");
        QTest::newRow("exercise window") << false;
        QTest::newRow("game-over window") << true;
    }
    void endLeavesEventLoop()
    {
        QFETCH(bool, fromGameOver);
        ScriptedRandom random;
        FixedClock clock;
        NumeralEngine engine(random, clock);
        Program program(engine, &EndOnPlatform);
        Form1 &f = program.ShowExercise();
        QAbstractButton *ende = f.Command2;
        if (fromGameOver) {
            f.points = 0;
            random.numbers.push_back(9);
            RZ_CLICK(f.Command1);
            RZ_CLICK(f.Command3);
            RZ_CLICK(f.Command22);
            ende = program.gameOver()->Command2;
        }
        bool clicked = false;
        QTimer::singleShot(0, ende, [&] {
            clicked = Clickable(ende);
            QTest::mouseClick(ende, Qt::LeftButton, Qt::NoModifier, ende->rect().center());
        });
        QTimer failsafe;
        failsafe.setSingleShot(true);
        connect(&failsafe, &QTimer::timeout, [] { QCoreApplication::exit(99); });
        failsafe.start(10000);
        QCOMPARE(QApplication::exec(), 0);
        QVERIFY(clicked);
        QVERIFY(program.endRequested());
    }
};

QTEST_MAIN(TestGameOver)
#include "test_gameover.moc"
