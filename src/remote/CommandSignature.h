#pragma once

#include "RemoteCommand.h"

#include <QByteArray>

namespace aerolap {

/// HMAC-SHA-256 of `message` keyed with `key` (RFC 2104 over FIPS 180-4).
QByteArray hmacSha256(const QByteArray& key, const QByteArray& message);

/// Whether `a` and `b` hold the same bytes, in a time that depends on their lengths only: a
/// forger learns nothing from how long a refusal took.
bool equalInConstantTime(const QByteArray& a, const QByteArray& b);

/// The text a command's signature covers: a version tag, the device, the sequence number, the
/// command and its arguments, one to a line. The page builds the same text.
QByteArray signedText(const RemoteCommand& command);

/// Whether `signature` (lower-case hex) is the HMAC of `text` under `secret`.
bool signatureMatches(const QByteArray& text, const QByteArray& signature,
                      const QByteArray& secret);

} // namespace aerolap
