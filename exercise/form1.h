// SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "layoutwindow.h"

#include <QtGlobal>

class QAbstractButton;
class QKeyEvent;
class QLabel;
class QPushButton;
class NumeralEngine;
class OptionButton;
class TextBox;
class WindowHost;

// The exercise window.
//
// Constructing it builds the window from its layout; Form_Load is then run by
// whoever loads it (the WindowHost), before the window is first shown.
class Form1 : public LayoutWindow {
    Q_OBJECT

public:
    Form1(WindowHost &host, NumeralEngine &engine);

    // Directions of the exercise, the values of mode.
    static constexpr qint16 ArabicToRoman = 1;
    static constexpr qint16 RomanToArabic = 2;

    // The game state.
    qint16 points = 0;
    qint16 mode = 0;

    // Start-up, direction selection, "Neue Zahl", "Ende".
    void Form_Load();
    void Option1_Click();
    void Option2_Click();
    void Command1_Click();
    void Command2_Click();

    // The keypad: letter keys, digit keys and "Löschen".
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();
    void Command7_Click();
    void Command8_Click();
    void Command9_Click();
    void Command10_Click();
    void Command12_Click();
    void Command13_Click();
    void Command14_Click();
    void Command15_Click();
    void Command16_Click();
    void Command17_Click();
    void Command18_Click();
    void Command19_Click();
    void Command20_Click();
    void Command21_Click();
    void Command11_Click();

    // "OK" and the lost button.
    void Command3_Click();
    void Command22_Click();

    // The controls, by their layout names.
    TextBox *Text1 = nullptr;
    TextBox *Text2 = nullptr;
    TextBox *Text3 = nullptr;
    TextBox *Text4 = nullptr;
    TextBox *Text5 = nullptr;
    TextBox *Text6 = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;
    QLabel *Label4 = nullptr;
    QLabel *Label5 = nullptr;
    QPushButton *Command1 = nullptr;
    QPushButton *Command2 = nullptr;
    QPushButton *Command3 = nullptr;
    QPushButton *Command4 = nullptr;
    QPushButton *Command5 = nullptr;
    QPushButton *Command6 = nullptr;
    QPushButton *Command7 = nullptr;
    QPushButton *Command8 = nullptr;
    QPushButton *Command9 = nullptr;
    QPushButton *Command10 = nullptr;
    QPushButton *Command11 = nullptr;
    QPushButton *Command12 = nullptr;
    QPushButton *Command13 = nullptr;
    QPushButton *Command14 = nullptr;
    QPushButton *Command15 = nullptr;
    QPushButton *Command16 = nullptr;
    QPushButton *Command17 = nullptr;
    QPushButton *Command18 = nullptr;
    QPushButton *Command19 = nullptr;
    QPushButton *Command20 = nullptr;
    QPushButton *Command21 = nullptr;
    QPushButton *Command22 = nullptr;
    OptionButton *Option1 = nullptr;
    OptionButton *Option2 = nullptr;

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void BuildLayout();
    void ConnectHandlers();
    void ConnectKeyboard();
    void SelectDirection(qint16 direction);
    void AppendCaption(TextBox *box, const QPushButton *key);
    static void RemoveLastCharacter(TextBox *box);
    void EnterLostState();
    // The on-screen button that the key presses, if it is one of theirs.
    QAbstractButton *KeyboardButton(const QKeyEvent *event) const;

    // What the learner's screen reader is told, without moving the focus.
    TextBox *AnswerBox() const;
    void SayQuestion();
    void SayAnswer();
    void SayVerdict();
    void SayKeyDoesNothing(const QKeyEvent *event);

    WindowHost &host_;
    NumeralEngine &engine_;
};
