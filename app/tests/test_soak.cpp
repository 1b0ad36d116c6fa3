// SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The random-click soak: the whole program, both windows, clicked at random
// for thousands of clicks, with the rules of the game checked after every
// click against a model of the game kept by the test itself.
//
// The run is reproducible: it prints its seed, and RZ_SOAK_SEED=<seed> replays
// it click for click. RZ_SOAK_CLICKS sets the number of clicks.

#include "fakes.h"
#include "form1.h"
#include "guitest.h"
#include "form2.h"
#include "numeral.h"
#include "optionbutton.h"
#include "program.h"
#include "randomsource.h"
#include "textbox.h"
#include "timeofday.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <random>
#include <vector>

#ifndef RZ_SOAK_DEFAULT_CLICKS
#define RZ_SOAK_DEFAULT_CLICKS 3000
#endif

namespace {

// std::mt19937_64's sequence is fixed by the standard, so a seed replays the
// same run on any machine. Draws are reduced by hand for the same reason.
using Engine = std::mt19937_64;

// cppcheck-suppress [constParameter, constParameterReference] ; drawing advances the engine
std::uint64_t Below(Engine &engine, std::uint64_t n)
{
    return engine() % n;
}

// The generator of the draw, seeded by the soak. A quarter of its values fall
// on the smallest numbers, where the empty numeral of 0 and answers short
// enough for a random click to hit live.
class SeededRandom final : public RandomSource {
public:
    explicit SeededRandom(Engine &engine) : engine_(engine) {}
    void Randomize() override { current_ = Next(); }
    float Rnd(long long arg) override
    {
        if (arg > 0)
            current_ = Next();
        return current_;
    }

private:
    float Next()
    {
        if (Below(engine_, 4) == 0)
            return static_cast<float>(static_cast<double>(Below(engine_, 6)) / 3999.0);
        return static_cast<float>(engine_() >> 40) * (1.0f / 16777216.0f);
    }

    Engine &engine_;
    float current_ = 0.0f;
};

// A clock whose seconds the soak draws; second 00 makes the draw repeat the
// generator's current value.
class SeededClock final : public TimeOfDay {
public:
    explicit SeededClock(Engine &engine) : engine_(engine) {}
    QString TimeText() const override
    {
        return QStringLiteral("10:15:%1").arg(Below(engine_, 60), 2, 10, QLatin1Char('0'));
    }

private:
    Engine &engine_;
};

// A digit text as the program stores it: four characters, a blank instead of
// the last leading zero for numbers below 1000.
bool IsDigitText(const QString &text)
{
    static const QRegularExpression pattern(
        QStringLiteral("^([1-3][0-9]{3}| [1-9][0-9]{2}|0 [1-9][0-9]|00 [0-9])$"));
    return pattern.match(text).hasMatch();
}

// The Arabic answer the learner has to type for a digit text: its bare digits,
// "0 12" gives "12", "00 0" gives "0".
QString BareDigits(const QString &digitText)
{
    QString digits = digitText;
    digits.remove(QLatin1Char(' '));
    while (digits.size() > 1 && digits.startsWith(QLatin1Char('0')))
        digits.remove(0, 1);
    return digits;
}

QString ScoreText(int points)
{
    return points < 0 ? QString::number(points) : QLatin1Char(' ') + QString::number(points);
}

enum class State : std::uint8_t { Idle, Answering, Lost, GameOver };

const char *StateName(State state)
{
    switch (state) {
    case State::Idle: return "Idle";
    case State::Answering: return "Answering";
    case State::Lost: return "Lost";
    case State::GameOver: return "GameOver";
    }
    return "?";
}

// What the game must look like, as the test works it out from its own clicks.
struct Model {
    State state = State::Idle;
    int mode = Form1::ArabicToRoman;
    int points = 50;
    QString text2;
    QString text3;
    QString text4 = QStringLiteral(" 50");
    QString text5;
    QString text6;
    bool text6Visible = true;
};

struct Tally {
    int clicks = 0;
    int exercises = 0;
    int exercisesRomanToArabic = 0;
    int right = 0;
    int wrong = 0;
    int lostGames = 0;
    int newGames = 0;
    int directionChanges = 0;
};

bool IsShown(const QWidget *w)
{
    return w->isVisible();
}

} // namespace

