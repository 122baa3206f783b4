#pragma once

#include <zsg/Export.h>

namespace zsg {

class Event;

/// Receives the events it registered for. The event belongs to the queue: a
/// listener must neither delete it nor keep the pointer after returning.
class ZSG_EXPORT IEventListener {
public:
    virtual ~IEventListener() = default;
    virtual void handleEvent(Event* event) = 0;
};

} // namespace zsg
