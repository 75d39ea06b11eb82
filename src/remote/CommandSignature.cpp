#include "CommandSignature.h"

#include <QMessageAuthenticationCode>

namespace aerolap {

QByteArray hmacSha256(const QByteArray& key, const QByteArray& message) {
    return QMessageAuthenticationCode::hash(message, key, QCryptographicHash::Sha256);
}

bool equalInConstantTime(const QByteArray& a, const QByteArray& b) {
    if (a.size() != b.size()) {
        return false;
    }
    unsigned char difference = 0;
    for (qsizetype i = 0; i < a.size(); ++i) {
        difference |= static_cast<unsigned char>(a[i] ^ b[i]);
    }
    return difference == 0;
}

QByteArray signedText(const RemoteCommand& command) {
    QByteArray arguments;
    if (command.action == RemoteAction::Jump) {
        arguments = QByteArray::number(command.round) + ' ' + QByteArray::number(command.group);
    }
    return "aerolap-remote-1\n" + QByteArray::fromStdString(command.device) + '\n' +
           QByteArray::number(command.sequence) + '\n' +
           QByteArray::fromStdString(std::string(actionName(command.action))) + '\n' + arguments;
}

bool signatureMatches(const QByteArray& text, const QByteArray& signature,
                      const QByteArray& secret) {
    return equalInConstantTime(signature, hmacSha256(secret, text).toHex());
}

} // namespace aerolap
