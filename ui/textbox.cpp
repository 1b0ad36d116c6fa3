// SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "textbox.h"

#include <QTextDocument>
#include <QTextOption>

TextBox::TextBox(QWidget *parent) : QTextEdit(parent)
{
    setReadOnly(true);
    setAcceptRichText(false);
    setUndoRedoEnabled(false);
    setTextInteractionFlags(Qt::NoTextInteraction);
    setContextMenuPolicy(Qt::NoContextMenu);
    setFocusPolicy(Qt::NoFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setLineWrapMode(QTextEdit::WidgetWidth);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    // Inside the frame the box is the text's background to the frame's line:
    // at a scale that is not a whole number, the area inside (a widget of
    // its own) may end a device pixel short of the line.
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);

    QTextOption option(Qt::AlignHCenter);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    document()->setDefaultTextOption(option);
    document()->setDocumentMargin(kTextMargin);
}

void TextBox::setText(const QString &text)
{
    text_ = maxLength_ > 0 ? text.left(maxLength_) : text;
    if (!concealed_)
        setPlainText(text_);
}

void TextBox::setVisible(bool visible)
{
    // Hidden: the text leaves the box after it is hidden. Shown: the text
    // comes back once the box is shown, before it is painted.
    concealed_ = !visible;
    QTextEdit::setVisible(visible);
    const QString shown = concealed_ ? QString() : text_;
    if (toPlainText() != shown)
        setPlainText(shown);
}

void TextBox::setMaxLength(int length)
{
    maxLength_ = length < 0 ? 0 : length;
}
