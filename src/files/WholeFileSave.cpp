#include "WholeFileSave.h"

#include <QSaveFile>

namespace aerolap {

std::optional<std::string> saveWholeFile(const std::string& path, const QByteArray& bytes) {
    QSaveFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::WriteOnly)) {
        return file.errorString().toStdString();
    }
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        const QString why = file.errorString();
        file.cancelWriting();
        return why.isEmpty() ? "its bytes did not all fit (is the disk full?)" : why.toStdString();
    }
    if (!file.commit()) {
        return file.errorString().toStdString();
    }
    return std::nullopt;
}

} // namespace aerolap
