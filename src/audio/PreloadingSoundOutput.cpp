#include "PreloadingSoundOutput.h"

#include "AlertSound.h"
#include "platform/CurrentThreadName.h"

#include <algorithm>
#include <ranges>
#include <system_error>
#include <utility>

namespace aerolap {

PreloadingSoundOutput::PreloadingSoundOutput(PcmPlayback& playback,
                                             const std::vector<std::string>& files,
                                             std::unique_ptr<FileChangeWatch> watch, Decoder decode)
    : m_playback(playback), m_decode(std::move(decode)), m_watch(std::move(watch)) {
    for (const std::string& file : files) {
        m_entries.try_emplace(file);
    }
    m_thread = std::jthread([this](const std::stop_token& stop) { run(stop); });
}

void PreloadingSoundOutput::playFileAsync(const std::string& path) {
    request(path, false);
}

void PreloadingSoundOutput::playFileIfPlayableAsync(const std::string& path) {
    request(path, true);
}

void PreloadingSoundOutput::request(const std::string& path, bool optional) {
    const std::lock_guard lock(m_mutex);
    const std::uint64_t sequence = ++m_sequence;
    const auto [entry, added] = m_entries.try_emplace(path);
    if (entry->second.decodedAt) {
        playLocked(entry->second, optional);
        return;
    }
    // Only the newest request matters: an older one still waiting is dropped.
    m_request = Request{path, optional, sequence};
    m_wake.notify_all();
}

void PreloadingSoundOutput::waitUntilDecoded() {
    std::unique_lock lock(m_mutex);
    m_decoded.wait(lock, [this] {
        return std::ranges::all_of(std::views::values(m_entries),
                                   [](const Entry& entry) { return entry.decodedAt.has_value(); });
    });
}

PreloadingSoundOutput::Signature PreloadingSoundOutput::signatureOf(const std::string& path) {
    std::error_code error;
    Signature signature;
    signature.type = std::filesystem::status(path, error).type();
    if (signature.type == std::filesystem::file_type::regular) {
        signature.size = std::filesystem::file_size(path, error);
        signature.modified = std::filesystem::last_write_time(path, error);
    }
    return signature;
}

void PreloadingSoundOutput::run(const std::stop_token& stop) {
    nameCurrentThread("sound decoding");
    std::unique_lock lock(m_mutex);
    const auto workToDo = [this] {
        return m_request || m_watched != m_entries.size() || m_mayHaveChanged;
    };
    while (m_wake.wait(lock, stop, workToDo) && !stop.stop_requested()) {
        if (m_request) {
            const Request request = *std::exchange(m_request, std::nullopt);
            lock.unlock();
            decodeIfChanged(request.path);
            lock.lock();
            if (request.sequence == m_sequence) {
                playLocked(m_entries[request.path], request.optional);
            }
        } else if (m_watched != m_entries.size()) {
            // Watched before they are looked at, so that no change can slip in between.
            const auto files = std::views::keys(m_entries);
            const std::vector<std::filesystem::path> paths(files.begin(), files.end());
            m_watched = m_entries.size();
            m_mayHaveChanged = true;
            lock.unlock();
            m_watch->watch(paths, [this] { filesMayHaveChanged(); });
            lock.lock();
        } else {
            m_mayHaveChanged = false;
            const auto files = std::views::keys(m_entries);
            const std::vector<std::string> paths(files.begin(), files.end());
            lock.unlock();
            for (const std::string& path : paths) {
                decodeIfChanged(path);
            }
            lock.lock();
            m_decoded.notify_all();
        }
    }
}

void PreloadingSoundOutput::filesMayHaveChanged() {
    const std::lock_guard lock(m_mutex);
    m_mayHaveChanged = true;
    m_wake.notify_all();
}

void PreloadingSoundOutput::decodeIfChanged(const std::string& path) {
    const Signature now = signatureOf(path);
    {
        const std::lock_guard lock(m_mutex);
        if (m_entries[path].decodedAt == now) {
            return;
        }
    }
    DecodedSoundFile decoded = m_decode(path);
    const std::lock_guard lock(m_mutex);
    Entry& entry = m_entries[path];
    entry.sound = std::move(decoded.sound);
    entry.decodedAt = now;
    m_decoded.notify_all();
}

void PreloadingSoundOutput::playLocked(const Entry& entry, bool optional) {
    // Called with the lock held, so that a late decode can never start after a newer sound.
    if (entry.sound) {
        m_playback.play(entry.sound);
    } else if (!optional) {
        m_playback.play(alertSound());
    }
}

} // namespace aerolap
