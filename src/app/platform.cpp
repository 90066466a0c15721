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
    if (!p) {
        setMessageHandler({});
        return;
    }
    setMessageHandler([p](const QString& title, const QString& prompt, MsgIcon icon, MsgButtons buttons,
                          MsgAnswer defaultButton) { return p->messageBox(title, prompt, icon, buttons, defaultButton); });
}
