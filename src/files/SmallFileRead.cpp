#include "SmallFileRead.h"

#include "platform/Message.h"

#include <QFile>
#include <filesystem>

namespace aerolap {

std::variant<QByteArray, std::string> readSmallFile(const std::string& path, qint64 limit) {
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    if (!std::filesystem::exists(status)) {
        return std::string(QT_TRANSLATE_NOOP("Message", "does not exist"));
    }
    if (!std::filesystem::is_regular_file(status)) {
        return std::string(QT_TRANSLATE_NOOP("Message", "is not a regular file"));
    }
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly)) {
        return "cannot be read (" + file.errorString().toStdString() + ")";
    }
    // One byte past the limit tells a file that grew after the check from one that fits.
    QByteArray data = file.read(limit + 1);
    if (data.size() > limit) {
        return "is larger than " + std::to_string(limit / 1024) + " KB";
    }
    return data;
}

} // namespace aerolap
