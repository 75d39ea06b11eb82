#include "FileWriter.h"

#include "WholeFileSave.h"
#include "platform/CurrentThreadName.h"

#include <QFile>
#include <system_error>

namespace aerolap {

namespace {

std::optional<std::string> makeFolderOf(const std::filesystem::path& file) {
    const std::filesystem::path folder = file.parent_path();
    std::error_code error;
    if (folder.empty() || std::filesystem::create_directories(folder, error) || !error) {
        return std::nullopt;
    }
    return "its folder " + folder.string() +
           (std::filesystem::is_regular_file(folder, error)
                ? " is a file"
                : " cannot be made (" + error.message() + ")");
}

std::optional<std::string> appendLines(const std::filesystem::path& path, const std::string& text) {
    if (auto fault = makeFolderOf(path)) {
        return fault;
    }
    QFile file(QString::fromStdString(path.string()));
    if (!file.open(QIODevice::ReadWrite | QIODevice::Append | QIODevice::Unbuffered)) {
        return file.errorString().toStdString();
    }
    // A line cut short is ended first, so that a reader loses that line alone, not the next too.
    char last = '\n';
    if (file.size() > 0 && file.seek(file.size() - 1)) {
        file.getChar(&last);
    }
    const QByteArray bytes =
        (last == '\n' ? QByteArray() : QByteArray("\n")) + QByteArray::fromStdString(text);
    if (file.write(bytes) != bytes.size()) {
        // A write cut short sets no error of its own.
        return file.error() == QFileDevice::NoError ? "not all of it fits (is the disk full?)"
                                                    : file.errorString().toStdString();
    }
    return std::nullopt;
}

} // namespace

FileWriter::FileWriter(NoticeBoard& notices, std::size_t queuedLines)
    : m_notices(notices), m_queuedLines(queuedLines), m_thread([this] { run(); }) {}

FileWriter::~FileWriter() {
    {
        const std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_wake.notify_one();
    m_thread.join();
}

void FileWriter::replace(const KeptFile& kind, const std::filesystem::path& path,
                         QByteArray bytes) {
    replace(kind, path, [bytes = std::move(bytes)] { return bytes; });
}

void FileWriter::replace(const KeptFile& kind, const std::filesystem::path& path, Content content,
                         Written written) {
    {
        const std::lock_guard lock(m_mutex);
        Whole& whole = m_wholes[path];
        whole.kind = &kind;
        whole.content = std::move(content);
        // A newer content holds all an older one did, so whoever waited for the older one waits
        // for it.
        if (written) {
            whole.waiting.push_back(std::move(written));
        }
    }
    m_wake.notify_one();
}

void FileWriter::append(const KeptFile& kind, std::filesystem::path path, std::string line) {
    {
        const std::lock_guard lock(m_mutex);
        if (m_lines.size() >= m_queuedLines) {
            ++m_dropped[&kind];
            return;
        }
        m_lines.push_back({&kind, std::move(path), std::move(line)});
    }
    m_wake.notify_one();
}

bool FileWriter::flush(std::chrono::milliseconds limit) {
    std::unique_lock lock(m_mutex);
    return m_idle.wait_for(lock, limit,
                           [this] { return !m_writing && m_wholes.empty() && m_lines.empty(); });
}

std::optional<QByteArray> FileWriter::pending(const std::filesystem::path& path) {
    const std::lock_guard lock(m_mutex);
    for (const auto* wholes : {&m_wholes, &m_inFlight}) {
        if (const auto found = wholes->find(path); found != wholes->end()) {
            return found->second.content();
        }
    }
    return std::nullopt;
}

void FileWriter::run() {
    nameCurrentThread("files");
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_wake.wait(lock, [this] { return m_stopping || !m_wholes.empty() || !m_lines.empty(); });
        // What is handed over before the end is still written.
        if (m_wholes.empty() && m_lines.empty()) {
            return;
        }
        m_inFlight = std::exchange(m_wholes, {});
        // Copies of the contents' makers, which share what they make the content from.
        const auto wholes = m_inFlight;
        std::deque<Line> lines = std::exchange(m_lines, {});
        for (const auto& [kind, count] : std::exchange(m_dropped, {})) {
            m_trouble[kind].dropped += count;
        }
        m_writing = true;
        lock.unlock();
        for (const auto& [path, whole] : wholes) {
            auto fault = makeFolderOf(path);
            if (!fault) {
                fault = saveWholeFile(path.string(), whole.content());
            }
            tell(*whole.kind, path, fault);
            for (const Written& written : whole.waiting) {
                written(!fault);
            }
        }
        writeLines(std::move(lines));
        lock.lock();
        m_inFlight.clear();
        m_writing = false;
        m_idle.notify_all();
    }
}

void FileWriter::writeLines(std::deque<Line> lines) {
    // One write for each run of lines to one file.
    while (!lines.empty()) {
        const KeptFile& kind = *lines.front().kind;
        const std::filesystem::path path = lines.front().path;
        Trouble& trouble = m_trouble[&kind];
        std::string text;
        if (trouble.lost > 0) {
            text += kind.missingLines(true, trouble.lost, lines.front().text) + '\n';
        }
        if (trouble.dropped > 0) {
            text += kind.missingLines(false, trouble.dropped, lines.front().text) + '\n';
        }
        std::size_t count = std::exchange(trouble.dropped, 0);
        for (; !lines.empty() && lines.front().path == path; lines.pop_front(), ++count) {
            text += lines.front().text + '\n';
        }
        const auto fault = appendLines(path, text);
        trouble.lost = fault ? trouble.lost + count : 0;
        tell(kind, path, fault);
    }
}

void FileWriter::tell(const KeptFile& kind, const std::filesystem::path& path,
                      const std::optional<std::string>& fault) {
    bool& failing = m_trouble[&kind].failing;
    if (fault && !std::exchange(failing, true)) {
        m_notices.post(
            {QT_TRANSLATE_NOOP("Message", "%1 %2 cannot be written: %3. The timer runs on; %4."),
             {kind.name, path.string(), *fault, kind.whileFailing}},
            Notice::Urgency::ActNow);
    } else if (!fault && std::exchange(failing, false)) {
        m_notices.post(
            {QT_TRANSLATE_NOOP("Message", "%1 %2 is written again."), {kind.name, path.string()}});
    }
}

} // namespace aerolap
