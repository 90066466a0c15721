#include "messages.h"

namespace {
MessageHandler& handler() {
    static MessageHandler h;
    return h;
}
} // namespace

void setMessageHandler(MessageHandler h) { handler() = std::move(h); }

MsgAnswer showMessage(const QString& title, const QString& prompt, MsgIcon icon, MsgButtons buttons,
                      MsgAnswer defaultButton) {
    if (!handler()) return defaultButton;
    return handler()(title, prompt, icon, buttons, defaultButton);
}
