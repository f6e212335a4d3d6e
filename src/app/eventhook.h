#pragma once

#include <QEvent>
#include <QObject>

#include <functional>

// Runs a handler for one kind of event of one object, as that object's own event filter, so a
// subsystem hooks the keys and clicks of its controls without a central filter and each event
// reaches the handler once. The handler runs guarded (errors go to the error box); the event
// goes on to the object unless a filter swallows it.
class EventHook : public QObject
{
public:
    using Handler = std::function<void(QEvent *event)>;
    // Returns true to swallow the event: the object never sees it.
    using Filter = std::function<bool(QEvent *event)>;
    // The hook is a child of the watched object and lives as long as it.
    static EventHook *install(QObject *watched, QEvent::Type type, Handler handler);
    static EventHook *installFilter(QObject *watched, QEvent::Type type, Filter filter);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    EventHook(QObject *watched, QEvent::Type type, Filter filter);
    QEvent::Type type;
    Filter filter;
};
