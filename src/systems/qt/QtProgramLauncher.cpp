#include "QtProgramLauncher.h"

#include <QProcess>
#include <QString>

namespace aerolap {

bool QtProgramLauncher::start(const std::string& path) {
    if (path.empty()) {
        return false;
    }
    // Registry text is in the system code page, which is what the local 8-bit encoding is.
    return QProcess::startDetached(QString::fromLocal8Bit(path), {});
}

} // namespace aerolap
