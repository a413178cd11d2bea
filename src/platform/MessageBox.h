#pragma once
// Modal message boxes. Headless runs (and runs without a display) log the
// message and answer the default button at once.

#include "core/String.h"

enum class MessageBoxKind { Ok, YesNo };
enum class MessageBoxAnswer { Ok, Yes, No };

// Shows `text` titled `title`; answers the button pressed (Ok for Ok boxes,
// No when a yes/no box cannot be shown). Every message is also logged.
MessageBoxAnswer ShowMessageBox(const String& title, const String& text, MessageBoxKind kind = MessageBoxKind::Ok);

// No window and no dialogs: set by --headless and by tests.
void SetHeadless(bool headless);
bool IsHeadless();
