// SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "layoutbuild.h"

#include "layoutfonts.h"

#include <QLabel>
#include <QPushButton>

void ShapeWindow(QWidget *window, const char *name, const QString &title,
                 int left, int top, int width, int height, bool minimisable)
{
    window->setObjectName(QLatin1String(name));
    window->setWindowTitle(title);
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                            | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (minimisable)
        flags |= Qt::WindowMinimizeButtonHint;
    window->setWindowFlags(flags);
    window->setFont(StandardFont());
    const QRect area = TwipsRect(left, top, width, height);
    window->setGeometry(area);
    window->setFixedSize(area.size());
}

QPushButton *PlaceButton(QWidget *parent, const char *name, const QString &caption,
                         int left, int top, int width, int height)
{
    auto *button = Place<QPushButton>(parent, name, left, top, width, height);
    button->setText(caption);
    button->setAutoDefault(false);
    button->setFocusPolicy(Qt::StrongFocus);
    return button;
}

QLabel *PlaceLabel(QWidget *parent, const char *name, const QString &caption,
                   int left, int top, int width, int height, Qt::Alignment alignment)
{
    auto *label = Place<QLabel>(parent, name, left, top, width, height);
    label->setText(caption);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(alignment | Qt::AlignTop);
    return label;
}