class TestSoak : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void randomClicks();

private:
    QString CheckRules(const Program &program, const Model &model) const;
    static QString CheckExercise(const Form1 &form, const Model &model);
    static QString CheckButton(const QAbstractButton *button, bool visible, bool enabled);
    static std::vector<QAbstractButton *> Candidates(QWidget *window);
    static QAbstractButton *Helpful(const Form1 &form, const Model &model,
                                    const std::vector<QAbstractButton *> &clickable);
};

namespace {

// Clicks a control as the learner would, with the mouse at its centre. Qt would
// click a hidden or disabled control, or one that lies under another, all the
// same; such a click is refused.
QString ClickAsLearner(QAbstractButton *button)
{
    if (!Clickable(button))
        return QStringLiteral("it, or its window, is hidden, disabled or covered");
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, button->rect().center());
    // The lost button unloads its window once its click has returned; that
    // takes the event loop, which the test stands in for here.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    return QString();
}

} // namespace

void TestSoak::randomClicks()
{
    bool seedGiven = false;
    const std::uint64_t seed = qEnvironmentVariable("RZ_SOAK_SEED").toULongLong(&seedGiven);
    const std::uint64_t runSeed = seedGiven
        ? seed
        : static_cast<std::uint64_t>(
              std::chrono::steady_clock::now().time_since_epoch().count());
    bool countGiven = false;
    const int countFromEnvironment = qEnvironmentVariableIntValue("RZ_SOAK_CLICKS", &countGiven);
    const int clicks = countGiven ? countFromEnvironment : RZ_SOAK_DEFAULT_CLICKS;
    std::printf("soak: seed %llu, %d clicks (replay with RZ_SOAK_SEED=%llu)\n",
                static_cast<unsigned long long>(runSeed), clicks,
                static_cast<unsigned long long>(runSeed));
    std::fflush(stdout);

    // One seed drives the draw and the clicks: separate engines, so that the
    // clicks do not change the numbers drawn and the other way round.
    Engine drawEngine(runSeed);
    Engine clickEngine(runSeed ^ 0x5bd1e9955bd1e995ULL);
    SeededRandom random(drawEngine);
    SeededClock clock(drawEngine);
    NumeralEngine engine(random, clock);
    int endCalls = 0;
    Program program(engine, [&endCalls](int) { ++endCalls; });
    program.ShowExercise();

    Model model;
    Tally tally;
    bool knowsAnswer = false;
    QString broken = CheckRules(program, model);
    QVERIFY2(broken.isEmpty(), qPrintable(QStringLiteral("at start: ") + broken));

    for (int i = 1; i <= clicks; ++i) {
        Form1 *form = program.exercise();
        QWidget *window = (form && form->isVisible()) ? static_cast<QWidget *>(form)
                                                      : static_cast<QWidget *>(program.gameOver());
        QVERIFY2(window, "no window to click");
        const std::vector<QAbstractButton *> clickable = Candidates(window);
        QVERIFY2(!clickable.empty(), qPrintable(QStringLiteral("click %1: nothing to click in state %2")
                                                    .arg(i).arg(QLatin1String(StateName(model.state)))));

        QAbstractButton *button = nullptr;
        if (model.state == State::Answering && knowsAnswer && Below(clickEngine, 10) != 0)
            button = Helpful(*form, model, clickable);
        if (!button)
            button = clickable[Below(clickEngine, clickable.size())];
        const QString name = button->objectName();
        const QString where = QStringLiteral("seed %1, click %2 (%3 on %4, state %5): ")
                                  .arg(runSeed).arg(i).arg(name, window->objectName(),
                                                           QLatin1String(StateName(model.state)));

        // What the click must do, worked out before it happens.
        Model next = model;
        if (window == program.gameOver()) {
            QVERIFY2(name == QLatin1String("Command1"), qPrintable(where + "unexpected button"));
            next = Model();
            next.text4 = QStringLiteral("50");
            ++tally.newGames;
        } else if (name == QLatin1String("Command22")) {
            next.state = State::GameOver;
            ++tally.lostGames;
        } else if (name == QLatin1String("Command1")) {
            next.state = State::Answering;
            next.text5.clear();
            next.text6Visible = false;
            knowsAnswer = Below(clickEngine, 2) == 0;
            ++tally.exercises;
            if (model.mode == Form1::RomanToArabic)
                ++tally.exercisesRomanToArabic;
        } else if (name == QLatin1String("Command3")) {
            const QString answer = model.mode == Form1::ArabicToRoman ? form->Text3->text()
                                                                     : form->Text2->text();
            QString expected = form->Text6->text();
            if (model.mode == Form1::RomanToArabic)
                expected = BareDigits(expected);
            const bool right = answer == expected;
            right ? ++tally.right : ++tally.wrong;
            next.points = model.points + (right ? 10 : -25);
            next.text4 = ScoreText(next.points);
            next.text5 = right ? QStringLiteral("Richtig") : QStringLiteral("Falsch");
            next.text6 = expected;
            if (!right)
                next.text6Visible = true;
            next.state = State::Idle;
            if (next.points < 0) {
                next.text5 = QStringLiteral("VERLOREN");
                next.state = State::Lost;
            }
        } else if (name == QLatin1String("Option1") || name == QLatin1String("Option2")) {
            const int mode = name == QLatin1String("Option1") ? Form1::ArabicToRoman
                                                              : Form1::RomanToArabic;
            // Clicking the option that is already selected changes nothing.
            if (mode != model.mode) {
                next.mode = mode;
                next.text2.clear();
                next.text3.clear();
                next.text5.clear();
                next.text6.clear();
                ++tally.directionChanges;
            }
        } else if (name == QLatin1String("Command11")) {
            QString &box = model.mode == Form1::ArabicToRoman ? next.text3 : next.text2;
            box.chop(1);
        } else {
            // A letter or digit key: its caption goes to the end of the answer
            // box, which takes at most 15 letters.
            if (model.mode == Form1::ArabicToRoman)
                next.text3 = (next.text3 + button->text()).left(15);
            else
                next.text2 += button->text();
        }

        // The offscreen platform cannot raise a window and says so when
        // "Neues Spiel" brings the exercise window to the front.
        if (window == program.gameOver() && QGuiApplication::platformName() == QLatin1String("offscreen"))
            QTest::ignoreMessage(QtWarningMsg, "This plugin does not support raise()");
        const QString refused = ClickAsLearner(button);
        QVERIFY2(refused.isEmpty(), qPrintable(where + QStringLiteral("refused: ") + refused));
        ++tally.clicks;

        // "Neue Zahl" draws a number: the question and the hidden expected
        // answer must agree, whichever the direction.
        if (next.state == State::Answering && model.state == State::Idle) {
            Form1 *f = program.exercise();
            QVERIFY2(f, qPrintable(where + "exercise window gone"));
            const QString digitText = next.mode == Form1::ArabicToRoman ? f->Text2->text()
                                                                        : f->Text6->text();
            QVERIFY2(IsDigitText(digitText),
                     qPrintable(where + QStringLiteral("not a digit text: \"%1\"").arg(digitText)));
            const QString roman = RomanByTable(BareDigits(digitText).toInt());
            if (next.mode == Form1::ArabicToRoman) {
                next.text2 = digitText;
                next.text3.clear();
                next.text6 = roman;
            } else {
                next.text2.clear();
                next.text3 = roman;
                next.text6 = digitText;
            }
        }

        model = next;
        broken = CheckRules(program, model);
        QVERIFY2(broken.isEmpty(), qPrintable(where + broken));
        QVERIFY2(endCalls == 0 && !program.endRequested(),
                 qPrintable(where + "the program was asked to end"));
    }

    std::printf("soak: %d clicks, %d exercises (%d Roman to Arabic), %d right, %d wrong, "
                "%d lost games, %d new games, %d changes of direction\n",
                tally.clicks, tally.exercises, tally.exercisesRomanToArabic, tally.right,
                tally.wrong, tally.lostGames, tally.newGames, tally.directionChanges);
    std::fflush(stdout);

    // A long run that never reached a part of the game would prove little.
    if (clicks >= 2000) {
        QVERIFY(tally.right > 0);
        QVERIFY(tally.wrong > 0);
        QVERIFY(tally.exercisesRomanToArabic > 0);
        QVERIFY(tally.lostGames > 1);
        QVERIFY(tally.newGames > 1);
    }
}

