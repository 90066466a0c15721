#include "platform.h"

#include <cassert>

namespace {
Platform* installed = nullptr;
}

Platform& platform() {
    assert(installed);
    return *installed;
}

void setPlatform(Platform* p) {
    installed = p;
}
