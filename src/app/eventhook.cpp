#include "app/eventhook.h"

#include "app/errorreport.h"

EventHook::EventHook(QObject *watched, QEvent::Type type, Filter filter)
    : QObject(watched), type(type), filter(std::move(filter))
{}

EventHook *EventHook::install(QObject *watched, QEvent::Type type, Handler handler)
{
    return installFilter(watched, type, [handler = std::move(handler)](QEvent *event) {
        handler(event);
        return false;
    });
}

EventHook *EventHook::installFilter(QObject *watched, QEvent::Type type, Filter filter)
{
    auto *hook = new EventHook(watched, type, std::move(filter));
    watched->installEventFilter(hook);
    return hook;
}

bool EventHook::eventFilter(QObject *watched, QEvent *event)
{
    bool swallow = false;
    if (event->type() == type && watched == parent())
        ErrorReport::guarded([&] { swallow = filter(event); });
    return swallow;
}
