#pragma once

#include <QString>
#include <functional>

// Message boxes as the program asks for them; the platform seam shows them.
enum class MsgIcon { None, Error, Warning, Information, Question };
enum class MsgButtons { Ok, YesNo };
enum class MsgAnswer { Ok, Yes, No };

using MessageHandler =
    std::function<MsgAnswer(const QString& title, const QString& prompt, MsgIcon, MsgButtons, MsgAnswer)>;

// The application installs the handler (its platform's message box) at start.
void setMessageHandler(MessageHandler handler);

// Shows one message box through the installed handler; answers OK when none is installed.
MsgAnswer showMessage(const QString& title, const QString& prompt, MsgIcon icon,
                      MsgButtons buttons = MsgButtons::Ok, MsgAnswer defaultButton = MsgAnswer::Ok);
