#pragma once
// The in-memory scene behind orbScene*. Private to orbmem.

#include <zsg/platform/OrbTypes.h>

#include <deque>
#include <memory>

class orbScene {
public:
    ~orbScene();
    // Copies text into storage that lives as long as the scene.
    char* storeString(const char* text);

private:
    std::deque<std::unique_ptr<char[]>> m_strings;
};