// Every push and option button that the learner can click in the window, in
// the order of their creation; "Ende" is left out, it would end the run.
std::vector<QAbstractButton *> TestSoak::Candidates(QWidget *window)
{
    std::vector<QAbstractButton *> buttons;
    for (QAbstractButton *b : window->findChildren<QAbstractButton *>(Qt::FindDirectChildrenOnly)) {
        if (b->isVisible() && b->isEnabled() && b->text() != QLatin1String("Ende"))
            buttons.push_back(b);
    }
    return buttons;
}

// The click of a learner who knows the answer: the next key of the expected
// answer, "Löschen" after a slip, "OK" once the answer is complete.
QAbstractButton *TestSoak::Helpful(const Form1 &form, const Model &model,
                                   const std::vector<QAbstractButton *> &clickable)
{
    const QString answer = model.mode == Form1::ArabicToRoman ? model.text3 : model.text2;
    const QString expected = model.mode == Form1::ArabicToRoman ? model.text6
                                                                : BareDigits(model.text6);
    const QAbstractButton *wanted = form.Command11;
    if (answer == expected) {
        wanted = form.Command3;
    } else if (expected.startsWith(answer)) {
        const QString caption = expected.mid(answer.size(), 1);
        for (QAbstractButton *b : clickable) {
            if (b->text() == caption)
                wanted = b;
        }
    }
    for (QAbstractButton *b : clickable) {
        if (b == wanted)
            return b;
    }
    return nullptr;
}

