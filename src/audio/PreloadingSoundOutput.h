#pragma once

#include "SoundFileDecoder.h"
#include "platform/FileChangeWatch.h"
#include "platform/PcmPlayback.h"
#include "platform/SoundOutput.h"

#include <condition_variable>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace aerolap {

/// The sound output of systems that play samples. Every file is decoded once, ahead of need, on a
/// thread of its own, and decoded again when the watch says it may have changed on disk, so that
/// a director can swap a file between cycles; asking for a sound then only hands a ready buffer to
/// the playback, and no file is ever opened on the caller's thread. A file asked for before it was
/// known is decoded on that thread and played when ready, unless a newer sound was asked for
/// meanwhile. A file that does not play gives the built-in alert, or silence where the sound is
/// optional.
class PreloadingSoundOutput final : public SoundOutput {
public:
    using Decoder = std::function<DecodedSoundFile(const std::filesystem::path&)>;

    /// Starts decoding `files` at once with `decode` (`decodeSoundFile` over the system's
    /// files), and from then on watches them, and any file asked for later, through `watch`.
    PreloadingSoundOutput(PcmPlayback& playback, const std::vector<std::string>& files,
                          std::unique_ptr<FileChangeWatch> watch, Decoder decode);
    ~PreloadingSoundOutput() override;

    void playFileAsync(const std::string& path) override;
    void playFileIfPlayableAsync(const std::string& path) override;

    /// Waits until every file asked for so far has been decoded at least once.
    void waitUntilDecoded();

private:
    /// What a file looked like on disk when it was decoded: any change means decoding it again.
    struct Signature {
        std::filesystem::file_type type = std::filesystem::file_type::none;
        std::uintmax_t size = 0;
        std::filesystem::file_time_type modified{};
        bool operator==(const Signature&) const = default;
    };
    struct Entry {
        std::optional<Signature> decodedAt;
        /// Null when the file does not play.
        std::shared_ptr<const PcmSound> sound;
    };
    struct Request {
        std::string path;
        bool optional = false;
        std::uint64_t sequence = 0;
    };

    static Signature signatureOf(const std::string& path);
    void run();
    void filesMayHaveChanged();
    void decodeIfChanged(const std::string& path);
    void request(const std::string& path, bool optional);
    void playLocked(const Entry& entry, bool optional);

    PcmPlayback& m_playback;
    std::unique_ptr<FileChangeWatch> m_watch;
    Decoder m_decode;

    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::condition_variable m_decoded;
    std::map<std::string, Entry> m_entries;
    std::optional<Request> m_request;
    std::uint64_t m_sequence = 0;
    /// How many of the files the watch has been given.
    std::size_t m_watched = 0;
    bool m_mayHaveChanged = true;
    bool m_stopping = false;
    std::thread m_thread;
};

} // namespace aerolap
