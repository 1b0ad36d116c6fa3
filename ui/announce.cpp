// SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "announce.h"

#include "platformannounce.h"

#include <QAccessible>
#include <QAccessibleObject>
#include <QList>
#include <QObject>
#include <QWidget>

#include <utility>

namespace {

AnnouncementListener &Listener()
{
    static AnnouncementListener listener;
    return listener;
}

} // namespace

#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)

namespace {

// How many announcements stay readable after they were made. A screen reader
// reads each one's text some time after it was shown, from its own queue; an
// announcement gone by then would be lost, so a few are kept.
constexpr int kKept = 8;
static_assert(kKept > 1, "the announcement shown last is kept when a new one comes");

// One announcement: a notification holding one label with the text. The
// label is what a screen reader speaks, shows on a braille display and keeps
// in its list of notifications. Its text never changes: a screen reader
// that reads it late still reads what was announced.
class AnnouncementText final : public QObject {
public:
    AnnouncementText(QString text, QObject *announcement) : QObject(announcement), text_(std::move(text)) {}
    const QString &text() const { return text_; }

private:
    QString text_;
};

class Announcement final : public QObject {
public:
    Announcement(const QString &text, QObject *bar) : QObject(bar), text_(new AnnouncementText(text, this)) {}
    AnnouncementText *text() const { return text_; }

private:
    AnnouncementText *text_;
};

// The window's announcements, oldest first: a status bar that exists in the
// window's accessible tree only. A notification inside a status bar is
// spoken without the word "notification" before it.
class AnnouncementBar final : public QObject {
public:
    explicit AnnouncementBar(QWidget *window) : QObject(window) {}

    QList<Announcement *> items() const
    {
        QList<Announcement *> items;
        for (QObject *child : children())
            if (auto *item = dynamic_cast<Announcement *>(child))
                items.append(item);
        return items;
    }
};

AnnouncementBar *BarOf(const QWidget *window)
{
    for (QObject *child : window->children())
        if (auto *bar = dynamic_cast<AnnouncementBar *>(child))
            return bar;
    return nullptr;
}

QAccessibleInterface *Interface(QObject *object)
{
    return object ? QAccessible::queryAccessibleInterface(object) : nullptr;
}

// Only the newest announcement is showing; the older ones are kept hidden.
QAccessible::State ShowingIfNewest(const QObject *item)
{
    const auto *bar = dynamic_cast<const AnnouncementBar *>(item->parent());
    const QList<Announcement *> items = bar ? bar->items() : QList<Announcement *>();
    QAccessible::State state;
    state.invisible = items.isEmpty() || items.last() != item;
    return state;
}

// What the three kinds of object tell a screen reader. None has a place on
// the screen, and none but the bar has more than one child.
class AnnouncementAccessible final : public QAccessibleObject {
public:
    explicit AnnouncementAccessible(QObject *object) : QAccessibleObject(object) {}

    QAccessibleInterface *parent() const override { return Interface(object()->parent()); }

    int childCount() const override { return static_cast<int>(Children().size()); }
    QAccessibleInterface *child(int index) const override { return Interface(Children().value(index)); }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return child ? static_cast<int>(Children().indexOf(child->object())) : -1;
    }

    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Name)
            return QString();
        if (dynamic_cast<AnnouncementBar *>(object()))
            return QStringLiteral("Meldungen");
        if (auto *text = dynamic_cast<AnnouncementText *>(object()))
            return text->text();
        return QString();
    }

    QAccessible::Role role() const override
    {
        if (dynamic_cast<AnnouncementBar *>(object()))
            return QAccessible::StatusBar;
        if (dynamic_cast<Announcement *>(object()))
            return QAccessible::Notification;
        return QAccessible::StaticText;
    }

    QAccessible::State state() const override
    {
        if (dynamic_cast<Announcement *>(object()))
            return ShowingIfNewest(object());
        if (dynamic_cast<AnnouncementText *>(object()))
            return ShowingIfNewest(object()->parent());
        return {};
    }

private:
    QList<QObject *> Children() const
    {
        QList<QObject *> children;
        if (auto *bar = dynamic_cast<AnnouncementBar *>(object())) {
            for (Announcement *item : bar->items())
                children.append(item);
        }
        if (auto *item = dynamic_cast<Announcement *>(object()))
            children.append(item->text());
        return children;
    }
};

QAccessibleInterface *AnnouncementFactory(const QString & /*className*/, QObject *object)
{
    if (dynamic_cast<AnnouncementBar *>(object) || dynamic_cast<Announcement *>(object)
        || dynamic_cast<AnnouncementText *>(object))
        return new AnnouncementAccessible(object);
    return nullptr;
}

void Notify(QObject *object, QAccessible::Event type)
{
    QAccessibleEvent event(object, type);
    QAccessible::updateAccessibility(&event);
}

// Shows a new notification in the window's status bar: a screen reader
// speaks a notification when it is shown.
void ShowNotification(QWidget *window, const QString &text)
{
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(&AnnouncementFactory);
        return true;
    }();
    Q_UNUSED(factoryInstalled);

    AnnouncementBar *bar = BarOf(window);
    if (!bar) {
        bar = new AnnouncementBar(window);
        Notify(bar, QAccessible::ObjectCreated);
    }
    const QList<Announcement *> before = bar->items();
    if (before.size() >= kKept) {
        Notify(before.first(), QAccessible::ObjectDestroyed);
        delete before.first();
    }
    auto *item = new Announcement(text, bar);
    // The one shown before is hidden now; it is kept (kKept is above 1).
    if (!before.isEmpty())
        Notify(before.last(), QAccessible::ObjectHide);
    Notify(item, QAccessible::ObjectCreated);
    Notify(item, QAccessible::ObjectShow);
}

} // namespace

QObject *AnnouncementRegion(const QWidget *window)
{
    return window ? BarOf(window) : nullptr;
}

#else

QObject *AnnouncementRegion(const QWidget * /*window*/)
{
    return nullptr;
}

#endif

bool AnnouncementsHeard()
{
    return QAccessible::isActive() || Listener();
}

void Announce(QWidget *window, const QString &text)
{
    if (Listener())
        Listener()(window, text);
    if (!window || !QAccessible::isActive())
        return;
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    ShowNotification(window, text);
    AnnounceOnPlatform(window, text);
#else
    QAccessibleAnnouncementEvent event(window, text);
    QAccessible::updateAccessibility(&event);
#endif
}

void ListenToAnnouncements(AnnouncementListener listener)
{
    Listener() = std::move(listener);
}
