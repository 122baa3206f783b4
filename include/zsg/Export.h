#pragma once
// One export macro per library. The libraries are built with hidden visibility,
// so only declarations carrying their library's macro leave the shared object.
// On ELF the import side needs the same attribute, hence no building/using split.

#define ZSG_EXPORT __attribute__((visibility("default")))    // libzscenegraph
#define ZCORE_EXPORT __attribute__((visibility("default")))  // libzcore (host core stand-in)
#define ORB_EXPORT __attribute__((visibility("default")))    // liborbmem (renderer stand-in)
#define ZSG_WIDGETS_EXPORT __attribute__((visibility("default")))  // libzscenegraph_widgets (optional Qt Widgets)
