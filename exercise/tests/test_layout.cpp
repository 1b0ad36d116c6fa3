// SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The exercise window as it is loaded: every control in its place, with its
// caption, font and focus order, and the settings it is loaded with.

#include "form1.h"
#include "harness.h"
#include "layoutfaces.h"
#include "layoutfonts.h"
#include "optionbutton.h"
#include "textbox.h"

#include <QApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <QTextDocument>

namespace {

const QString kSans = QStringLiteral("MS Sans Serif");
const QString kStandard = QStringLiteral("standard");

// Builds the window from its layout only, without start-up.
struct Loaded {
    Harness harness;
    Form1 form{harness.program, harness.engine};
};

QString Caption(const QWidget *w)
{
    if (const auto *b = qobject_cast<const QAbstractButton *>(w))
        return b->text();
    if (const auto *l = qobject_cast<const QLabel *>(w))
        return l->text();
    if (const auto *t = qobject_cast<const TextBox *>(w))
        return t->text();
    return QString();
}

// The controls in the order of the focus chain, from the window on.
QStringList FocusChain(QWidget *window)
{
    QStringList names;
    for (QWidget *w = window->nextInFocusChain(); w != window; w = w->nextInFocusChain())
        if (w->parentWidget() == window)
            names << w->objectName();
    return names;
}

} // namespace

