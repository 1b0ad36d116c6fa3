// SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The exercise window as it is loaded: the window, its 35 controls with their
// captions, places, fonts and focus order, and their settings at load.

#include "form1.h"

#include "layoutbuild.h"
#include "layoutfonts.h"
#include "optionbutton.h"
#include "textbox.h"
#include "windowhost.h"

#include <QCloseEvent>
#include <QColor>
#include <QLabel>
#include <QPalette>
#include <QPushButton>

namespace {

const QString kSansSerif = QStringLiteral("MS Sans Serif");

// The system colour of the desktop background, which the points are drawn
// in. The classic desktop colour, since the platform has no such setting.
const QColor kDesktopColour(0x00, 0x80, 0x80);

TextBox *Box(QWidget *parent, const char *name, int left, int top, int width, int height,
             int maxLength = 0)
{
    auto *box = Place<TextBox>(parent, name, left, top, width, height);
    box->setMaxLength(maxLength);
    return box;
}

void SetColour(QWidget *widget, QPalette::ColorRole role, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
}

} // namespace

Form1::Form1(WindowHost &host, NumeralEngine &engine)
    : LayoutWindow(Kind::Main), host_(host), engine_(engine)
{
    BuildLayout();
    ConnectHandlers();
    ConnectKeyboard();
}

