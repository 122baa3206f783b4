#pragma once

#include <QString>

namespace zsg {
class Event;
}

// One line of text for an event: its type name and its payload,
// e.g. "ColorSynced color=5". Used by the shell and by tests.
QString eventText(const zsg::Event& event);
