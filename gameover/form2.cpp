// SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form2.h"

#include "form1.h"
#include "layoutbuild.h"
#include "layoutfonts.h"
#include "returnkey.h"
#include "textbox.h"
#include "windowhost.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>

Form2::Form2(WindowHost &host) : LayoutWindow(Kind::Message), host_(host)
{
    ShapeWindow(this, "Form2", QStringLiteral("Mathematik in der ZEL:"), 5475, 4530, 4680, 1635, false);
    // The name screen readers give the window.
    setAccessibleName(QStringLiteral("Römische Zahlen – Spiel verloren"));

    Label1 = PlaceLabel(this, "Label1", QStringLiteral("Du hast leider verloren!"), 240, 120, 4335, 495,
                        Qt::AlignLeft);
    Label1->setFont(LayoutFont(QStringLiteral("MS Sans Serif"), 18, true, true));
    Command1 = PlaceButton(this, "Command1", QStringLiteral("Neues Spiel"), 120, 960, 1575, 375);
    Command2 = PlaceButton(this, "Command2", QStringLiteral("Ende"), 3000, 960, 1575, 375);
    Label1->lower();
    Command1->setFocus();

    connect(Command1, &QPushButton::clicked, this, &Form2::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form2::Command2_Click);
    OnReturn(this, [this] { PressFocusedButton(this); });
}

void Form2::Command1_Click()
{
    hide();
    // Loads the exercise window anew; its Form_Load has run on return.
    Form1 &exercise = host_.ShowExercise();
    exercise.Text4->setText(QStringLiteral("50"));
    exercise.Text5->setText(QString());
    exercise.Text6->setText(QString());
    exercise.setEnabled(true);
    exercise.activateWindow();
    exercise.raise();
}

void Form2::Command2_Click()
{
    host_.EndProgram();
}

void Form2::closeEvent(QCloseEvent *event)
{
    // Closing this window through its frame ends the program.
    event->accept();
    host_.EndProgram();
}