void Form1::BuildLayout()
{
    ShapeWindow(this, "Form1", QStringLiteral("Mathematik"), 4770, 1050, 5790, 6795, true);

    // Created in the order of their tab index, so that the focus moves
    // through them in that order.
    Command1 = PlaceButton(this, "Command1", QStringLiteral("Neue Zahl"), 120, 2280, 1215, 495);
    Command3 = PlaceButton(this, "Command3", QStringLiteral("OK"), 4440, 2280, 1215, 495);
    Command11 = PlaceButton(this, "Command11", QStringLiteral("Löschen"), 4440, 1680, 1215, 495);
    Command4 = PlaceButton(this, "Command4", QStringLiteral("M"), 360, 3000, 615, 615);
    Command5 = PlaceButton(this, "Command5", QStringLiteral("D"), 1080, 3000, 615, 615);
    Command6 = PlaceButton(this, "Command6", QStringLiteral("C"), 1800, 3000, 615, 615);
    Command7 = PlaceButton(this, "Command7", QStringLiteral("L"), 2520, 3000, 615, 615);
    Command8 = PlaceButton(this, "Command8", QStringLiteral("X"), 3240, 3000, 615, 615);
    Command9 = PlaceButton(this, "Command9", QStringLiteral("V"), 3960, 3000, 615, 615);
    Command10 = PlaceButton(this, "Command10", QStringLiteral("I"), 4680, 3000, 615, 615);
    Text1 = Box(this, "Text1", 720, 0, 4335, 615);
    Command2 = PlaceButton(this, "Command2", QStringLiteral("Ende"), 3240, 6120, 2175, 615);
    Text2 = Box(this, "Text2", 120, 975, 1215, 360);
    Text3 = Box(this, "Text3", 1680, 960, 2055, 375, 15);
    Text4 = Box(this, "Text4", 2040, 2160, 1695, 675, 12);
    Label1 = PlaceLabel(this, "Label1", QStringLiteral("Arabisch:"), 240, 720, 1215, 255, Qt::AlignHCenter);
    Label2 = PlaceLabel(this, "Label2", QStringLiteral("Römisch:"), 1800, 720, 2055, 255, Qt::AlignHCenter);
    Text5 = Box(this, "Text5", 120, 1680, 1215, 375);
    Text6 = Box(this, "Text6", 3840, 960, 1935, 375, 20);
    Label3 = PlaceLabel(this, "Label3", QStringLiteral("Lösung"), 4080, 720, 1575, 255, Qt::AlignHCenter);
    Label4 = PlaceLabel(this, "Label4", QStringLiteral("PUNKTE:"), 2040, 1680, 1695, 495, Qt::AlignHCenter);
    Command12 = PlaceButton(this, "Command12", QStringLiteral("1"), 360, 3960, 615, 615);
    Command13 = PlaceButton(this, "Command13", QStringLiteral("2"), 1080, 3960, 615, 615);
    Command14 = PlaceButton(this, "Command14", QStringLiteral("3"), 1800, 3960, 615, 615);
    Command15 = PlaceButton(this, "Command15", QStringLiteral("4"), 360, 4680, 615, 615);
    Command16 = PlaceButton(this, "Command16", QStringLiteral("5"), 1080, 4680, 615, 615);
    Command17 = PlaceButton(this, "Command17", QStringLiteral("6"), 1800, 4680, 615, 615);
    Command18 = PlaceButton(this, "Command18", QStringLiteral("7"), 360, 5400, 615, 615);
    Command19 = PlaceButton(this, "Command19", QStringLiteral("8"), 1080, 5400, 615, 615);
    Command20 = PlaceButton(this, "Command20", QStringLiteral("9"), 1800, 5400, 615, 615);
    Command21 = PlaceButton(this, "Command21", QStringLiteral("0"), 360, 6120, 2055, 615);
    Option1 = Place<OptionButton>(this, "Option1", 3360, 4680, 2535, 195);
    Option1->setText(QStringLiteral("Arabisch  ->  Römisch"));
    Option2 = Place<OptionButton>(this, "Option2", 3360, 4920, 2055, 195);
    Option2->setText(QStringLiteral("Römisch  ->  Arabisch"));
    Command22 = PlaceButton(this, "Command22", QStringLiteral("    VERLOREN !!!"), 240, 3600, 5535, 975);
    Label5 = PlaceLabel(this, "Label5", QStringLiteral("PROGRAMM - ART:"), 2520, 4200, 3015, 495, Qt::AlignLeft);

    Text1->setFont(LayoutFont(QStringLiteral("Tahoma"), 20.25, true));
    Text1->setText(QStringLiteral("RÖMISCHE ZAHLEN"));
    for (QWidget *w : {static_cast<QWidget *>(Label1), static_cast<QWidget *>(Text2),
                       static_cast<QWidget *>(Label2), static_cast<QWidget *>(Label3)})
        w->setFont(LayoutFont(kSansSerif, 9.75));
    Label4->setFont(LayoutFont(kSansSerif, 18, true));
    Text4->setFont(LayoutFont(kSansSerif, 24));
    Label5->setFont(LayoutFont(kSansSerif, 13.5, true, true));
    Command22->setFont(LayoutFont(kSansSerif, 24, true));

    for (QLabel *label : {Label1, Label2, Label3})
        SetColour(label, QPalette::WindowText, Qt::black);
    SetColour(Text4, QPalette::Text, kDesktopColour);

    // Names for screen readers: what each box holds. The buttons are read
    // by their captions, except where a caption reads badly aloud (an arrow,
    // a run of blanks). The labels name the boxes below them, and the
    // direction label both option buttons.
    setAccessibleName(QStringLiteral("Römische Zahlen – Übung"));
    Text1->setAccessibleName(QStringLiteral("Titel"));
    Text2->setAccessibleName(QStringLiteral("Arabische Zahl"));
    Text3->setAccessibleName(QStringLiteral("Römische Zahl"));
    Text4->setAccessibleName(QStringLiteral("Punkte"));
    Text5->setAccessibleName(QStringLiteral("Bewertung"));
    Text6->setAccessibleName(QStringLiteral("Lösung"));
    Option1->setAccessibleName(QStringLiteral("Arabisch nach Römisch"));
    Option2->setAccessibleName(QStringLiteral("Römisch nach Arabisch"));
    Command22->setAccessibleName(QStringLiteral("Verloren – weiter"));
    Label1->setBuddy(Text2);
    Label2->setBuddy(Text3);
    Label3->setBuddy(Text6);
    Label4->setBuddy(Text4);
    Option1->setHeading(Label5);
    Option2->setHeading(Label5);

    Command3->setEnabled(false);

    // Labels lie beneath everything; the lost button above everything.
    for (QLabel *label : {Label1, Label2, Label3, Label4, Label5})
        label->lower();
    Command22->raise();

    Command1->setFocus();
}

void Form1::closeEvent(QCloseEvent *event)
{
    // Closing the window through its frame ends the program, in every state.
    event->accept();
    host_.EndProgram();
}
