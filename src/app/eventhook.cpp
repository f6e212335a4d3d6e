#include "app/eventhook.h"

#include "app/errorreport.h"

EventHook::EventHook(QObject *watched, QEvent::Type type, Handler handler)
    : QObject(watched), type(type), handler(std::move(handler))
{}

EventHook *EventHook::install(QObject *watched, QEvent::Type type, Handler handler)
{
    auto *hook = new EventHook(watched, type, std::move(handler));
    watched->installEventFilter(hook);
    return hook;
}

bool EventHook::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == type && watched == parent())
        ErrorReport::guarded([this, event] { handler(event); });
    return false;
}
