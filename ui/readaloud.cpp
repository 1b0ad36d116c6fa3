// SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "readaloud.h"

#include <QAccessible>
#include <QAccessibleInterface>
#include <QStringList>
#include <QWidget>

namespace {

QString Name(QAccessibleInterface *accessible)
{
    return accessible->text(QAccessible::Name).trimmed();
}

// A sentence ends with its own mark, or with a full stop.
QString Sentence(const QString &text)
{
    if (text.isEmpty() || text.endsWith(QLatin1Char('.')) || text.endsWith(QLatin1Char('!'))
        || text.endsWith(QLatin1Char('?')) || text.endsWith(QLatin1Char(':')))
        return text;
    return text + QLatin1Char('.');
}

} // namespace

QString SaidOfControl(QWidget *control)
{
    QAccessibleInterface *accessible = control ? QAccessible::queryAccessibleInterface(control) : nullptr;
    if (!accessible)
        return QString();
    QStringList parts{Name(accessible)};
    const QAccessible::State state = accessible->state();
    switch (accessible->role()) {
    case QAccessible::Button:
        parts << QStringLiteral("Schaltfläche");
        break;
    case QAccessible::RadioButton:
        parts << QStringLiteral("Auswahlschalter")
              << (state.checked ? QStringLiteral("ausgewählt") : QStringLiteral("nicht ausgewählt"));
        break;
    default:
        break;
    }
    if (state.disabled)
        parts << QStringLiteral("nicht verfügbar");
    parts.removeAll(QString());
    return Sentence(parts.join(QStringLiteral(", ")));
}

QString NameOfWindow(QWidget *window)
{
    QAccessibleInterface *accessible = window ? QAccessible::queryAccessibleInterface(window) : nullptr;
    return accessible ? Name(accessible) : QString();
}

QString SaidOfWindow(QWidget *window)
{
    QAccessibleInterface *accessible = window ? QAccessible::queryAccessibleInterface(window) : nullptr;
    if (!accessible)
        return QString();
    QStringList sentences{Sentence(Name(accessible))};
    // A dialog's labels are its message.
    if (accessible->role() == QAccessible::Dialog) {
        for (int i = 0; i < accessible->childCount(); ++i) {
            QAccessibleInterface *child = accessible->child(i);
            if (child && child->role() == QAccessible::StaticText && !child->state().invisible)
                sentences << Sentence(Name(child));
        }
    }
    QWidget *focused = window->focusWidget();
    if (focused && focused != window && focused->isVisible())
        sentences << SaidOfControl(focused);
    sentences.removeAll(QString());
    return sentences.join(QLatin1Char(' '));
}
