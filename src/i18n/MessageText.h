#pragma once

#include "platform/Message.h"

#include <QString>

namespace aerolap {

/// The catalogues' context of every message id.
inline constexpr const char* kMessageContext = "Message";

/// `message` in the language of the installed catalogues: its id translated, in the plural form
/// its count asks for, with its arguments in place. An argument that is itself a message id (a
/// file's kind, a reason) is translated too; an id that no catalogue knows (from the log of an
/// older version) shows as it stands.
QString messageText(const Message& message);

} // namespace aerolap
