#pragma once

// Message boxes as the program asks for them; the platform seam shows them.
enum class MsgIcon { None, Error, Warning, Information, Question };
enum class MsgButtons { Ok, YesNo };
enum class MsgAnswer { Ok, Yes, No };