QString TestSoak::CheckButton(const QAbstractButton *button, bool visible, bool enabled)
{
    if (IsShown(button) != visible || button->isEnabled() != enabled) {
        return QStringLiteral("%1 is %2 and %3, should be %4 and %5")
            .arg(button->objectName(),
                 QLatin1String(IsShown(button) ? "visible" : "hidden"),
                 QLatin1String(button->isEnabled() ? "enabled" : "disabled"),
                 QLatin1String(visible ? "visible" : "hidden"),
                 QLatin1String(enabled ? "enabled" : "disabled"));
    }
    return QString();
}

QString TestSoak::CheckRules(const Program &program, const Model &model) const
{
    int shown = 0;
    for (const QWidget *w : QApplication::topLevelWidgets()) {
        if (IsShown(w))
            ++shown;
    }
    if (shown != 1)
        return QStringLiteral("%1 windows visible, not exactly one").arg(shown);
    // The lost button unloads the exercise window: destroyed, not only hidden.
    int loaded = 0;
    for (const QWidget *w : QApplication::topLevelWidgets()) {
        if (qobject_cast<const Form1 *>(w))
            ++loaded;
    }
    const int wanted = model.state == State::GameOver ? 0 : 1;
    if (loaded != wanted)
        return QStringLiteral("%1 exercise windows exist, should be %2").arg(loaded).arg(wanted);

    if (model.state == State::GameOver) {
        if (program.exercise())
            return QStringLiteral("the exercise window is still loaded after the lost button");
        const Form2 *over = program.gameOver();
        if (!over || !IsShown(over))
            return QStringLiteral("the game-over window is not shown");
        QString broken = CheckButton(over->Command1, true, true);
        if (broken.isEmpty())
            broken = CheckButton(over->Command2, true, true);
        return broken;
    }

    const Form1 *form = program.exercise();
    if (!form || !IsShown(form))
        return QStringLiteral("the exercise window is not shown");
    if (program.gameOver() && IsShown(program.gameOver()))
        return QStringLiteral("the game-over window is shown beside the exercise window");
    return CheckExercise(*form, model);
}