class TestLayout : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void controls_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QRect>("twips");
        QTest::addColumn<QString>("face");
        QTest::addColumn<double>("points");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<bool>("italic");
        QTest::addColumn<int>("tabIndex");

        auto row = [](const char *name, const char *kind, const QString &caption, int l, int t, int w, int h,
                      const QString &face, double pt, bool bold, bool italic, int tab) {
            QTest::newRow(name) << QString::fromLatin1(name) << QString::fromLatin1(kind) << caption
                                << QRect(l, t, w, h) << face << pt << bold << italic << tab;
        };
        const QString std = kStandard;
        row("Text1", "TextBox", QStringLiteral("RÖMISCHE ZAHLEN"), 720, 0, 4335, 615, QStringLiteral("Tahoma"), 20.25, true, false, 10);
        row("Label1", "QLabel", QStringLiteral("Arabisch:"), 240, 720, 1215, 255, kSans, 9.75, false, false, 15);
        row("Text2", "TextBox", QString(), 120, 975, 1215, 360, kSans, 9.75, false, false, 12);
        row("Label2", "QLabel", QStringLiteral("Römisch:"), 1800, 720, 2055, 255, kSans, 9.75, false, false, 16);
        row("Text3", "TextBox", QString(), 1680, 960, 2055, 375, std, 0, false, false, 13);
        row("Label3", "QLabel", QStringLiteral("Lösung"), 4080, 720, 1575, 255, kSans, 9.75, false, false, 19);
        row("Text6", "TextBox", QString(), 3840, 960, 1935, 375, std, 0, false, false, 18);
        row("Text5", "TextBox", QString(), 120, 1680, 1215, 375, std, 0, false, false, 17);
        row("Label4", "QLabel", QStringLiteral("PUNKTE:"), 2040, 1680, 1695, 495, kSans, 18, true, false, 20);
        row("Text4", "TextBox", QString(), 2040, 2160, 1695, 675, kSans, 24, false, false, 14);
        row("Command1", "QPushButton", QStringLiteral("Neue Zahl"), 120, 2280, 1215, 495, std, 0, false, false, 0);
        row("Command3", "QPushButton", QStringLiteral("OK"), 4440, 2280, 1215, 495, std, 0, false, false, 1);
        row("Command11", "QPushButton", QStringLiteral("Löschen"), 4440, 1680, 1215, 495, std, 0, false, false, 2);
        row("Command2", "QPushButton", QStringLiteral("Ende"), 3240, 6120, 2175, 615, std, 0, false, false, 11);
        const char *letters[] = {"M", "D", "C", "L", "X", "V", "I"};
        for (int i = 0; i < 7; ++i)
            row(qPrintable(QStringLiteral("Command%1").arg(4 + i)), "QPushButton", QLatin1String(letters[i]),
                360 + (720 * i), 3000, 615, 615, std, 0, false, false, 3 + i);
        for (int d = 1; d <= 9; ++d)
            row(qPrintable(QStringLiteral("Command%1").arg(11 + d)), "QPushButton", QString::number(d),
                360 + (720 * ((d - 1) % 3)), 3960 + (720 * ((d - 1) / 3)), 615, 615, std, 0, false, false, 20 + d);
        row("Command21", "QPushButton", QStringLiteral("0"), 360, 6120, 2055, 615, std, 0, false, false, 30);
        row("Label5", "QLabel", QStringLiteral("PROGRAMM - ART:"), 2520, 4200, 3015, 495, kSans, 13.5, true, true, 34);
        row("Option1", "QRadioButton", QStringLiteral("Arabisch  ->  Römisch"), 3360, 4680, 2535, 195, std, 0, false, false, 31);
        row("Option2", "QRadioButton", QStringLiteral("Römisch  ->  Arabisch"), 3360, 4920, 2055, 195, std, 0, false, false, 32);
        row("Command22", "QPushButton", QStringLiteral("    VERLOREN !!!"), 240, 3600, 5535, 975, kSans, 24, true, false, 33);
    }

    void controls()
    {
        QFETCH(QString, name);
        QFETCH(QString, kind);
        QFETCH(QString, caption);
        QFETCH(QRect, twips);
        QFETCH(QString, face);
        QFETCH(double, points);
        QFETCH(bool, bold);
        QFETCH(bool, italic);
        QFETCH(int, tabIndex);

        Loaded loaded;
        Form1 &form = loaded.form;
        auto *w = form.findChild<QWidget *>(name, Qt::FindDirectChildrenOnly);
        QVERIFY2(w, "control missing");
        QVERIFY2(w->inherits(qPrintable(kind)), w->metaObject()->className());
        QCOMPARE(Caption(w), caption);
        QCOMPARE(w->geometry(), QRect(twips.x() / 15, twips.y() / 15, twips.width() / 15, twips.height() / 15));

        const QFont font = w->font();
        if (face == kStandard) {
            QCOMPARE(font, StandardFont());
            QCOMPARE(font.pointSizeF(), 8.25);
            QVERIFY(!font.bold() && !font.italic());
        } else {
            QCOMPARE(font, LayoutFont(face, points, bold, italic));
            QCOMPARE(font.pointSizeF(), points);
            QCOMPARE(font.bold(), bold);
            QCOMPARE(font.italic(), italic);
        }
        // The face asked for, or one of the same widths standing in for it.
        QVERIFY2(KeepsLayoutWidths(font, face == kStandard ? kSans : face), qPrintable(QFontInfo(font).family()));

        // The focus order follows the tab index.
        const QStringList chain = FocusChain(&form);
        QCOMPARE(chain.size(), 35);
        QCOMPARE(chain.indexOf(name), tabIndex);
    }

    void window()
    {
        Loaded loaded;
        Form1 &form = loaded.form;
        QCOMPARE(form.objectName(), QStringLiteral("Form1"));
        QCOMPARE(form.windowTitle(), QStringLiteral("Mathematik"));
        QCOMPARE(form.geometry(), QRect(318, 70, 386, 453));
        QCOMPARE(form.minimumSize(), QSize(386, 453));
        QCOMPARE(form.maximumSize(), QSize(386, 453));
        const Qt::WindowFlags flags = form.windowFlags();
        QVERIFY(flags.testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
        QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
        QCOMPARE(form.findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly).size(), 35);
        QCOMPARE(form.findChildren<QPushButton *>(QString(), Qt::FindDirectChildrenOnly).size(), 22);
        QCOMPARE(form.findChildren<TextBox *>(QString(), Qt::FindDirectChildrenOnly).size(), 6);
        QCOMPARE(form.findChildren<QLabel *>(QString(), Qt::FindDirectChildrenOnly).size(), 5);
        QCOMPARE(form.findChildren<QRadioButton *>(QString(), Qt::FindDirectChildrenOnly).size(), 2);
    }

    // Before start-up: everything visible and enabled but "OK", no option
    // selected, only the title has a text.
    void settingsAtLoad()
    {
        Loaded loaded;
        Form1 &form = loaded.form;
        for (QWidget *w : form.findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
            QVERIFY2(w->isVisibleTo(&form), qPrintable(w->objectName()));
            QCOMPARE(w->isEnabled(), w != form.Command3);
        }
        QVERIFY(!form.Option1->isChecked());
        QVERIFY(!form.Option2->isChecked());
        for (TextBox *box : {form.Text2, form.Text3, form.Text4, form.Text5, form.Text6})
            QVERIFY2(box->text().isEmpty(), qPrintable(box->objectName()));
        QCOMPARE(form.points, qint16(0));
        QCOMPARE(form.mode, qint16(0));
    }

    void labels_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("black");
        QTest::addColumn<bool>("centred");
        QTest::newRow("Label1") << "Label1" << true << true;
        QTest::newRow("Label2") << "Label2" << true << true;
        QTest::newRow("Label3") << "Label3" << true << true;
        QTest::newRow("Label4") << "Label4" << false << true;
        QTest::newRow("Label5") << "Label5" << false << false;
    }
    void labels()
    {
        QFETCH(QString, name);
        QFETCH(bool, black);
        QFETCH(bool, centred);
        Loaded loaded;
        auto *label = loaded.form.findChild<QLabel *>(name);
        QVERIFY(label);
        const QColor colour = label->palette().color(QPalette::WindowText);
        if (black)
            QCOMPARE(colour, QColor(Qt::black));
        else
            QCOMPARE(colour, loaded.form.palette().color(QPalette::WindowText));
        QCOMPARE(bool(label->alignment() & Qt::AlignHCenter), centred);
        QCOMPARE(bool(label->alignment() & Qt::AlignLeft), !centred);
        QCOMPARE(label->focusPolicy(), Qt::NoFocus);
    }

    // Text boxes: read-only, wrapping, centred; maximum lengths cut text set
    // by code.
    void textBoxes_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("maxLength");
        QTest::newRow("Text1") << "Text1" << 0;
        QTest::newRow("Text2") << "Text2" << 0;
        QTest::newRow("Text3") << "Text3" << 15;
        QTest::newRow("Text4") << "Text4" << 12;
        QTest::newRow("Text5") << "Text5" << 0;
        QTest::newRow("Text6") << "Text6" << 20;
    }
    void textBoxes()
    {
        QFETCH(QString, name);
        QFETCH(int, maxLength);
        Loaded loaded;
        auto *box = loaded.form.findChild<TextBox *>(name);
        QVERIFY(box);
        QVERIFY(box->isReadOnly());
        QCOMPARE(box->textInteractionFlags(), Qt::NoTextInteraction);
        QCOMPARE(box->lineWrapMode(), QTextEdit::WidgetWidth);
        QVERIFY(box->document()->defaultTextOption().alignment() & Qt::AlignHCenter);
        QCOMPARE(box->maxLength(), maxLength);

        const QString longText = QString(40, QLatin1Char('X'));
        box->setText(longText);
        QCOMPARE(box->text(), maxLength > 0 ? longText.left(maxLength) : longText);
    }

    void pointsColour()
    {
        Loaded loaded;
        const QColor points = loaded.form.Text4->palette().color(QPalette::Text);
        QVERIFY(points != loaded.form.Text2->palette().color(QPalette::Text));
        QCOMPARE(points, QColor(0x00, 0x80, 0x80));
    }

    // Labels lie beneath the controls they touch; the lost button lies on
    // top of the keys "1" to "3" and of the letter keys' bottom edge.
    void stacking_data()
    {
        QTest::addColumn<QPoint>("twips");
        QTest::addColumn<QString>("onTop");
        QTest::newRow("Label2 under Text3") << QPoint(2000, 960) << "Text3";
        QTest::newRow("Label3 under Text6") << QPoint(4200, 960) << "Text6";
        QTest::newRow("Label4 under Text4") << QPoint(2500, 2160) << "Text4";
        QTest::newRow("Label5 under Option1") << QPoint(3500, 4680) << "Option1";
        QTest::newRow("Command22 over 1") << QPoint(667, 4267) << "Command22";
        QTest::newRow("Command22 over 2") << QPoint(1387, 4267) << "Command22";
        QTest::newRow("Command22 over 3") << QPoint(2107, 4267) << "Command22";
        QTest::newRow("Command22 over M") << QPoint(667, 3600) << "Command22";
        QTest::newRow("Command22 over Label5") << QPoint(3000, 4200) << "Command22";
        QTest::newRow("Label1 visible") << QPoint(840, 800) << "Label1";
    }
    void stacking()
    {
        QFETCH(QPoint, twips);
        QFETCH(QString, onTop);
        Loaded loaded;
        loaded.form.show();
        QWidget *hit = loaded.form.childAt(QPoint(twips.x() / 15, twips.y() / 15));
        while (hit && hit->parentWidget() != &loaded.form)
            hit = hit->parentWidget();
        QCOMPARE(hit ? hit->objectName() : QString(), onTop);
    }

    // Command22 covers the keys "1" to "3" whole, and nothing lies above it.
    void lostButtonCovers()
    {
        Loaded loaded;
        Form1 &form = loaded.form;
        for (QPushButton *key : {form.Command12, form.Command13, form.Command14})
            QVERIFY(form.Command22->geometry().contains(key->geometry()));
        QWidget *topmost = nullptr;
        for (QObject *child : form.children()) // in stacking order, bottom first
            if (child->isWidgetType())
                topmost = static_cast<QWidget *>(child);
        QCOMPARE(topmost, static_cast<QWidget *>(form.Command22));
        QCOMPARE(form.Command22->geometry().bottom(), form.Command12->geometry().bottom());
        QVERIFY(form.Option1->geometry().right() >= form.width());
    }

    // No caption or text the program shows is cut off with the installed
    // fonts: it is no wider than its room, and its ink stays inside.
    void captionsFit()
    {
        Loaded loaded;
        Form1 &form = loaded.form;
        for (QLabel *label : form.findChildren<QLabel *>(QString(), Qt::FindDirectChildrenOnly)) {
            const QFontMetrics fm(label->font());
            QVERIFY2(fm.horizontalAdvance(label->text()) <= label->width(), qPrintable(label->objectName()));
            QVERIFY2(InkFitsTop(fm, label->text(), label->height()), qPrintable(label->objectName()));
        }
        for (QPushButton *button : form.findChildren<QPushButton *>(QString(), Qt::FindDirectChildrenOnly)) {
            const QFontMetrics fm(button->font());
            const int margin = 2 * button->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button);
            QVERIFY2(fm.horizontalAdvance(button->text()) + margin <= button->width(),
                     qPrintable(button->objectName()));
            QVERIFY2(InkFitsCentred(fm, button->text(), button->height()), qPrintable(button->objectName()));
        }
        for (QRadioButton *option : form.findChildren<QRadioButton *>(QString(), Qt::FindDirectChildrenOnly)) {
            QStyleOptionButton styleOption;
            styleOption.initFrom(option);
            styleOption.text = option->text();
            const QRect textRect = option->style()->subElementRect(QStyle::SE_RadioButtonContents, &styleOption, option);
            const QFontMetrics fm(option->font());
            QVERIFY2(fm.horizontalAdvance(option->text()) <= textRect.width(), qPrintable(option->objectName()));
            QVERIFY2(InkFitsCentred(fm, option->text(), option->height()), qPrintable(option->objectName()));
        }
    }

    // Each option button draws its circle whole, inside its 13 pixels of
    // height: as high as it is wide (a circle cut at the bottom is wider
    // than high), with the centre where the style places the circle. Drawn
    // at device pixel ratios 1 and 2, as on an ordinary and a doubled screen.
    void optionCircles_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("selected");
        QTest::addColumn<int>("ratio");
        for (const char *name : {"Option1", "Option2"})
            for (bool selected : {false, true})
                for (int ratio : {1, 2})
                    QTest::addRow("%s %s x%d", name, selected ? "selected" : "free", ratio)
                        << QString::fromLatin1(name) << selected << ratio;
    }
    void optionCircles()
    {
        QFETCH(QString, name);
        QFETCH(bool, selected);
        QFETCH(int, ratio);
        Loaded loaded;
        auto *option = loaded.form.findChild<OptionButton *>(name);
        QVERIFY(option);
        option->setChecked(selected);

        // The button alone, on a transparent ground: all ink is its own.
        QImage image(option->size() * ratio, QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(ratio);
        image.fill(Qt::transparent);
        option->render(&image, QPoint(), QRegion(), QWidget::RenderFlags());

        // The circle is the ink left of the caption.
        QStyleOptionButton styleOption;
        styleOption.initFrom(option);
        styleOption.text = option->text();
        const QStyle *style = option->style();
        const int captionLeft = style->subElementRect(QStyle::SE_RadioButtonContents, &styleOption, option).left();
        QRect ink;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < captionLeft * ratio; ++x)
                if (qAlpha(image.pixel(x, y)) > 0)
                    ink |= QRect(x, y, 1, 1);
        QVERIFY2(!ink.isEmpty(), "no circle drawn");
        const QString measured = QStringLiteral("ink %1 x %2 at %3,%4 (device pixels)")
                                     .arg(ink.width()).arg(ink.height()).arg(ink.left()).arg(ink.top());
        QVERIFY2(ink.width() == ink.height(), qPrintable(measured));
        const QRect place = style->subElementRect(QStyle::SE_RadioButtonIndicator, &styleOption, option);
        const QPointF centre = QRectF(ink).center() / ratio;
        QVERIFY2(qAbs(centre.x() - QRectF(place).center().x()) <= 1 && qAbs(centre.y() - QRectF(place).center().y()) <= 1,
                 qPrintable(measured));
    }

    // The longest text each box is given in play fits on one line.
    void textsFit_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::newRow("title") << "Text1" << "RÖMISCHE ZAHLEN";
        QTest::newRow("Arabic") << "Text2" << "3888";
        QTest::newRow("Roman") << "Text3" << "MMMDCCCLXXXVIII";
        QTest::newRow("points high") << "Text4" << " 32760";
        QTest::newRow("points low") << "Text4" << "-25";
        QTest::newRow("verdict right") << "Text5" << "Richtig";
        QTest::newRow("verdict lost") << "Text5" << "VERLOREN";
        QTest::newRow("solution") << "Text6" << "MMMDCCCLXXXVIII";
    }
    void textsFit()
    {
        QFETCH(QString, name);
        QFETCH(QString, text);
        Loaded loaded;
        auto *box = loaded.form.findChild<TextBox *>(name);
        QVERIFY(box);
        const QFontMetrics fm(box->font());
        const int margin = 2 * (box->frameWidth() + TextBox::kTextMargin);
        QVERIFY2(fm.horizontalAdvance(text) + margin <= box->width(),
                 qPrintable(QStringLiteral("%1 of %2").arg(fm.horizontalAdvance(text) + margin).arg(box->width())));
        QVERIFY2(InkFitsTop(fm, text, box->height() - margin),
                 qPrintable(QStringLiteral("ink %1 of %2").arg(fm.tightBoundingRect(text).height()).arg(box->height() - margin)));
    }
};

QTEST_MAIN(TestLayout)
#include "test_layout.moc"
