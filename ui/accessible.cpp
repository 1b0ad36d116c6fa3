// SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "accessible.h"

#include "announce.h"
#include "layoutwindow.h"
#include "optionbutton.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>

namespace {

using Relations = QList<QPair<QAccessibleInterface *, QAccessible::Relation>>;

// A window: its role, and after its own controls the status bar of its
// announcements, once it has made one.
class WindowAccessible final : public QAccessibleWidget {
public:
    explicit WindowAccessible(LayoutWindow *window)
        : QAccessibleWidget(window, window->kind() == LayoutWindow::Kind::Main ? QAccessible::Window
                                                                             : QAccessible::Dialog)
    {
    }

    int childCount() const override { return QAccessibleWidget::childCount() + (Region() ? 1 : 0); }

    QAccessibleInterface *child(int index) const override
    {
        QObject *region = Region();
        if (region && index == QAccessibleWidget::childCount())
            return QAccessible::queryAccessibleInterface(region);
        return QAccessibleWidget::child(index);
    }

    int indexOfChild(const QAccessibleInterface *child) const override
    {
        const QObject *region = Region();
        if (region && child && child->object() == region)
            return QAccessibleWidget::childCount();
        return QAccessibleWidget::indexOfChild(child);
    }

private:
    QObject *Region() const { return AnnouncementRegion(widget()); }
};

QString NameOr(const QWidget *widget, const QString &caption)
{
    return widget->accessibleName().isEmpty() ? caption : widget->accessibleName();
}

// An option button as Qt's own radio buttons are, and labelled by its heading.
class OptionAccessible final : public QAccessibleWidget {
public:
    explicit OptionAccessible(OptionButton *button) : QAccessibleWidget(button, QAccessible::RadioButton) {}

    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? NameOr(Button(), Button()->text()) : QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.checkable = true;
        state.checked = Button()->isChecked();
        state.pressed = Button()->isDown();
        return state;
    }

    Relations relations(QAccessible::Relation match) const override
    {
        Relations relations = QAccessibleWidget::relations(match);
        if ((match & QAccessible::Label) && Button()->heading())
            relations.append({QAccessible::queryAccessibleInterface(Button()->heading()), QAccessible::Label});
        return relations;
    }

    QStringList actionNames() const override
    {
        QStringList names;
        if (Button()->isEnabled())
            names << toggleAction();
        return names << QAccessibleWidget::actionNames();
    }

    void doAction(const QString &action) override
    {
        if (action == toggleAction()) {
            if (Button()->isEnabled())
                Button()->click();
            return;
        }
        QAccessibleWidget::doAction(action);
    }

private:
    OptionButton *Button() const { return static_cast<OptionButton *>(widget()); }
};

// The option buttons beside the label that it heads.
QList<OptionButton *> Headed(const QLabel *label)
{
    QList<OptionButton *> headed;
    if (QWidget *parent = label->parentWidget()) {
        for (OptionButton *button : parent->findChildren<OptionButton *>(Qt::FindDirectChildrenOnly))
            if (button->heading() == label)
                headed.append(button);
    }
    return headed;
}

// A label of a window: the label for its buddy and for the option buttons
// it heads. Qt's own label knows of its buddy only.
class LabelAccessible final : public QAccessibleWidget {
public:
    explicit LabelAccessible(QLabel *label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? NameOr(Label(), Label()->text()) : QAccessibleWidget::text(t);
    }

    Relations relations(QAccessible::Relation match) const override
    {
        Relations relations = QAccessibleWidget::relations(match);
        if (match & QAccessible::Labelled) {
            if (Label()->buddy())
                relations.append({QAccessible::queryAccessibleInterface(Label()->buddy()), QAccessible::Labelled});
            for (OptionButton *button : Headed(Label()))
                relations.append({QAccessible::queryAccessibleInterface(button), QAccessible::Labelled});
        }
        return relations;
    }

private:
    QLabel *Label() const { return static_cast<QLabel *>(widget()); }
};

QAccessibleInterface *Factory(const QString & /*className*/, QObject *object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    if (auto *window = qobject_cast<LayoutWindow *>(object))
        return new WindowAccessible(window);
    if (auto *button = qobject_cast<OptionButton *>(object))
        return new OptionAccessible(button);
    // Qt makes a control's interface as soon as its text is first set, while
    // the window is being built: what a label names is looked up only when
    // a screen reader asks.
    if (auto *label = qobject_cast<QLabel *>(object); label && qobject_cast<LayoutWindow *>(label->parentWidget()))
        return new LabelAccessible(label);
    return nullptr;
}

} // namespace

void InstallAccessibleInterfaces()
{
    // Asked before Qt's own factory, which was installed earlier.
    static const bool installed = [] {
        QAccessible::installFactory(&Factory);
        return true;
    }();
    Q_UNUSED(installed);
}