QString TestSoak::CheckExercise(const Form1 &form, const Model &model)
{
    // The game state and the boxes.
    if (form.points != model.points)
        return QStringLiteral("points %1, should be %2").arg(form.points).arg(model.points);
    if (form.points % 5 != 0)
        return QStringLiteral("points %1 not a multiple of 5").arg(form.points);
    if (form.mode != model.mode)
        return QStringLiteral("mode %1, should be %2").arg(form.mode).arg(model.mode);
    if (form.Text3->text().size() > 15)
        return QStringLiteral("Text3 holds %1 characters").arg(form.Text3->text().size());
    const std::pair<const TextBox *, QString> boxes[] = {
        {form.Text2, model.text2}, {form.Text3, model.text3}, {form.Text4, model.text4},
        {form.Text5, model.text5}, {form.Text6, model.text6}};
    for (const auto &[box, expected] : boxes) {
        if (box->text() != expected)
            return QStringLiteral("%1 reads \"%2\", should read \"%3\"")
                .arg(box->objectName(), box->text(), expected);
    }
    if (IsShown(form.Text6) != model.text6Visible)
        return QStringLiteral("Text6 is %1").arg(QLatin1String(model.text6Visible ? "hidden" : "shown"));
    if (form.Option1->isChecked() != (model.mode == Form1::ArabicToRoman)
        || form.Option2->isChecked() != (model.mode == Form1::RomanToArabic))
        return QStringLiteral("the selected option does not match the direction");

    // The state table.
    const std::vector<const QAbstractButton *> letters{form.Command4, form.Command5, form.Command6,
                                                       form.Command7, form.Command8, form.Command9,
                                                       form.Command10};
    const std::vector<const QAbstractButton *> digits{form.Command12, form.Command13, form.Command14,
                                                      form.Command15, form.Command16, form.Command17,
                                                      form.Command18, form.Command19, form.Command20,
                                                      form.Command21};
    std::vector<std::pair<const QAbstractButton *, std::pair<bool, bool>>> expected;
    if (model.state == State::Lost) {
        for (const QAbstractButton *b : letters)
            expected.push_back({b, {false, b->isEnabled()}});
        for (const QAbstractButton *b : digits)
            expected.push_back({b, {false, b->isEnabled()}});
        for (const QAbstractButton *b : {static_cast<const QAbstractButton *>(form.Command1),
                                         static_cast<const QAbstractButton *>(form.Command2),
                                         static_cast<const QAbstractButton *>(form.Command3),
                                         static_cast<const QAbstractButton *>(form.Command11),
                                         static_cast<const QAbstractButton *>(form.Option1),
                                         static_cast<const QAbstractButton *>(form.Option2)})
            expected.push_back({b, {false, b->isEnabled()}});
        expected.push_back({form.Command22, {true, true}});
    } else {
        const bool answering = model.state == State::Answering;
        const bool letterKeys = model.mode == Form1::ArabicToRoman;
        for (const QAbstractButton *b : letters)
            expected.push_back({b, {true, letterKeys}});
        for (const QAbstractButton *b : digits)
            expected.push_back({b, {true, !letterKeys}});
        expected.push_back({form.Command1, {true, !answering}});
        expected.push_back({form.Command3, {true, answering}});
        expected.push_back({form.Option1, {true, !answering}});
        expected.push_back({form.Option2, {true, !answering}});
        expected.push_back({form.Command2, {true, true}});
        expected.push_back({form.Command11, {true, true}});
        expected.push_back({form.Command22, {false, false}});
    }
    for (const auto &[button, state] : expected) {
        const QString broken = CheckButton(button, state.first, state.second);
        if (!broken.isEmpty())
            return QStringLiteral("state %1: ").arg(QLatin1String(StateName(model.state))) + broken;
    }
    return QString();
}

QTEST_MAIN(TestSoak)
#include "test_soak.moc"
