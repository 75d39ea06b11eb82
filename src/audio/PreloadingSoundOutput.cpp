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
    : m_playback(playback), m_watch(std::move(watch)), m_decode(std::move(decode)) {
    for (const std::string& file : files) {
        m_entries.try_emplace(file);
    }
    m_thread = std::thread([this] { run(); });
}

PreloadingSoundOutput::~PreloadingSoundOutput() {
    {
        const std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_wake.notify_all();
    m_thread.join();
    // Gone before the members its callback reaches.
    m_watch.reset();
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

void PreloadingSoundOutput::run() {
    nameCurrentThread("sound decoding");
    std::unique_lock lock(m_mutex);
    while (!m_stopping) {
        if (m_request) {
            const Request request = *std::exchange(m_request, std::nullopt);
            lock.unlock();
            decodeIfChanged(request.path);
            lock.lock();
            if (request.sequence == m_sequence) {
                playLocked(m_entries[request.path], request.optional);
            }
            continue;
        }
        if (m_watched != m_entries.size()) {
            // Watched before they are looked at, so that no change can slip in between.
            const auto files = std::views::keys(m_entries);
            const std::vector<std::filesystem::path> paths(files.begin(), files.end());
            m_watched = m_entries.size();
            m_mayHaveChanged = true;
            lock.unlock();
            m_watch->watch(paths, [this] { filesMayHaveChanged(); });
            lock.lock();
            continue;
        }
        if (m_mayHaveChanged) {
            m_mayHaveChanged = false;
            const auto files = std::views::keys(m_entries);
            const std::vector<std::string> paths(files.begin(), files.end());
            lock.unlock();
            for (const std::string& path : paths) {
                decodeIfChanged(path);
            }
            lock.lock();
            m_decoded.notify_all();
            continue;
        }
        m_wake.wait(lock);
    }
}

void PreloadingSoundOutput::filesMayHaveChanged() {
    {
        const std::lock_guard lock(m_mutex);
        m_mayHaveChanged = true;
    }
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
